// The view's rotations between world, body and camera axes. Two rotation
// orders serve all five transforms: roll-pitch-heading from a body into the
// world, and heading-pitch-roll from the world into a body or the camera.
#include "common/common.h"

// Body to world: roll about the forward axis, then pitch about the right
// axis, then heading about the vertical (clockwise from north).
static void body_to_world(float x, float y, float z, float sin_psi, float cos_psi, float sin_the,
                          float cos_the, float sin_phi, float cos_phi, float *xo, float *yo, float *zo)
{
    float zr = z * cos_phi - x * sin_phi;
    float xt = z * sin_phi + x * cos_phi;
    float yt = y * cos_the - zr * sin_the;
    *xo = yt * sin_psi + xt * cos_psi;
    *yo = yt * cos_psi - xt * sin_psi;
    *zo = y * sin_the + zr * cos_the;
}

// World to body: the same three turns undone in the reverse order, as the
// body's right and forward axes in world terms with up as their cross
// product (the flight model's alpha and beta come from these very sums).
static void world_to_body(float x, float y, float z, float sin_psi, float cos_psi, float sin_the,
                          float cos_the, float sin_phi, float cos_phi, float *xo, float *yo, float *zo)
{
    float st = sin_the, ct = cos_the, ss = sin_psi, cs = cos_psi, sf = sin_phi, cf = cos_phi;
    float F[3] = {ss * ct, cs * ct, st};
    float R[3] = {cs * cf + ss * st * sf, -ss * cf + cs * st * sf, -ct * sf};
    float U[3] = {R[1] * F[2] - R[2] * F[1], R[2] * F[0] - R[0] * F[2], R[0] * F[1] - R[1] * F[0]};
    *xo = x * R[0] + y * R[1] + z * R[2];
    *yo = x * F[0] + y * F[1] + z * F[2];
    *zo = x * U[0] + y * U[1] + z * U[2];
}

void xfrm_VIEWP(float x, float y, float z, float *xo, float *yo, float *zo)
{
    body_to_world(x, y, z, con.sinPLANpsi, con.cosPLANpsi, con.sinPLANthe, con.cosPLANthe,
                  con.sinPLANphi, con.cosPLANphi, xo, yo, zo);
}

void xfrm_SCENE(float x, float y, float z, float *xo, float *yo, float *zo)
{
    world_to_body(x, y, z, con.sinVIEWpsi, con.cosVIEWpsi, con.sinVIEWthe, con.cosVIEWthe,
                  con.sinVIEWphi, con.cosVIEWphi, xo, yo, zo);
}

void xfrm_VVECT(float x, float y, float z, float *xo, float *yo, float *zo)
{
    world_to_body(x, y, z, con.sinPLANpsi, con.cosPLANpsi, con.sinPLANthe, con.cosPLANthe,
                  con.sinPLANphi, con.cosPLANphi, xo, yo, zo);
}

void xfrm_PLANE(float x, float y, float z, float *xo, float *yo, float *zo)
{
    float wx, wy, wz;
    xfrm_VIEWP(x, y, z, &wx, &wy, &wz);
    xfrm_SCENE(wx + (con.PLAN_loc_x - con.VIEW_loc_x), wy + (con.PLAN_loc_y - con.VIEW_loc_y),
               wz + (con.PLAN_loc_z - con.VIEW_loc_z), xo, yo, zo);
}

void xfrm_BOAT(float x, float y, float z, float *xo, float *yo, float *zo)
{
    float wx, wy, wz;
    body_to_world(x, y, z, con.sinBOATpsi, con.cosBOATpsi, con.sinBOATthe, con.cosBOATthe,
                  con.sinBOATphi, con.cosBOATphi, &wx, &wy, &wz);
    *xo = wx + con.BOAT_loc_x;
    *yo = wy + con.BOAT_loc_y;
    *zo = wz + con.BOAT_loc_z;
}
