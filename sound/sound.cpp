// The sound table: loading the 22 files at start-up, starting and stopping
// buffers, their rate and level, and the engine, wind and effect sounds the
// flight asks for.
#include <cmath>

#include "files/files.h"
#include "flight/flight.h"
#include "sound/local.h"

namespace {

const char *const SOUND_FILES[NSOUNDS] = {
    "VP_RECIP.WAV", "VP_TURBO.WAV", "VP_JET.WAV",   "VR_RECIP.WAV", "VR_TURBO.WAV", "WIND.WAV",
    "THUNDER.WAV",  "GEARACT.WAV",  "SQUEAK.WAV",   "BOOM.WAV",     "SINKRATE.WAV", "PULLUP.WAV",
    "GEAR.WAV",     "TERRAIN.WAV",  "GLIDESLP.WAV", "MINIMUMS.WAV", "WNDSHEAR.WAV", "CAUTION.WAV",
    "ALERT.WAV",    "dot.wav",      "dash.wav",     "stall.wav"};

constexpr float BASE_RATE_HZ = 22050.0f;   // the rate a ratio of 1 plays at
constexpr int ENTYPE_TURBOPROP = 2, ENTYPE_JET = 3;
constexpr float MIN_BALANCE_DRIVE = 0.01f;   // power + speed below it: no balance update
constexpr float MIN_THUNDER_LEVEL = 0.3f;

int sound_playable() { return msc.sound_ready && msc.sound_avail && msc.sound_on; }

// An engine's power and speed, each about 0..1.
void engine_drive(int i, float *power, float *speed)
{
    *power = flt.throt[i] * flt.mix_powr_rat[i];
    if (pln.entype == ENTYPE_JET)
        *speed = flt.n1[i] / 100.0f;
    else
        *speed = pln.omegamax > 0.0f ? flt.omega[i] / pln.omegamax : 0.0f;
}

// Balance of two engines between the speakers: the stronger side louder.
void balance_engines(float e1, float e2, int index)
{
    if (e1 <= MIN_BALANCE_DRIVE || e2 <= MIN_BALANCE_DRIVE)
        return;
    SoundBuffer *b = &snd_buf[index];
    MACIBM_lock_audio();
    b->pan = (int)(signsqr((0.5f - e1 / (e1 + e2)) * 2.0f) * SOUND_MAX_PAN);
    snd_set_gains(b);
    MACIBM_unlock_audio();
}

void stop_engine_loops()
{
    for (int i = SND_RECIP; i <= SND_HELI_TURBO; i++)
        stop_buffer(i);
}

}   // namespace

int init_sound()
{
    if (!MACIBM_open_audio())
        return 0;
    for (int i = 0; i < NSOUNDS; i++)
        fill_buffer(i);
    snd_speech.samples.assign(MAX_SPEECH_FRAMES, 0);
    snd_speech.channels = 1;
    snd_set_gains(&snd_speech);
    MACIBM_set_mixer(sound_mix);
    return 1;
}

void fill_buffer(int sound_en)
{
    if (sound_en < 0 || sound_en >= NSOUNDS)
        MACIBM_numberexitalert("Requested sound out of range!", sound_en);
    char path[MAX_STR];
    ap_dir("sounds", SOUND_FILES[sound_en], path);
    load_wave(path, sound_en);
}

void dispose_sound()
{
    MACIBM_set_mixer(nullptr);
    MACIBM_close_audio();
    for (SoundBuffer &b : snd_buf) {
        std::vector<int16_t>().swap(b.samples);
        b = SoundBuffer{};
    }
    std::vector<int16_t>().swap(snd_speech.samples);
    snd_speech = SoundBuffer{};
}

void play_buffer(int index, int loop)
{
    if (!sound_playable())
        return;
    if (index < 0 || index >= NSOUNDS)
        MACIBM_numberexitalert("Requested sound out of range!", index);
    MACIBM_lock_audio();
    snd_buf[index].pos = 0.0;
    snd_buf[index].loop = loop != 0;
    snd_buf[index].playing = snd_buf[index].nframes > 0;
    MACIBM_unlock_audio();
}

// Stopping is never held back: a loop started before sound was switched
// off must still be stoppable after.
void stop_buffer(int index)
{
    if (index < 0 || index >= NSOUNDS)
        return;
    MACIBM_lock_audio();
    snd_buf[index].playing = 0;
    MACIBM_unlock_audio();
}

