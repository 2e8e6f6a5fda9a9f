// Building WAVE files byte by byte for the sound tests: a RIFF header, a
// "fmt " chunk and a "data" chunk, with room for odd chunks between.
#pragma once
#include <cstdint>
#include <string>

namespace wave_bytes {

inline std::string le16(unsigned v) { return {(char)(v & 255), (char)(v >> 8 & 255)}; }
inline std::string le32(uint32_t v) { return le16(v & 0xffff) + le16(v >> 16); }

inline std::string chunk(const std::string &id, const std::string &body)
{
    std::string c = id + le32((uint32_t)body.size()) + body;
    if (body.size() & 1)
        c += '\0';
    return c;
}

inline std::string fmt_chunk(unsigned tag, unsigned channels, uint32_t rate_hz, unsigned bits)
{
    unsigned align = channels * bits / 8;
    return chunk("fmt ", le16(tag) + le16(channels) + le32(rate_hz) + le32(rate_hz * align) + le16(align) +
                             le16(bits));
}

inline std::string riff(const std::string &chunks) { return "RIFF" + le32((uint32_t)(4 + chunks.size())) + "WAVE" + chunks; }

// 16-bit samples, one per frame and channel, interleaved.
inline std::string samples16(const int16_t *s, int n)
{
    std::string d;
    for (int i = 0; i < n; i++)
        d += le16((uint16_t)s[i]);
    return d;
}

// A plain PCM file of `nframes` frames that all hold `value`.
inline std::string constant_wave(int16_t value, int nframes, uint32_t rate_hz = 22050, unsigned channels = 1)
{
    std::string d;
    for (int i = 0; i < nframes * (int)channels; i++)
        d += le16((uint16_t)value);
    return riff(fmt_chunk(1, channels, rate_hz, 16) + chunk("data", d));
}

}  // namespace wave_bytes
