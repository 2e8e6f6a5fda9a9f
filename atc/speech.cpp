// Publishing a controller message: on screen, on the reply lamp and aloud.
// Speech is synthesised by the espeak-ng library on a worker thread (it
// takes longer than a frame) and handed to the sound mixer as samples, so
// the frame loop never waits for it.
#include <espeak-ng/speak_lib.h>

#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>

#include "atc/local.h"
#include "sound/sound.h"

namespace {

// A brisk, low male voice: controllers speak quickly and flatly.
constexpr const char *VOICE = "en-us+m3";
constexpr int RATE_WPM = 185, PITCH = 35;
constexpr float LAMP_S_PER_CHAR = 0.065f;    // about 185 words a minute
constexpr int MAX_QUEUED = 4;                // messages waiting to be spoken
constexpr int POLL_MS = 20;                  // the worker's wait for the voice to finish

int synth_ready;                             // espeak-ng initialised
int synth_rate_hz;

// Filled by the synthesis callback (on the thread that runs synth_speech).
int16_t *synth_out;
int synth_cap, synth_n;

int on_samples(short *wav, int n, espeak_EVENT *)
{
    for (int k = 0; wav && k < n && synth_n < synth_cap; k++)
        synth_out[synth_n++] = wav[k];
    return 0;
}

// The worker's queue. Made once and never destroyed, so that the worker
// may still be waiting on them when the program ends.
struct SpeechQueue {
    std::mutex lock;
    std::condition_variable wake;
    char text[MAX_QUEUED][MAX_STR];
    int head, count, busy;
    int open;                // 0 once the sound is being released: nothing more is played
    int drop;                // the message being synthesised is not to be played
};
SpeechQueue *queue;
int16_t pcm[MAX_SPEECH_FRAMES];

void worker()
{
    char text[MAX_STR];
    for (;;) {
        {
            std::unique_lock<std::mutex> hold(queue->lock);
            queue->wake.wait(hold, [] { return queue->count > 0; });
            C_to_C(queue->text[queue->head], text);
            queue->head = (queue->head + 1) % MAX_QUEUED;
            queue->count--;
            queue->busy = 1;
        }
        int n = synth_speech(text, pcm, MAX_SPEECH_FRAMES);
        for (;;) {   // a message is never cut by the next one
            std::unique_lock<std::mutex> hold(queue->lock);
            if (!queue->open || !speech_playing()) {
                // Played under the queue's lock, so that endspeechsynth
                // returns only when no hand-over is under way.
                if (queue->open && !queue->drop)
                    play_speech(pcm, n, synth_rate_hz);
                queue->busy = queue->drop = 0;
                break;
            }
            hold.unlock();
            std::this_thread::sleep_for(std::chrono::milliseconds(POLL_MS));
        }
    }
}

int voice_heard() { return atc.voice_out && msc.speech_avail && msc.sound_on && msc.sound_avail && msc.sound_ready; }

void queue_speech(const char *text)
{
    if (!queue)
        return;
    std::lock_guard<std::mutex> hold(queue->lock);
    if (queue->count == MAX_QUEUED)   // the oldest unspoken message gives way
        queue->head = (queue->head + 1) % MAX_QUEUED, queue->count--;
    C_to_C(text, queue->text[(queue->head + queue->count) % MAX_QUEUED]);
    queue->count++;
    queue->wake.notify_one();
}

// The speech of digit codes 0..8 ("one".."niner").
void say_word(int code, char *speech)
{
    static const char *const WORDS[9] = {"one", "two", "three", "four", "five", "six", "seven", "eight", "niner"};
    app_string(speech, WORDS[intlim(code, 0, 8)]);
}

void manage_word(const char *word, char *speech)
{
    static const char *const WORDS[9] = {"one", "two", "three", "four", "five", "six", "seven", "eight", "niner"};
    if (speech[0])
        app_string(speech, " ");
    for (int k = 0; k < 9; k++)
        if (strcmp(word, WORDS[k]) == 0) {
            say_word(k, speech);
            return;
        }
    if (word[0] >= '0' && word[0] <= '9' && !word[1])
        app_string(speech, word[0] == '0' ? "zero" : word[0] == '9' ? "niner" : get_phonetic(word[0]));
    else
        app_string(speech, word);
}

}   // namespace

void speech_text(const char *cs, char *out)
{
    out[0] = 0;
    char word[MAX_STR];
    int len = (int)strnlen(cs, MAX_STR - 1);
    for (int i = 0; i < len;) {
        while (i < len && cs[i] == ' ')
            i++;
        int n = 0;
        while (i < len && cs[i] != ' ')
            word[n++] = cs[i++];
        word[n] = 0;
        if (!n)
            break;
        int full_stop = word[n - 1] == '.';
        if (full_stop)
            word[n - 1] = 0;
        if (word[0])
            manage_word(word, out);
        if (full_stop)
            app_string(out, ",");   // a pause where the sentence ended
    }
}

int synth_speech(const char *text, int16_t *out, int cap)
{
    if (!synth_ready)
        return 0;
    synth_out = out;
    synth_cap = cap;
    synth_n = 0;
    espeak_Synth(text, strnlen(text, MAX_STR) + 1, 0, POS_CHARACTER, 0, espeakCHARS_AUTO, nullptr, nullptr);
    espeak_Synchronize();
    return synth_n;
}

int initspeechsynth()
{
    if (!synth_ready) {
        int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
        if (rate <= 0)
            return 0;
        synth_rate_hz = rate;
        espeak_SetSynthCallback(on_samples);
        if (espeak_SetVoiceByName(VOICE) != EE_OK)
            espeak_SetVoiceByName("en");
        espeak_SetParameter(espeakRATE, RATE_WPM, 0);
        espeak_SetParameter(espeakPITCH, PITCH, 0);
        synth_ready = 1;
    }
    if (!queue) {
        queue = new SpeechQueue{};
        std::thread(worker).detach();   // runs until the program ends
    }
    std::lock_guard<std::mutex> hold(queue->lock);
    queue->open = 1;
    return msc.sound_avail;
}

void endspeechsynth()
{
    if (!queue)
        return;
    std::lock_guard<std::mutex> hold(queue->lock);
    queue->count = 0;
    queue->open = 0;
}

// Switching the voice off forgets what is queued but keeps the worker
// ready for when it is switched on again.
static void forget_queued()
{
    if (!queue)
        return;
    std::lock_guard<std::mutex> hold(queue->lock);
    queue->count = 0;
    queue->drop = queue->busy;
}

int speech_pending()
{
    if (!queue)
        return 0;
    std::lock_guard<std::mutex> hold(queue->lock);
    return queue->count + queue->busy;
}

void speakstring(const char *cs)
{
    char s[MAX_STR];
    C_to_C(cs, s);   // cut to 399 characters
    C_to_C(s, atc.response);
    if (atc.text_out)
        atc.response_timeout = msc.tottime + atc_text_seconds(s);
    ins.reply_time1 = msc.tottime;
    ins.reply_time2 = msc.tottime + LAMP_S_PER_CHAR * (float)strlen(s);
    char speech[MAX_STR];
    speech_text(s, speech);
    if (voice_heard())
        queue_speech(speech);
}

void atc_set_voice_out(int on)
{
    atc.voice_out = on != 0;
    if (!atc.voice_out) {
        forget_queued();
        stop_speech();
    }
}

void atc_set_text_out(int on)
{
    atc.text_out = on != 0;
    if (!atc.text_out)
        atc.response_timeout = 0.0f;
}
