// Sound: the 22 recorded sounds, loaded once at start-up, and the calls that
// play them. The engine and wind loops follow the flight every event period.
// Every call but init_sound, fill_buffer, dispose_sound and the stops is
// silent unless sound is available, switched on and start-up has finished.
#pragma once
#include <cstddef>

#include "common/common.h"
#include "records/records.h"

// Playback-rate and level limits of a buffer: samples per second, and
// hundredths of a decibel (0 full level, -5000 the quietest).
constexpr int SOUND_MIN_RATE_HZ = 100;
constexpr int SOUND_MAX_RATE_HZ = 100000;
constexpr int SOUND_MIN_ATT = -5000;
// Pan in hundredths of a decibel: -10000 silences the right, 10000 the left.
constexpr int SOUND_MAX_PAN = 10000;

// ------------------------------------------------------------ start and end
// Opens the audio device and loads all 22 buffers in index order (a missing
// or damaged file ends the program). Returns 1, or 0 when there is no sound
// device (then nothing is loaded and every sound stays silent).
int init_sound();
// Loads one file of the sound table into buffer `sound_en` (0..21); ends the
// program with the reader's message on any failure.
void fill_buffer(int sound_en);
// Loads the WAVE file at `path` into buffer `sound_en`; as fill_buffer.
void load_wave(const char *path, int sound_en);
// Stops the mixer, closes the device and frees every buffer (at exit).
void dispose_sound();

// ------------------------------------------------------------ buffers
// Plays sound `index` from its start, looping when `loop` is non-zero; an
// index outside the table ends the program.
void play_buffer(int index, int loop);
void stop_buffer(int index);
// Sets the playback rate (frq_rat x 22050 samples per second, held to
// 100..100000) and level of buffer `index`: vol_rat 0..1 maps linearly onto
// lovol..hivol, whose square root maps onto -50 dB..0 dB.
void set_frq_vol(float frq_rat, float vol_rat, float lovol, float hivol, int index);

// ------------------------------------------------------------ the flight
// Engine-sound index of the loaded aircraft: pistons 0, turboprops 1, jets
// 2; helicopters 3 (piston) or 4 (turbine). Reads: pln.entype, pln.is_heli.
int ret_engsnd_en();
// Start (and update at once) or stop the engine and wind loops; they bracket
// every alert, dialog, aircraft load and window opening. The stall horn is
// stopped and started with them.
void play_engine_and_wind();
void stop_engine_and_wind();
// Every event period: re-pitch and re-level the engine loop from engine
// speed and power, balancing two engines between the speakers.
// Reads: flt.throt, flt.mix_powr_rat, flt.n1, flt.omega, pln.omegamax,
// pln.numen, pln.entype, pln.is_heli.
void maintain_engine_sound();
// Every event period: the wind loop's rate and level from vind / Vne.
// Reads: flt.vind, pln.Vne.
void maintain_wind_sound();
// Thunder at `level` (1 at 5 nautical miles, louder nearer; nothing below
// 0.3).
void play_thunder(float level);
// Marker-beacon tones: kind 5 the dot, kind 6 the dash.
void beepme(int kind);
// The stall horn, looping until stop_buffer(SND_STALL).
void stall_sound();

// ------------------------------------------------------------ the controller's voice
// One more voice beside the 22 buffers: a spoken message as mono 16-bit
// samples, played once. Its buffer is reserved by init_sound (nothing is
// allocated later); longer messages are cut.
constexpr int MAX_SPEECH_FRAMES = AUDIO_RATE_HZ * 45;
// Copies `nframes` samples at rate_hz and plays them from the start at full
// level, replacing anything still being said. Safe from any thread; the
// caller checks the sound switches; silent when there is no sound device.
void play_speech(const int16_t *pcm, int nframes, int rate_hz);
void stop_speech();
// 1 while a message is being played.
int speech_playing();
// Frames of the message last handed over (for tests).
int speech_frames();

// ------------------------------------------------------------ the mixer
// Fills `nframes` stereo 16-bit frames at AUDIO_RATE_HZ with every playing
// buffer; the layer's audio callback calls it (tests may call it directly
// when no device is open).
void sound_mix(int16_t *out, int nframes);

// ------------------------------------------------------------ WAVE files
enum WaveResult {
    WAVE_OK, WAVE_NOT_WAVE, WAVE_CORRUPT, WAVE_TOO_BIG, WAVE_FMT_UNREADABLE, WAVE_NOT_PCM,
    WAVE_NO_DATA_CHUNK, WAVE_EMPTY_DATA, WAVE_DATA_UNREADABLE, WAVE_UNPLAYABLE
};
// The largest sample data a sound may hold: four minutes of 16-bit stereo at
// 22,050 samples per second; beyond it a file is refused as too big.
constexpr size_t MAX_WAVE_DATA_BYTES = 22050u * 4u * 240u;
struct WaveInfo {
    int channels, bits, rate_hz;     // 1 or 2; 8 or 16; samples per second
    size_t data_at, data_bytes;      // the sample data within the file
    size_t nframes;                  // whole frames in the data
};
// Finds the format and the sample data of a RIFF WAVE file held in memory
// (untrusted: every size is checked against the bytes there are). Returns
// WAVE_OK with `info` filled, or the reason the file can't be played.
int parse_wave(const unsigned char *bytes, size_t nbytes, WaveInfo *info);

// ------------------------------------------------------------ inspection
// What a buffer holds and how it is set, for tests and the sound settings.
struct SoundState {
    int nframes, channels, file_rate_hz;   // the loaded samples
    int playing, loop;
    int rate_hz, att, pan;                 // playback rate; hundredths of dB
};
SoundState sound_state(int index);
