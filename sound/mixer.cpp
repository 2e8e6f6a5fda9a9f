// The mixer: every playing buffer resampled to the device rate by linear
// interpolation, scaled by its level and pan and summed. It runs on the
// audio thread, under the layer's audio lock.
#include <cmath>

#include "sound/local.h"

SoundBuffer snd_buf[NSOUNDS];
SoundBuffer snd_speech;

namespace {

constexpr int MIX_CHUNK_FRAMES = 256;
constexpr float CENTIBELS_PER_DECADE = 2000.0f;   // hundredths of dB: 20 dB a decade of amplitude

float centibel_gain(int cb) { return powf(10.0f, (float)cb / CENTIBELS_PER_DECADE); }

// Sample of channel `ch` at frame `i`; past the end it is the first frame
// again when looping, else the last.
float sample_at(const SoundBuffer *b, int i, int ch)
{
    if (i >= b->nframes)
        i = b->loop ? i % b->nframes : b->nframes - 1;
    return b->samples[(size_t)i * b->channels + (b->channels > 1 ? ch : 0)];
}

// Adds `n` frames of one buffer into `mix` (interleaved left, right).
void mix_voice(SoundBuffer *b, float *mix, int n)
{
    double step = (double)b->rate_hz / AUDIO_RATE_HZ;
    for (int k = 0; k < n; k++) {
        int i = (int)b->pos;
        float frac = (float)(b->pos - i);
        float l0 = sample_at(b, i, 0), r0 = sample_at(b, i, 1);
        float l = l0 + (sample_at(b, i + 1, 0) - l0) * frac;
        float r = r0 + (sample_at(b, i + 1, 1) - r0) * frac;
        mix[2 * k] += l * b->gain_l;
        mix[2 * k + 1] += r * b->gain_r;
        b->pos += step;
        if (b->pos >= b->nframes) {
            if (!b->loop) {
                b->playing = 0;
                b->pos = 0.0;
                return;
            }
            b->pos = fmod(b->pos, (double)b->nframes);
        }
    }
}

}   // namespace

void snd_set_gains(SoundBuffer *b)
{
    float level = centibel_gain(b->att);
    b->gain_l = level * (b->pan > 0 ? centibel_gain(-b->pan) : 1.0f);
    b->gain_r = level * (b->pan < 0 ? centibel_gain(b->pan) : 1.0f);
}

void sound_mix(int16_t *out, int nframes)
{
    float mix[2 * MIX_CHUNK_FRAMES];
    for (int done = 0; done < nframes; done += MIX_CHUNK_FRAMES) {
        int n = nframes - done < MIX_CHUNK_FRAMES ? nframes - done : MIX_CHUNK_FRAMES;
        for (int k = 0; k < 2 * n; k++)
            mix[k] = 0.0f;
        for (SoundBuffer &b : snd_buf)
            if (b.playing && b.nframes > 0)
                mix_voice(&b, mix, n);
        if (snd_speech.playing && snd_speech.nframes > 0)
            mix_voice(&snd_speech, mix, n);
        for (int k = 0; k < 2 * n; k++) {
            float v = mix[k];
            out[2 * done + k] = (int16_t)(v > 32767.0f ? 32767.0f : (v < -32768.0f ? -32768.0f : v));
        }
    }
}
