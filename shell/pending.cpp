// Functions of later steps that start-up, the frame loop and the window
// procedure already call. Each step deletes its functions from here (and
// their prototypes from local.h) when it lands.
#include "shell/local.h"
#include "files/files.h"
#include "world/world.h"
#include "panel/panel.h"

int osthr;   // TODO(lead): built by the panel step

// TODO(lead): built by the preferences step; until then every start takes
// the factory region, airport and aircraft (the scenery folder defaults in
// load_region).
void initprefs()
{
    env.lat_south = 33;
    env.lon_west = 119;
    msc.loc_apt = 41;
    C_to_C("Aircraft/Trainer.acf", pln.C_file);   // the default aircraft
}
void dump_prefs() {}          // TODO(lead): built by the preferences step

// TODO(lead): built by the sound step (voices and the 22 sounds); until then
// opening the device is all there is.
int init_sound() { return MACIBM_open_audio(); }
int initspeechsynth() { return 0; }   // TODO(lead): built by the sound step
void dispose_sound() {}               // TODO(lead): built by the sound step
void play_engine_and_wind() {}        // TODO(lead): built by the sound step
void stop_engine_and_wind() {}        // TODO(lead): built by the sound step
void maintain_engine_sound() {}       // TODO(lead): built by the sound step
void maintain_wind_sound() {}         // TODO(lead): built by the sound step

void init_tape(int) {}                // TODO(lead): built by the panel step
void init_nav_pic() {}                // TODO(lead): built by the panel step
void init_stars() {}                  // TODO(lead): built by the scene step
void build_mark() {}                  // TODO(lead): built by the carrier step
void build_vasi() {}                  // TODO(lead): built by the carrier step
void build_cable() {}                 // TODO(lead): built by the carrier step
void build_elev() {}                  // TODO(lead): built by the carrier step
void set_rlt_grf_choices() {}         // TODO(lead): built by the output step
void cleargraph() {}                  // TODO(lead): built by the output step
void open_output_streams() {}         // TODO(lead): built by the output step
void close_output_streams() {}        // TODO(lead): built by the output step

void updatepanel() {}                 // TODO(lead): built by the panel step
void start_looking() {}               // TODO(lead): built by the scene step
void grfload() {}                     // TODO(lead): built by the output step
void grfdrag() {}                     // TODO(lead): built by the output step
void play_movie() {}                  // TODO(lead): built by the replay step
void handle_plan(int) {}              // TODO(lead): built by the ATC step
void controller_respond(int) {}       // TODO(lead): built by the ATC step
void enginecondrag(int, int) {}       // TODO(lead): built by the panel-clicks step
void dasclick(int, int) {}            // TODO(lead): built by the panel-clicks step
void fltclick(int) {}                 // TODO(lead): built by the settings-windows step
void relclick() {}                    // TODO(lead): built by the settings-windows step
void aptclick() {}                    // TODO(lead): built by the settings-windows step
void grfclick() {}                    // TODO(lead): built by the output step
void plt_nrt_click(int, int) {}       // TODO(lead): built by the settings-windows step
void plnclick(int) {}                 // TODO(lead): built by the ATC step
void staclick() {}                    // TODO(lead): built by the settings-windows step
void latclick(int) {}                 // TODO(lead): built by the settings-windows step
void datclick() {}                    // TODO(lead): built by the settings-windows step
void timclick(int) {}                 // TODO(lead): built by the settings-windows step
void wxrclick(int) {}                 // TODO(lead): built by the settings-windows step
void wgtclick(int) {}                 // TODO(lead): built by the settings-windows step
void sndclick() {}                    // TODO(lead): built by the settings-windows step
void wrnclick() {}                    // TODO(lead): built by the settings-windows step
void process_zap(int) {}              // TODO(lead): built by the events step
void handle_simkey(char) {}           // TODO(lead): built by the events step
void handle_funkey(int) {}            // TODO(lead): built by the events step
void panplot() {}                     // TODO(lead): built by the panel step
void setnav(int, int, int) {}         // TODO(lead): built by the radios step
void plotbrakes() {}                  // TODO(lead): built by the panel step
void handle(int, int) {}              // TODO(lead): built by the panel step
