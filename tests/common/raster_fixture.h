// A started layer with a locked world to draw into, and helpers to read it
// back as text rows and compare regions.
#pragma once
#include <string>

#include "layer_fixture.h"

class RasterTest : public LayerTest {
  protected:
    static constexpr int BG = 70;   // background of the test world
    int ww = 0, wh = 0;
    // Makes world 1 of w x h filled with BG and locks it.
    void lock_world(int w, int h, int fill = BG)
    {
        if (ww)
            MACIBM_disposegworld(1);
        ww = w;
        wh = h;
        MACIBM_initgworld(1, w, h);
        MACIBM_settogworld(1, w, h, fill, 1);
    }
    int px(int x, int y) const { return test_world_pixel(1, x, y); }
    // Row y from x, n cells: '#' where colour c, '.' elsewhere.
    std::string cells(int x, int y, int n, int c) const
    {
        std::string s;
        for (int k = 0; k < n; k++)
            s += px(x + k, y) == c ? '#' : '.';
        return s;
    }
    int count(int c) const
    {
        int n = 0;
        for (int y = 0; y < wh; y++)
            for (int x = 0; x < ww; x++)
                n += px(x, y) == c;
        return n;
    }
};
