// The audio device whose callback the sound mixer fills. With no device
// the programs go on in silence. (The joystick is in stick.cpp.)
#include "common/local.h"

#include <SDL2/SDL.h>
#include <cstdlib>
#include <cstring>

static SDL_AudioDeviceID audio_dev;
static AudioMixer audio_mixer;

// Runs on SDL's audio thread: only the mixer pointer is shared, and it is
// changed under the device lock.
static void audio_callback(void *, Uint8 *stream, int len)
{
    if (audio_mixer)
        audio_mixer((int16_t *)stream, len / 4);
    else
        memset(stream, 0, len);
}

int MACIBM_open_audio()
{
    if (audio_dev)
        return 1;
    if (test_audio_override() == 0 || SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return 0;
    SDL_AudioSpec want = {};
    want.freq = AUDIO_RATE_HZ;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = 1024;
    want.callback = audio_callback;
    audio_dev = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    if (!audio_dev) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return 0;
    }
    SDL_PauseAudioDevice(audio_dev, 0);
    // Whatever way the program ends, the device stops before the sounds
    // the callback plays from are freed by the static destructors.
    static bool close_at_exit = atexit(MACIBM_close_audio) == 0;
    (void)close_at_exit;
    return 1;
}

void MACIBM_lock_audio()
{
    if (audio_dev)
        SDL_LockAudioDevice(audio_dev);
}

void MACIBM_unlock_audio()
{
    if (audio_dev)
        SDL_UnlockAudioDevice(audio_dev);
}

void MACIBM_set_mixer(AudioMixer mixer)
{
    MACIBM_lock_audio();
    audio_mixer = mixer;
    MACIBM_unlock_audio();
}

void MACIBM_close_audio()
{
    if (!audio_dev)
        return;
    SDL_CloseAudioDevice(audio_dev);
    audio_dev = 0;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}
