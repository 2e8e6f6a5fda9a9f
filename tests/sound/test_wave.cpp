// The WAVE reader: what it accepts, the message and path of each refusal,
// the samples it hands the mixer, and damaged files that must be refused
// cleanly, never read past their end.
#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <vector>

#include "tests/common/fatal_catch.h"
#include "tests/common/mutation.h"
#include "tests/sound/wave_bytes.h"
#include "sound/sound.h"

using namespace wave_bytes;

namespace {

int parse(const std::string &f, WaveInfo *w)
{
    return parse_wave((const unsigned char *)f.data(), f.size(), w);
}

const std::string DATA4 = chunk("data", std::string("\x01\x00\x02\x00\x03\x00\x04\x00", 8));

TEST(WaveParse, FindsFormatAndDataPastOtherChunks)
{
    WaveInfo w;
    // A list chunk of odd length (with its pad byte) before and between.
    std::string f = riff(chunk("LIST", "abcde") + fmt_chunk(1, 1, 22050, 16) + chunk("fact", "xyz") + DATA4);
    ASSERT_EQ(parse(f, &w), WAVE_OK);
    EXPECT_EQ(w.channels, 1);
    EXPECT_EQ(w.bits, 16);
    EXPECT_EQ(w.rate_hz, 22050);
    EXPECT_EQ(w.data_bytes, 8u);
    EXPECT_EQ(w.nframes, 4u);
    EXPECT_EQ(f.substr(w.data_at, 2), std::string("\x01\x00", 2));
    // Stereo 8-bit: two bytes a frame.
    ASSERT_EQ(parse(riff(fmt_chunk(1, 2, 11025, 8) + DATA4), &w), WAVE_OK);
    EXPECT_EQ(w.nframes, 4u);
    // A form size that overstates the file (left by streaming writers).
    std::string over = riff(fmt_chunk(1, 1, 22050, 16) + DATA4);
    over.replace(4, 4, le32(1000000));
    EXPECT_EQ(parse(over, &w), WAVE_OK);
    // A trailing byte that does not make a whole frame is left out.
    ASSERT_EQ(parse(riff(fmt_chunk(1, 1, 22050, 16) + chunk("data", "abc")), &w), WAVE_OK);
    EXPECT_EQ(w.nframes, 1u);
}

TEST(WaveParse, RefusesEachKindOfBadFile)
{
    const std::string FMT = fmt_chunk(1, 1, 22050, 16);
    struct Case {
        std::string file;
        int result;
    } cases[] = {
        {"", WAVE_NOT_WAVE},
        {"RIFF\x04\x00\x00\x00WAV", WAVE_NOT_WAVE},
        {"RIFX" + le32(4) + "WAVE", WAVE_NOT_WAVE},
        {"RIFF" + le32(4) + "AVI ", WAVE_NOT_WAVE},
        {riff(DATA4), WAVE_CORRUPT},
        {riff(chunk("fmt ", std::string(14, '\1')) + DATA4), WAVE_FMT_UNREADABLE},
        {riff(FMT).substr(0, 30), WAVE_FMT_UNREADABLE},
        {riff(fmt_chunk(3, 1, 22050, 32) + DATA4), WAVE_NOT_PCM},
        {riff(fmt_chunk(0xfffe, 1, 22050, 16) + DATA4), WAVE_NOT_PCM},
        {riff(FMT), WAVE_NO_DATA_CHUNK},
        {riff(FMT + "LIST" + le32(0xffffffffu) + "x" + DATA4), WAVE_NO_DATA_CHUNK},
        {riff(FMT + chunk("data", "")), WAVE_EMPTY_DATA},
        {riff(FMT + "data" + le32(100) + "short"), WAVE_DATA_UNREADABLE},
        {riff(FMT + "data" + le32(0xffffffffu) + "short"), WAVE_TOO_BIG},
        {riff(fmt_chunk(1, 1, 22050, 24) + DATA4), WAVE_UNPLAYABLE},
        {riff(fmt_chunk(1, 3, 22050, 16) + DATA4), WAVE_UNPLAYABLE},
        {riff(fmt_chunk(1, 0, 22050, 16) + DATA4), WAVE_UNPLAYABLE},
        {riff(fmt_chunk(1, 1, 50, 16) + DATA4), WAVE_UNPLAYABLE},
        {riff(fmt_chunk(1, 1, 0xffffffffu, 16) + DATA4), WAVE_UNPLAYABLE},
        {riff(fmt_chunk(1, 2, 22050, 16) + chunk("data", "ab")), WAVE_UNPLAYABLE},
    };
    for (const Case &c : cases) {
        WaveInfo w;
        EXPECT_EQ(parse(c.file, &w), c.result) << "case " << &c - cases;
    }
}

class WaveLoad : public UserFolderTest {
  protected:
    std::string write(const std::string &name, const std::string &bytes)
    {
        std::ofstream(path(name), std::ios::binary) << bytes;
        return path(name);
    }
    FatalExit load_fails(const std::string &file, int index = 3)
    {
        try {
            load_wave(file.c_str(), index);
        } catch (const FatalExit &e) {
            return e;
        }
        ADD_FAILURE() << "loaded " << file;
        return {};
    }
    void TearDown() override
    {
        dispose_sound();
        UserFolderTest::TearDown();
    }
};

TEST_F(WaveLoad, EachRefusalEndsTheProgramWithItsMessageAndPath)
{
    FatalExit e = load_fails(path("missing.wav"));
    EXPECT_EQ(e.s1, "Failed to open sound file:");
    EXPECT_EQ(e.s2, path("missing.wav"));
    EXPECT_EQ(e.s3, "Make sure the sounds are in the folder called 'sounds'.");
    EXPECT_EQ(e.s4, "If you messed up the sounds, install Vortan again to restore them.");

    std::string f = write("float.wav", riff(fmt_chunk(3, 1, 22050, 32) + DATA4));
    e = load_fails(f);
    EXPECT_EQ(e.s1, "The sound file is not a PCM file.");
    EXPECT_EQ(e.s2, f);
    e = load_fails(write("cut.wav", riff(fmt_chunk(1, 1, 22050, 16) + "data" + le32(100) + "ab")));
    EXPECT_EQ(e.s1, "Failed to read data chunk opeing sound.");
    e = load_fails(write("text.wav", "just some text\n"));
    EXPECT_EQ(e.s1, "This is not a WAVE file.");
    // A format the mixer can't play is a buffer that can't be made.
    e = load_fails(write("24bit.wav", riff(fmt_chunk(1, 1, 22050, 24) + DATA4)), 17);
    EXPECT_EQ(e.s1, "Direct Sound Buffer Creation Failed");
    EXPECT_EQ(e.s2, "17");
    // A failed load leaves the buffer as it was.
    EXPECT_EQ(sound_state(3).nframes, 0);
}

TEST_F(WaveLoad, SamplesBecomeSigned16Bit)
{
    // 8-bit samples are unsigned around 128.
    std::string f = write("u8.wav", riff(fmt_chunk(1, 2, 11025, 8) + chunk("data", std::string("\x80\xff\x00\x81", 4))));
    load_wave(f.c_str(), SND_DOT);
    SoundState s = sound_state(SND_DOT);
    EXPECT_EQ(s.nframes, 2);
    EXPECT_EQ(s.channels, 2);
    EXPECT_EQ(s.file_rate_hz, 11025);
    EXPECT_EQ(s.rate_hz, 11025);   // plays at its own rate until told otherwise
    EXPECT_EQ(s.att, 0);
    EXPECT_EQ(s.pan, 0);
    EXPECT_EQ(s.playing, 0);

    const int16_t pcm[] = {-32768, 32767, -1};
    load_wave(write("s16.wav", riff(fmt_chunk(1, 1, 22050, 16) + chunk("data", samples16(pcm, 3)))).c_str(), SND_DASH);
    EXPECT_EQ(sound_state(SND_DASH).nframes, 3);
}

// Damaged copies of a good file: the reader must refuse them or hand back
// bounds inside the file, never read beyond it (the sanitizers watch).
TEST(WaveMutation, DamagedFilesAreRefusedOrBounded)
{
    std::vector<int16_t> pcm(300);
    for (size_t i = 0; i < pcm.size(); i++)
        pcm[i] = (int16_t)(i * 97);
    const std::string good =
        riff(chunk("LIST", "INFOISFT") + fmt_chunk(1, 1, 22050, 16) + chunk("data", samples16(pcm.data(), 300)));
    std::mt19937 rng(mutation::scaled_seed(8101));
    int cases = mutation::scaled_cases(4000), loaded = 0;
    for (int n = 0; n < cases; n++) {
        std::string f = good;
        // Text damage from the shared generator, or a size field set to an
        // edge value: either chunk header or the form's.
        if (rng() % 2) {
            f = mutation::mutate(f, rng, {});
        } else {
            static const uint32_t EDGES[] = {0, 1, 15, 16, 17, 0x7fffffff, 0x80000000u, 0xfffffff0u, 0xffffffffu};
            const size_t SIZE_FIELDS[] = {4, 16, 32, 40, 60};
            f.replace(SIZE_FIELDS[rng() % 5], 4, le32(EDGES[rng() % 9]));
        }
        WaveInfo w;
        // A copy exactly as long as the file, so that any read past it is caught.
        std::vector<unsigned char> bytes(f.begin(), f.end());
        if (parse_wave(bytes.data(), bytes.size(), &w) != WAVE_OK)
            continue;
        loaded++;
        ASSERT_LE(w.data_at + w.data_bytes, bytes.size());
        ASSERT_LE(w.nframes * w.channels * (w.bits / 8), w.data_bytes);
        ASSERT_GT(w.nframes, 0u);
    }
    EXPECT_GT(loaded, cases / 20);   // the damage is not all fatal
}

}  // namespace
