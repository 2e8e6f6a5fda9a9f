// The design checks of a loaded aircraft: each inconsistent design ends the
// program with a message that says what to change in Airwright; an odd
// resting attitude only warns.
#include "flight/load_local.h"

static void refuse_if(int bad, const char *s1, const char *s2, const char *s3, const char *s4)
{
    if (bad)
        MACIBM_exitalert(s1, s2, s3, s4);
}

static int any_variable_sweep()
{
    return pln.varsweepEQ[2] || pln.varsweepEQ[3] || pln.varsweepEQ[4];
}

static int no_float_area()
{
    for (int k = 0; k < N_FLOATS; k++)
        if (pln.floatl[k] != 0.0f && pln.floatw[k] != 0.0f)
            return 0;
    return 1;
}

static int any_flying_surface()
{
    for (int p = 2; p < MAX_PARTS; p++)
        if (pln.foileq[p])
            return 1;
    return 0;
}

static void check_panel_and_devices()
{
    refuse_if(pln.dashtype == 2 && (pln.layouttype == 3 || pln.layouttype == 6),
              "You have indicated in 'Airwright' that this aircraft has a GLASS PANEL.",
              "However, you have selected either the Zodoz or weather-radar as the equipment option.",
              "The glass panel contains all the information of both the Zodoz and weather radar systems.",
              "Therefore you need to change your equipment type to some other option.");
    refuse_if(pln.slatEQ && pln.slat_inc < 0.1f,
              "You have indicated in 'Airwright' that this aircraft has leading-edge devices.",
              "You did this by checking the L.E.D. option on one of the wings in 'Airwright'.",
              "The problem us, you have entered an L.E.D. stall-angle-increase of 0 in the 'Control' screen.",
              "This confuses me. If you have L.E.D.s on your airplane, they must have some effect!");
    refuse_if(!pln.slatEQ && pln.slat_inc > 0.1f,
              "You have entered a stall-angle increase due leading-edge devices in Airwright",
              "This would be fine, but you have NOT checked any wing elements as having leading-edge devices!",
              "This is confuses me. Please enter the wings as having leading edge devices ('Wing' menu item)",
              "OR enter the increase in stalling angle as zero ('Control' menu item) in Airwright");
    refuse_if(pln.m_max < pln.m_empty,
              "You have selected an empty weight that is greater than the maximum weight for this airplane!",
              "Go into Airwright and set the empty weight to less than the maximum weight!",
              "The airplane in question is:", pln.C_name);
    refuse_if(pln.vectEQ && any_element(pln.propwash[4], 4),
              "This aircraft has vectored thrust and the horizontal stabilizer is listed as being at least partially in prop-wash!",
              "This is not allowed because the propwash over the stabilizer during vector changes would produce an extremely strong pitch moment.",
              "For this reason, trigonometry is not provided for this phenomenon.",
              "Use Airwright to select non- vectored- thrust or select none of horizontal stabilizer in propwash.");
    refuse_if(pln.hstabtype == 1 && pln.flying_stab,
              "There are 2 different tail-types in Vortan: STABILIZER and STABILATOR.",
              "You select the tail type for your airplane in the Airwright Horizontal Stabilizer screen.",
              "If you select a tail-type of STABILATOR, you may NOT enter a STABILIZER trim. (Trim is automatically 40% for stabilators).",
              "You have selected a trim, though. Go into Airwright and set the STABILIZER trim to 0, or set the tail-type to STABILIZER.");
    refuse_if(pln.hstabtype == 1 && any_element(pln.elev[4], 4),
              "There are 2 different tail-types in Vortan: STABILIZER and STABILATOR.",
              "With STABILIZERS, an elevator moves for pitch control.",
              "With STABILATORS, the whole tail moves for pitch control.",
              "You have selected elevators as being on a STABILATOR, which is not acceptable. Correct the design in Airwright.");
}

static void check_propulsion_controls()
{
    refuse_if(pln.fusewash && (pln.entype == 0 || pln.entype == 3),
              "You have selected the fuselage as being in propwash, yet there are no propellers on this aircraft!",
              "This has me very confused.",
              "Select reciprocating or turboprop engines, or select the fuselage as NOT being in propwash.",
              "Do this in 'Airwright'.");
    refuse_if(pln.vectEQ && (pln.entype == 1 || pln.entype == 2) &&
                  (pln.elevcyclic == 0.0f || pln.ailncyclic == 0.0f) && (pln.puffL == 0.0f || pln.puffM == 0.0f),
              "This aircraft has vectored thrust, but does NOT have pitch and roll cyclic deflections or puffers!",
              "There will be no control authority in hover!", "Add pitch and roll cyclic deflections or add puffers.",
              "...or check the aircraft as being NON-VECTORED THRUST in Foilwright, 'engines' menu.");
    refuse_if(pln.vectEQ && pln.entype == 3 && (pln.puffL == 0.0f || pln.puffM == 0.0f),
              "The puffer moments in pitch and roll are zero.",
              "This will not allow you to manuever the aircraft in pitch or roll.",
              "Put in some puffers for pitch and roll control....",
              "...you can use differential vectoring for rudder control.");
}

