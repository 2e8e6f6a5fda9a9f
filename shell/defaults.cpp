// The defaults the general initialisation gives the records before the
// preferences are read.
#include "shell/shell.h"

#include "atc/atc.h"
#include "files/files.h"
#include "flight/flight.h"
#include "output/output.h"
#include "panel/panel.h"
#include "view/view.h"
#include "world/world.h"

static void set_reliability_defaults()
{
    rel.ins_fail_rat = 0.0f;
    rel.con_fail_rat = 0.0f;
    for (int k = 0; k < MAX_FAIL_KINDS; k++) {
        rel.fail_type[k] = 1;
        rel.fail_time_max[k] = 10.0f;
    }
}

void set_record_defaults()
{
    fpl.ifr = 1;
    fpl.vfr = 0;
    fpl.dvfr = 0;
    C_to_C("AAA", fpl.dep_apt);
    C_to_C("AAA", fpl.arr_apt);
    C_to_C("AAA", msc.apt_id_req);
    fpl.cruise_alt = 5000.0f;
    ins.HUD_on = 1;
    ins.HOOP_on = 0;
    ins.radar_on = 1;
    ins.map_mode = 1;
    ins.arg_mode = 1;
    ins.map_range = ins.arg_range = ins.rad_range = 30.0f;
    ins.baro = 29.92f;
    scn.rb_cycle = 99;
    set.viewtype = VIEW_FORWARD;   // the flight starts looking out of the front window
    msc.typestart = 900;
    for (int e = 0; e < 2; e++) {
        flt.throt[e] = flt.throtrequest[e] = 0.0f;
        flt.omega[e] = 0.0f;
    }
    set.cus_psi = 0.0f;
    set.cus_z = 5000.0f * con.fttomtrs;
    set.cus_v = 200.0f * con.ktstomsc;
    env.i_aircraft = 57;
    env.j_aircraft = 50;
    env.t_aircraft = 0;
    nav.radout = 2;
    pat.gs_dest = 1;
    set_reliability_defaults();
    mnw.dragging_index = 0;
    msc.rtrat = 1.0f;
    msc.tottime = 0.0f;
    env.apt_max = env.vor_max = env.ndb_max = NO_REGION;
    nav.gps_lat = nav.gps_lon = nav.gps_lock_crs = 0.0f;
    nav.tran1 = 1;
    nav.tran2 = 2;
    nav.tran3 = 0;
    nav.tran4 = 0;
}