void set_frq_vol(float frq_rat, float vol_rat, float lovol, float hivol, int index)
{
    if (!sound_playable() || index < 0 || index >= NSOUNDS)
        return;
    // Held before rounding so that no ratio, however wild, overflows an int.
    float rate = fltlim(frq_rat * BASE_RATE_HZ, SOUND_MIN_RATE_HZ, SOUND_MAX_RATE_HZ);
    float v = fltmax2(interp(0.0f, lovol, 1.0f, hivol, vol_rat), 0.0f);
    float att = fltlim(interp(0.0f, SOUND_MIN_ATT, 1.0f, 0.0f, sqrtf(v)), SOUND_MIN_ATT, 0.0f);
    SoundBuffer *b = &snd_buf[index];
    MACIBM_lock_audio();
    b->att = (int)att;
    b->rate_hz = iround(std::isfinite(rate) ? rate : SOUND_MIN_RATE_HZ);
    snd_set_gains(b);
    MACIBM_unlock_audio();
}

// The caller checks the switches (on the main thread): this runs on the
// speech worker, which must not read the records.
void play_speech(const int16_t *pcm, int nframes, int rate_hz)
{
    MACIBM_lock_audio();
    SoundBuffer *b = &snd_speech;
    int n = intlim(nframes, 0, (int)b->samples.size());
    for (int k = 0; k < n; k++)
        b->samples[k] = pcm[k];
    b->nframes = n;
    b->rate_hz = intlim(rate_hz, SOUND_MIN_RATE_HZ, SOUND_MAX_RATE_HZ);
    b->pos = 0.0;
    b->loop = 0;
    b->playing = n > 0;
    MACIBM_unlock_audio();
}

void stop_speech()
{
    MACIBM_lock_audio();
    snd_speech.playing = 0;
    MACIBM_unlock_audio();
}

int speech_playing()
{
    MACIBM_lock_audio();
    int p = snd_speech.playing;
    MACIBM_unlock_audio();
    return p;
}

int speech_frames()
{
    MACIBM_lock_audio();
    int n = snd_speech.nframes;
    MACIBM_unlock_audio();
    return n;
}

int ret_engsnd_en()
{
    if (pln.is_heli)
        return pln.entype == 1 ? SND_HELI_RECIP : (pln.entype == ENTYPE_TURBOPROP ? SND_HELI_TURBO : SND_RECIP);
    if (pln.entype == ENTYPE_TURBOPROP)
        return SND_TURBO;
    return pln.entype == ENTYPE_JET ? SND_JET : SND_RECIP;
}

void play_engine_and_wind()
{
    if (!sound_playable())
        return;
    if (pln.numen > 0) {
        play_buffer(ret_engsnd_en(), 1);
        maintain_engine_sound();
    }
    play_buffer(SND_WIND, 1);
    maintain_wind_sound();
    if (flt.stall_warn)
        stall_sound();
}

void stop_engine_and_wind()
{
    stop_engine_loops();
    stop_buffer(SND_WIND);
    stop_buffer(SND_STALL);
}

void maintain_engine_sound()
{
    if (!sound_playable() || pln.numen <= 0)
        return;
    float p1, s1, p2 = 0.0f, s2 = 0.0f;
    engine_drive(0, &p1, &s1);
    if (pln.numen > 1)
        engine_drive(1, &p2, &s2);
    if (pln.is_heli)
        s2 = s1;   // one rotor speed drives both engines' note
    float s = s1, p = p1;
    if (pln.numen > 1) {
        s = (s1 + s2) * 0.5f;
        p = (p1 + p2) * 0.5f;
    }
    int index = ret_engsnd_en();
    if (pln.is_heli) {
        set_frq_vol(s, s * 0.9f + p * 0.1f, 0.5f, 1.0f, index);
        return;
    }
    set_frq_vol(s, s * 0.5f + p * 0.5f, 0.5f, 1.0f, index);
    if (pln.numen > 1)
        balance_engines(p1 + s1, p2 + s2, index);
}

void maintain_wind_sound()
{
    if (!sound_playable())
        return;
    float vne = vne_kt();
    float r = vne > 0.0f ? flt.vind / vne : 0.0f;
    set_frq_vol(r, r * r, 0.0f, 1.0f, SND_WIND);
}

void play_thunder(float level)
{
    if (!sound_playable() || !(level >= MIN_THUNDER_LEVEL))
        return;
    set_frq_vol(fltlim(level, MIN_THUNDER_LEVEL, 1.0f), fltlim(level, 0.0f, 1.0f), 0.0f, 1.0f, SND_THUNDER);
    play_buffer(SND_THUNDER, 0);
}

void beepme(int kind)
{
    if (kind == BEEP_DOT)
        play_buffer(SND_DOT, 0);
    else if (kind == BEEP_DASH)
        play_buffer(SND_DASH, 0);
}

void stall_sound() { play_buffer(SND_STALL, 1); }

SoundState sound_state(int index)
{
    SoundState s = {};
    if (index < 0 || index >= NSOUNDS)
        return s;
    MACIBM_lock_audio();
    const SoundBuffer &b = snd_buf[index];
    s = {b.nframes, b.channels, b.file_rate_hz, b.playing, b.loop, b.rate_hz, b.att, b.pan};
    MACIBM_unlock_audio();
    return s;
}