static void check_undercarriage_and_surfaces()
{
    refuse_if(!pln.gearEQ && !pln.floatEQ && !pln.skidEQ, "This aircraft does not have gear, floats, or skids!",
              "We can't go flying unless we have gear, floats, or skids on our airplanes!",
              "Correct this problem in Airwright.", "");
    refuse_if(pln.gearEQ && !pln.retractEQ && pln.floatEQ, "This aircraft has both fixed gear AND floats!",
              "You can have gear in an amphib, but the gear must be retractable!", "", "");
    refuse_if(pln.gearEQ && !pln.retractEQ && pln.skidEQ, "This aircraft has both fixed gear AND skids!",
              "You can have gear on a skid-equipped machine, but the gear must be retractable!", "", "");
    refuse_if(pln.floatEQ && no_float_area(),
              "You have this airplane selected as having floats, yet I see no length and width in any floats!",
              "You have got to have floats with some length and width!", "Otherwise you will sink, trust me!",
              "Fix this problem in Airwright and try again.");
    refuse_if(!any_flying_surface(), "This aircraft has no flying surfaces!",
              "You must have at least a stabilizer or something on the airplane!",
              "Put on a wing or stabilizer or something in Airwright.", "");
    if (fabsf(wrap180(pln.the_eqlbm)) > 30.0f)
        MACIBM_alert("This thing sits on the ground with an excessive attitute.",
                     "Check up on the landing gear locations and heights in Airwright.", "",
                     "I will let you go flying, but you may encounter problems on the ground.");
}

static void check_geometry()
{
    refuse_if(pln.vertcant[0] != 0.0f && pln.vectEQ,
              "This aircraft has both vectored thrust and a canted engine! The trigonometry for this is not currently supported.",
              "You must set the thrust-vectoring option OFF OR set the engine cants to ZERO in Airwright.",
              "Call customer support if niether of these options is feasible.", "");
    refuse_if(pln.vectEQ && any_variable_sweep(), "Aircraft has vectored thrust and variable-sweep wing or stabilizer!",
              "This is not allowed because the thrust vector and wing-sweep controls will overlap on the engine control console.",
              "Use vect thrust OR variable-sweep wings, not both.", "Correct the problem in Airwright.");
    refuse_if(pln.autosweep && !any_variable_sweep(),
              "Your aircraft has been selected to have the wings and/or horizontal stabilizer sweep automatically ",
              "...yet neither the wings nor the horizontal stabilizer are selected for variable sweep!",
              "This is untenable.", "Correct the problem in Airwright.");
    refuse_if(pln.gearEQ && ((pln.ngearx >= 0.0f && pln.mgearx >= 0.0f) || (pln.ngearx <= 0.0f && pln.mgearx <= 0.0f)),
              "The center of gravity is not between the nose gear and the main gear!",
              "This will result in a plane that falls on it's nose or tail on the ground!",
              "Keep the CG between the landing gear by using 'Airwright' to enter the gear and CG in the right place", "");
    refuse_if(pln.skidEQ && (pln.skidx > 0.0f || pln.skidx + pln.skidl < 0.0f),
              "The center of gravity is not between the front and back of the skid!",
              "This will result in a machine that falls on it's nose or tail on the ground!", "", "");
}

static void check_engines()
{
    refuse_if((pln.entype == 1 || pln.entype == 2) && pln.omegamax < pln.omegamin,
              "You entered an idle rpm greater then the maximum engine rpm in Airwright!",
              "That is not possible. Go back into Airwright, select the 'Engine' screen, and enter the engine rpm data.",
              "The airplane in question is:", pln.C_name);
    refuse_if(pln.is_heli && pln.entype == 3, "You are using a jet engine on this helicopter!",
              "Helicopters may use reciprocating or turboprop engines only.",
              "Generate a turboprop engine in Foilwright, and select that engine for your helicopter in Airwright.", "");
    refuse_if(pln.is_heli && pln.entype == 0, "You have selected no engines for your helicopter!",
              "Make sure you have either 1 or 2 engines selected for your helicopter in Airwright", "", "");
}

void check_design()
{
    check_panel_and_devices();
    check_propulsion_controls();
    check_undercarriage_and_surfaces();
    check_geometry();
    check_engines();
}
