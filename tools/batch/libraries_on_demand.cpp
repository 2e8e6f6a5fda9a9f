// The batch runner flies without a window, sound, joystick or voice, yet
// its libraries hold the code that would open them (the simulator's own).
// Linking the display and speech libraries would load about fifty shared
// libraries at every run, a tenth of a short flight's time. Instead each
// function of theirs that the code names is defined here: the library is
// loaded at its first call, which a batch run never makes, and the call
// goes on to it. With these definitions the linker (--as-needed) leaves
// both libraries out of the runner.
#include <dlfcn.h>

#include <SDL2/SDL.h>
#include <espeak-ng/speak_lib.h>

#include <cstdio>
#include <cstdlib>

namespace {

void *library_function(const char *library, const char *name)
{
    void *lib = dlopen(library, RTLD_NOW | RTLD_LOCAL);
    void *fn = lib ? dlsym(lib, name) : nullptr;
    if (!fn) {
        fprintf(stderr, "vortan-batch: %s could not be loaded for %s: %s\n", library, name, dlerror());
        exit(EXIT_FAILURE);
    }
    return fn;
}

}  // namespace

#define ON_DEMAND(LIBRARY, R, NAME, PARAMS, ARGS)                                          \
    extern "C" R NAME PARAMS                                                               \
    {                                                                                      \
        static auto fn = reinterpret_cast<R(*) PARAMS>(library_function(LIBRARY, #NAME));  \
        return fn ARGS;                                                                    \
    }
#define LAZY(R, NAME, PARAMS, ARGS) ON_DEMAND("libSDL2-2.0.so.0", R, NAME, PARAMS, ARGS)
LAZY(void, SDL_CloseAudioDevice, (SDL_AudioDeviceID dev), (dev))
LAZY(SDL_Surface *, SDL_CreateRGBSurfaceWithFormat,
     (Uint32 flags, int width, int height, int depth, Uint32 format),
     (flags, width, height, depth, format))
LAZY(SDL_Renderer *, SDL_CreateRenderer,
     (SDL_Window *window, int index, Uint32 flags),
     (window, index, flags))
LAZY(SDL_Texture *, SDL_CreateTexture,
     (SDL_Renderer *renderer, Uint32 format, int access, int w, int h),
     (renderer, format, access, w, h))
LAZY(SDL_Window *, SDL_CreateWindow,
     (const char *title, int x, int y, int w, int h, Uint32 flags),
     (title, x, y, w, h, flags))
LAZY(void, SDL_DestroyRenderer, (SDL_Renderer *renderer), (renderer))
LAZY(void, SDL_DestroyTexture, (SDL_Texture *texture), (texture))
LAZY(void, SDL_DestroyWindow, (SDL_Window *window), (window))
LAZY(void, SDL_FreeSurface, (SDL_Surface *surface), (surface))
LAZY(const char *, SDL_GetCurrentVideoDriver, (void), ())
LAZY(const char *, SDL_GetError, (void), ())
LAZY(void, SDL_HapticClose, (SDL_Haptic *haptic), (haptic))
LAZY(int, SDL_HapticNewEffect, (SDL_Haptic *haptic, SDL_HapticEffect *effect), (haptic, effect))
LAZY(SDL_Haptic *, SDL_HapticOpenFromJoystick, (SDL_Joystick *joystick), (joystick))
LAZY(unsigned int, SDL_HapticQuery, (SDL_Haptic *haptic), (haptic))
LAZY(int, SDL_HapticRunEffect,
     (SDL_Haptic *haptic, int effect, Uint32 iterations),
     (haptic, effect, iterations))
LAZY(int, SDL_HapticSetGain, (SDL_Haptic *haptic, int gain), (haptic, gain))
LAZY(int, SDL_HapticStopAll, (SDL_Haptic *haptic), (haptic))
LAZY(int, SDL_HapticStopEffect, (SDL_Haptic *haptic, int effect), (haptic, effect))
LAZY(int, SDL_HapticUpdateEffect,
     (SDL_Haptic *haptic, int effect, SDL_HapticEffect *data),
     (haptic, effect, data))
LAZY(int, SDL_InitSubSystem, (Uint32 flags), (flags))
LAZY(void, SDL_JoystickClose, (SDL_Joystick *joystick), (joystick))
LAZY(Sint16, SDL_JoystickGetAxis, (SDL_Joystick *joystick, int axis), (joystick, axis))
LAZY(Uint8, SDL_JoystickGetButton, (SDL_Joystick *joystick, int button), (joystick, button))
LAZY(int, SDL_JoystickIsHaptic, (SDL_Joystick *joystick), (joystick))
LAZY(int, SDL_JoystickNumAxes, (SDL_Joystick *joystick), (joystick))
LAZY(int, SDL_JoystickNumButtons, (SDL_Joystick *joystick), (joystick))
LAZY(SDL_Joystick *, SDL_JoystickOpen, (int device_index), (device_index))
LAZY(void, SDL_JoystickUpdate, (void), ())
LAZY(void, SDL_LockAudioDevice, (SDL_AudioDeviceID dev), (dev))
LAZY(int, SDL_NumJoysticks, (void), ())
LAZY(SDL_AudioDeviceID, SDL_OpenAudioDevice,
     (const char *device, int iscapture, const SDL_AudioSpec *desired, SDL_AudioSpec *obtained,
      int allowed_changes),
     (device, iscapture, desired, obtained, allowed_changes))
LAZY(void, SDL_PauseAudioDevice, (SDL_AudioDeviceID dev, int pause_on), (dev, pause_on))
LAZY(int, SDL_PollEvent, (SDL_Event *event), (event))
LAZY(int, SDL_PushEvent, (SDL_Event *event), (event))
LAZY(void, SDL_Quit, (void), ())
LAZY(void, SDL_QuitSubSystem, (Uint32 flags), (flags))
LAZY(int, SDL_RenderClear, (SDL_Renderer *renderer), (renderer))
LAZY(int, SDL_RenderCopy,
     (SDL_Renderer *renderer, SDL_Texture *texture, const SDL_Rect *srcrect, const SDL_Rect *dstrect),
     (renderer, texture, srcrect, dstrect))
LAZY(void, SDL_RenderPresent, (SDL_Renderer *renderer), (renderer))
LAZY(int, SDL_RenderReadPixels,
     (SDL_Renderer *renderer, const SDL_Rect *rect, Uint32 format, void *pixels, int pitch),
     (renderer, rect, format, pixels, pitch))
LAZY(int, SDL_RenderSetLogicalSize, (SDL_Renderer *renderer, int w, int h), (renderer, w, h))
LAZY(SDL_bool, SDL_SetHint, (const char *name, const char *value), (name, value))
LAZY(int, SDL_SetRenderDrawColor,
     (SDL_Renderer *renderer, Uint8 r, Uint8 g, Uint8 b, Uint8 a),
     (renderer, r, g, b, a))
LAZY(void, SDL_SetWindowIcon, (SDL_Window *window, SDL_Surface *icon), (window, icon))
LAZY(void, SDL_SetWindowMinimumSize, (SDL_Window *window, int min_w, int min_h), (window, min_w, min_h))
LAZY(int, SDL_ShowCursor, (int toggle), (toggle))
LAZY(void, SDL_UnlockAudioDevice, (SDL_AudioDeviceID dev), (dev))
LAZY(int, SDL_UpdateTexture,
     (SDL_Texture *texture, const SDL_Rect *rect, const void *pixels, int pitch),
     (texture, rect, pixels, pitch))
LAZY(int, SDL_WaitEventTimeout, (SDL_Event *event, int timeout), (event, timeout))
#undef LAZY

#define LAZY(R, NAME, PARAMS, ARGS) ON_DEMAND("libespeak-ng.so.1", R, NAME, PARAMS, ARGS)
LAZY(int, espeak_Initialize, (espeak_AUDIO_OUTPUT output, int buflength, const char *path, int options),
     (output, buflength, path, options))
LAZY(espeak_ERROR, espeak_SetParameter, (espeak_PARAMETER parameter, int value, int relative),
     (parameter, value, relative))
LAZY(void, espeak_SetSynthCallback, (t_espeak_callback *callback), (callback))
LAZY(espeak_ERROR, espeak_SetVoiceByName, (const char *name), (name))
LAZY(espeak_ERROR, espeak_Synchronize, (void), ())
LAZY(espeak_ERROR, espeak_Synth,
     (const void *text, size_t size, unsigned int position, espeak_POSITION_TYPE position_type,
      unsigned int end_position, unsigned int flags, unsigned int *unique_identifier, void *user_data),
     (text, size, position, position_type, end_position, flags, unique_identifier, user_data))
#undef LAZY
