// The one definition of every global record and table of the catalogue,
// and their zero-fill at program entry.
#include "records/records.h"

#include <cstring>

// The scenery: terrain mesh, land use, weather radar, country tables,
// generated airport and buildings, overcast relief.
float planex[MESH_I][MESH_J], planey[MESH_I][MESH_J], planez[MESH_I][MESH_J];
int planediv[MESH_I][MESH_J];
int planecol[MESH_I][MESH_J][2];
int on_water[MESH_I][MESH_J][2], on_field[MESH_I][MESH_J][2], on_cliff[MESH_I][MESH_J][2];
int light_on_poly[MESH_I][MESH_J][2];
float cityx[MESH_I][MESH_J][2][3], cityy[MESH_I][MESH_J][2][3], cityz[MESH_I][MESH_J][2][3];
int on_fire_now[MESH_I][MESH_J][2], was_on_fire[MESH_I][MESH_J][2];
int tower_on_poly[MESH_I][MESH_J], boat_on_poly[MESH_I][MESH_J], carr_on_poly[MESH_I][MESH_J];
int bldng_index[MESH_I][MESH_J], block_index[MESH_I][MESH_J], beacon_index[MESH_I][MESH_J];
float flt_wxr[WXR_I][WXR_J];
char nid_id[MAX_NDB_US][3], vid_id[MAX_VOR_US][3], aid_id[MAX_APT_US][3];
float nid_lat[MAX_NDB_US], nid_lon[MAX_NDB_US], vid_lat[MAX_VOR_US], vid_lon[MAX_VOR_US];
float aid_lat[MAX_APT_US], aid_lon[MAX_APT_US];
float hangarx[4][8][4], hangary[4][8][4], hangarz[4][8][4];
float beacx[MAX_NAV], beacy[MAX_NAV], beacz[MAX_NAV];
float rwayx[RWAY_PTS][2], rwayy[RWAY_PTS][2], rwayz[RWAY_PTS][2];
float bldng_x[MAX_BLDNG], bldng_y[MAX_BLDNG], bldng_z[MAX_BLDNG];
float bldng_dx[MAX_BLDNG][4], bldng_dy[MAX_BLDNG][4], bldng_dz[MAX_BLDNG][4];
float helipad_x[MAX_BLDNG][36], helipad_y[MAX_BLDNG][36];
float block_x[MAX_BLOCK], block_y[MAX_BLOCK], block_z[MAX_BLOCK];
float block_dx[MAX_BLOCK], block_dy[MAX_BLOCK], block_dz[MAX_BLOCK];
float cloudx[CLOUD_I][CLOUD_J], cloudy[CLOUD_I][CLOUD_J], cloudz[CLOUD_I][CLOUD_J];
int clouddiv[CLOUD_I][CLOUD_J], cloudcol[CLOUD_I][CLOUD_J][2];

environmentstruct env;
runwaystruct rwy;

// The aircraft, the flight and the air.
planestruct pln;
airfoilstruct afl;
flightstruct flt;
atmospherestruct atm;
float traf_x[MAX_TRAFFIC][4], traf_y[MAX_TRAFFIC][4], traf_z[MAX_TRAFFIC][4];
float traf_v[MAX_TRAFFIC], traf_h[MAX_TRAFFIC];
int traf_i[MAX_TRAFFIC], traf_j[MAX_TRAFFIC], traf_t[MAX_TRAFFIC];

// Panel, view, output, ATC and the shell's records.
inststruct ins;
navstruct nav;
scenerystruct scn;
starstruct sta;
carrierstruct car;
pathstruct pat;
graphstruct grf;
atcstruct atc;
flightplanstruct fpl;
settingstruct set;
miscstruct msc;
ottostruct ott;
relstruct rel;

template <typename T> static void zero(T &record) { memset(&record, 0, sizeof record); }

void zero_records()
{
    zero(flt); zero(ott); zero(ins); zero(set); zero(msc); zero(mnw); zero(scn);
    zero(sta); zero(nav); zero(atm); zero(rwy); zero(env); zero(grf); zero(car);
    zero(pln); zero(pat); zero(rel); zero(afl); zero(atc); zero(fpl);
}
