// The program's starting colours (indices 11..245), so the splash and the
// layer's first frames have something to show.
// TODO(lead): the rasterizer step replaces this with the full interface and
// scene colour tables and colour assignment with time-of-day lighting.
#include "common/local.h"

// Grey ramp of indices 11..23 (black to white), as ratios.
static const float GREY_RAMP[13] = {0.0f,    0.0667f, 0.1333f, 0.2f,    0.2667f, 0.3333f, 0.4f,
                                    0.4667f, 0.5333f, 0.6f,    0.7333f, 0.8667f, 1.0f};

static void ratio(int index, float r, float g, float b)
{
    MACIBM_set_palette_entry(index, iround(r * 255.0f), iround(g * 255.0f), iround(b * 255.0f));
}

void set_program_colors()
{
    for (int k = 0; k < 13; k++)
        ratio(11 + k, GREY_RAMP[k], GREY_RAMP[k], GREY_RAMP[k]);
    ratio(24, 0.2f, 0.8f, 0.2f);   // progress cells and panel green
    for (int k = 25; k < 56; k++)
        ratio(k, 0.5f, 0.5f, 0.5f);
    ratio(29, 1.0f, 1.0f, 0.0f);
    ratio(30, 1.0f, 0.0f, 0.0f);
    ratio(55, 1.0f, 1.0f, 1.0f);
    // 56..245: sky blues then earth tones, smooth ramps for the placeholder art
    for (int k = 56; k < 151; k++) {
        float t = (float)(k - 56) / 94.0f;
        ratio(k, 0.10f + 0.45f * t, 0.20f + 0.50f * t, 0.45f + 0.50f * t);
    }
    for (int k = 151; k < 246; k++) {
        float t = (float)(k - 151) / 94.0f;
        ratio(k, 0.25f + 0.45f * t, 0.30f + 0.35f * t, 0.12f + 0.25f * t);
    }
}
