// Reading the program's WAVE files: the RIFF form, its "fmt " and "data"
// chunks, every size checked against the bytes there are, and the samples
// converted to the 16-bit form the mixer plays.
#include <cstdio>
#include <cstring>

#include "sound/local.h"

namespace {

// The messages of each failure, in WaveResult order.
const char *const WAVE_MESSAGES[] = {
    "", "This is not a WAVE file.", "WAVE file is corrupted.", "Out of memory opening sound.",
    "Failed to read format chunk opening sound.", "The sound file is not a PCM file.",
    "WAVE file has no data chunk.", "The sound-file data chunk has no data.",
    "Failed to read data chunk opeing sound.", "Direct Sound Buffer Creation Failed"};

constexpr size_t RIFF_HEADER_BYTES = 12;   // "RIFF", size, "WAVE"
constexpr size_t CHUNK_HEADER_BYTES = 8;   // id, size
constexpr size_t PCM_FORMAT_BYTES = 16;    // tag, channels, rate, byte rate, align, bits
constexpr int WAVE_FORMAT_PCM = 1;
// Room for chunks beside the samples (names, lists, padding).
constexpr long MAX_WAVE_FILE_BYTES = (long)MAX_WAVE_DATA_BYTES + 65536;

unsigned le16(const unsigned char *p) { return p[0] | (unsigned)p[1] << 8; }
size_t le32(const unsigned char *p)
{
    return p[0] | (size_t)p[1] << 8 | (size_t)p[2] << 16 | (size_t)p[3] << 24;
}

// Looks for chunk `id` among the chunks from `at` to `end`; its body starts
// at *body and declares *len bytes (which the caller checks against `end`).
int find_chunk(const unsigned char *b, size_t at, size_t end, const char *id, size_t *body, size_t *len)
{
    while (at + CHUNK_HEADER_BYTES <= end) {
        size_t n = le32(b + at + 4);
        if (memcmp(b + at, id, 4) == 0) {
            *body = at + CHUNK_HEADER_BYTES;
            *len = n;
            return 1;
        }
        at += CHUNK_HEADER_BYTES + n + (n & 1);   // chunks start on even bytes
    }
    return 0;
}

int check_playable(WaveInfo *w)
{
    if (w->channels < 1 || w->channels > 2 || (w->bits != 8 && w->bits != 16) ||
        w->rate_hz < SOUND_MIN_RATE_HZ || w->rate_hz > SOUND_MAX_RATE_HZ)
        return WAVE_UNPLAYABLE;
    w->nframes = w->data_bytes / (size_t)(w->channels * w->bits / 8);
    return w->nframes ? WAVE_OK : WAVE_UNPLAYABLE;
}

}   // namespace

int parse_wave(const unsigned char *b, size_t n, WaveInfo *w)
{
    memset(w, 0, sizeof *w);
    if (n < RIFF_HEADER_BYTES || memcmp(b, "RIFF", 4) != 0 || memcmp(b + 8, "WAVE", 4) != 0)
        return WAVE_NOT_WAVE;
    // Writers that stream often leave the form's size wrong: the file's end
    // bounds it.
    size_t end = le32(b + 4) + CHUNK_HEADER_BYTES;
    if (end > n)
        end = n;
    size_t fmt, fmt_len;
    if (!find_chunk(b, RIFF_HEADER_BYTES, end, "fmt ", &fmt, &fmt_len))
        return WAVE_CORRUPT;
    if (fmt_len < PCM_FORMAT_BYTES || fmt + PCM_FORMAT_BYTES > end)
        return WAVE_FMT_UNREADABLE;
    if (le16(b + fmt) != WAVE_FORMAT_PCM)
        return WAVE_NOT_PCM;
    w->channels = (int)le16(b + fmt + 2);
    w->rate_hz = (int)(le32(b + fmt + 4) & 0x7fffffff);
    w->bits = (int)le16(b + fmt + 14);
    size_t data;
    if (!find_chunk(b, fmt + fmt_len + (fmt_len & 1), end, "data", &data, &w->data_bytes))
        return WAVE_NO_DATA_CHUNK;
    if (w->data_bytes == 0)
        return WAVE_EMPTY_DATA;
    if (w->data_bytes > MAX_WAVE_DATA_BYTES)
        return WAVE_TOO_BIG;
    if (data + w->data_bytes > end)
        return WAVE_DATA_UNREADABLE;
    w->data_at = data;
    return check_playable(w);
}

namespace {

// The whole file into `bytes`; 0 when it can't be opened or is too big for
// a sound (then *too_big is set).
int read_file(const char *path, std::vector<unsigned char> *bytes, int *too_big)
{
    *too_big = 0;
    FILE *f = fopen(path, "rb");
    if (!f)
        return 0;
    long size = fseek(f, 0, SEEK_END) == 0 ? ftell(f) : -1;
    int ok = size >= 0 && size <= MAX_WAVE_FILE_BYTES && fseek(f, 0, SEEK_SET) == 0;
    if (ok) {
        bytes->resize((size_t)size);
        ok = fread(bytes->data(), 1, (size_t)size, f) == (size_t)size;
    }
    *too_big = size > MAX_WAVE_FILE_BYTES;
    fclose(f);
    return ok || *too_big;
}

// The samples as signed 16-bit (8-bit WAVE samples are unsigned).
void convert_samples(const unsigned char *p, const WaveInfo &w, std::vector<int16_t> *out)
{
    size_t n = w.nframes * (size_t)w.channels;
    out->resize(n);
    for (size_t i = 0; i < n; i++)
        (*out)[i] = w.bits == 8 ? (int16_t)((p[i] - 128) * 256) : (int16_t)le16(p + 2 * i);
}

[[noreturn]] void wave_failure(int result, const char *path, int sound_en)
{
    if (result == WAVE_UNPLAYABLE)
        MACIBM_numberexitalert(WAVE_MESSAGES[WAVE_UNPLAYABLE], sound_en);
    MACIBM_exitalert(WAVE_MESSAGES[result], path, "", "");
}

}   // namespace

void load_wave(const char *path, int sound_en)
{
    std::vector<unsigned char> bytes;
    int too_big;
    if (!read_file(path, &bytes, &too_big))
        MACIBM_exitalert("Failed to open sound file:", path,
                         "Make sure the sounds are in the folder called 'sounds'.",
                         "If you messed up the sounds, install Vortan again to restore them.");
    WaveInfo w;
    int result = too_big ? (int)WAVE_TOO_BIG : parse_wave(bytes.data(), bytes.size(), &w);
    if (result != WAVE_OK)
        wave_failure(result, path, sound_en);
    std::vector<int16_t> samples;
    convert_samples(bytes.data() + w.data_at, w, &samples);

    SoundBuffer *b = &snd_buf[sound_en];
    MACIBM_lock_audio();
    b->samples.swap(samples);
    b->channels = w.channels;
    b->nframes = (int)w.nframes;
    b->file_rate_hz = w.rate_hz;
    b->playing = 0;
    b->pos = 0.0;
    b->rate_hz = w.rate_hz;
    b->att = 0;
    b->pan = 0;
    snd_set_gains(b);
    MACIBM_unlock_audio();
}
