// Joystick presence and the force-feedback stick (SDL joystick and haptic,
// best effort), and the audio device whose callback the sound mixer fills.
// With no device the programs go on: mouse flying, silence.
#include "common/local.h"

#include <SDL2/SDL.h>
#include <cstring>

static SDL_Joystick *stick;
static SDL_Haptic *haptic;
static int stick_port = 1;            // 1-based, as the start-up names it
static SDL_AudioDeviceID audio_dev;
static AudioMixer audio_mixer;

int joystick_state()
{
    int forced = test_joystick_override();
    if (forced >= 0)
        return forced;
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0)
        return JOY_NO_SUPPORT;
    if (SDL_NumJoysticks() <= 0)
        return JOY_NONE_PLUGGED;
    SDL_Joystick *j = SDL_JoystickOpen(0);
    if (!j)
        return JOY_OPEN_FAILED;
    SDL_JoystickClose(j);
    return JOY_PRESENT;
}

void ff_set_joystick_port(int port) { stick_port = port; }

void ff_init_stick(int mode)
{
    (void)mode;
    if (stick || test_joystick_override() >= 0 || SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0)
        return;
    stick = SDL_JoystickOpen(stick_port - 1);
    if (stick && SDL_JoystickIsHaptic(stick) == 1 && SDL_InitSubSystem(SDL_INIT_HAPTIC) == 0)
        haptic = SDL_HapticOpenFromJoystick(stick);
}

void ff_enable_forces()
{
    if (haptic && (SDL_HapticQuery(haptic) & SDL_HAPTIC_GAIN))
        SDL_HapticSetGain(haptic, 100);
}

void ff_clear_forces()
{
    if (haptic)
        SDL_HapticStopAll(haptic);
}

void ff_close_stick()
{
    if (haptic)
        SDL_HapticClose(haptic);
    if (stick)
        SDL_JoystickClose(stick);
    haptic = nullptr;
    stick = nullptr;
}

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
    return 1;
}

void MACIBM_set_mixer(AudioMixer mixer)
{
    if (audio_dev)
        SDL_LockAudioDevice(audio_dev);
    audio_mixer = mixer;
    if (audio_dev)
        SDL_UnlockAudioDevice(audio_dev);
}

void MACIBM_close_audio()
{
    if (!audio_dev)
        return;
    SDL_CloseAudioDevice(audio_dev);
    audio_dev = 0;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}
