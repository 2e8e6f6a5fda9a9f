// The camera's angles: the view turns scn's heading, pitch and roll into
// the sines and cosines every transform reads, and an outside camera is
// aimed at a point from where it stands.
#include "view/view.h"

#include <cmath>

void set_view_angles()
{
    con.sinVIEWpsi = sinf(scn.psi180rad);
    con.cosVIEWpsi = cosf(scn.psi180rad);
    con.sinVIEWthe = sinf(scn.the180rad);
    con.cosVIEWthe = cosf(scn.the180rad);
    con.sinVIEWphi = sinf(scn.phi180rad);
    con.cosVIEWphi = cosf(scn.phi180rad);
}

void aim_camera(float x, float y, float z)
{
    float dx = x - con.VIEW_loc_x, dy = y - con.VIEW_loc_y, dz = z - con.VIEW_loc_z;
    float ground = sqrtf(dx * dx + dy * dy);
    scn.psi180rad = ground > 0.0f ? atan2f(dx, dy) : scn.psi180rad;
    scn.the180rad = atan2f(dz, ground);
    scn.phi180rad = 0.0f;
    set_view_angles();
}
