// The sound folder's shared state: each buffer's samples and how its voice
// plays them. The mixer reads it on the audio thread, so the main thread
// changes it only between MACIBM_lock_audio and MACIBM_unlock_audio.
#pragma once
#include <vector>

#include "sound/sound.h"

struct SoundBuffer {
    std::vector<int16_t> samples;   // interleaved when stereo; filled at loading only
    int channels, nframes, file_rate_hz;
    // The voice: playing, looping, the read position in frames, the rate in
    // samples per second, the level and pan in hundredths of a decibel and
    // the channel gains they give.
    int playing, loop;
    double pos;
    int rate_hz, att, pan;
    float gain_l, gain_r;
};
extern SoundBuffer snd_buf[NSOUNDS];
extern SoundBuffer snd_speech;   // the controller's voice

// Recomputes a buffer's channel gains from its level and pan.
void snd_set_gains(SoundBuffer *b);
