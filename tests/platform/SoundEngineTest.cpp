// Tests of the sound layer on OpenAL's silent null device, with WAV and MP3 files written here.
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sndfile.h>
#include <thread>
#include <vector>

#include "platform/SoundEngine.h"
#include "support/TempDirTest.h"

namespace {

// A short tone in the given format; returns false when the format cannot be written here.
bool writeTone(const std::string& path, int format, int channels, double seconds)
{
    SF_INFO info = {};
    info.samplerate = 22050;
    info.channels = channels;
    info.format = format;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file)
        return false;
    std::vector<float> samples(static_cast<size_t>(seconds * info.samplerate) * channels);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = 0.5f * static_cast<float>(std::sin(i * 0.1));
    sf_writef_float(file, samples.data(), static_cast<sf_count_t>(samples.size() / channels));
    sf_close(file);
    return true;
}

class SoundTempDirTest : public TempDirTest {
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        folder = makeTempDir();
        std::filesystem::create_directories(folder + "/Media/Sound");
        wav = folder + "/Media/Sound/Tiro.wav";
        mp3 = folder + "/Media/Sound/musica.mp3";
        ASSERT_TRUE(writeTone(wav, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 0.05));
        ASSERT_TRUE(writeTone(mp3, SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 2, 0.5));
        engine = SoundEngine::create();
        ASSERT_NE(engine, nullptr) << "ALSOFT_DRIVERS=null gives a silent device";
    }

    void TearDown() override
    {
        if (engine)
            engine->drop();
        TempDirTest::TearDown();
    }

    // Waits for the condition, up to thirty seconds (a bound for a loaded machine; the sounds here last
    // half a second at most), updating the engine as the game does every frame.
    bool waitFor(const std::function<bool()>& condition)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        for (engine->update(); !condition(); engine->update()) {
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return true;
    }

    bool allVoicesEnd()
    {
        return waitFor([this] { return engine->voiceCount() == 0; });
    }

    // Plays the file once through, unlooped, and waits for its end: the time a sound of it takes.
    void playThrough(const std::string& file)
    {
        Sound* once = engine->play2D(file.c_str(), false, false, true);
        ASSERT_NE(once, nullptr);
        EXPECT_TRUE(waitFor([once] { return once->isFinished(); }));
        once->drop();
    }

    std::string folder, wav, mp3;
    SoundEngine* engine = nullptr;
};

}

TEST_F(SoundTempDirTest, MusicPlaysLoopedAndTrackedUntilStopped)
{
    Sound* music = engine->play2D(mp3.c_str(), true, false, true);
    ASSERT_NE(music, nullptr);
    music->setVolume(0.1f);
    playThrough(mp3);
    EXPECT_FALSE(music->isFinished()) << "a looped sound outlives its file's length";
    music->stop();
    EXPECT_TRUE(music->isFinished());
    music->drop();
    EXPECT_TRUE(allVoicesEnd());
}

TEST_F(SoundTempDirTest, PositionalSoundWaitsPausedUntilStarted)
{
    Sound* sound = engine->play3D(wav.c_str(), irr::core::vector3df(10, 0, 20), false, true);
    ASSERT_NE(sound, nullptr);
    EXPECT_TRUE(sound->getIsPaused());
    playThrough(wav);
    EXPECT_FALSE(sound->isFinished());
    sound->setMinDistance(1000.0f);
    sound->setIsPaused(false);
    EXPECT_FALSE(sound->getIsPaused());
    sound->drop();
    EXPECT_TRUE(allVoicesEnd());
}

TEST_F(SoundTempDirTest, UntrackedUnpausedPlayReturnsNothingAndEndsOnItsOwn)
{
    EXPECT_EQ(engine->play3D(wav.c_str(), irr::core::vector3df(), false, false, false), nullptr);
    EXPECT_EQ(engine->voiceCount(), 1u);
    EXPECT_TRUE(allVoicesEnd());
}

TEST_F(SoundTempDirTest, PreloadedSourcePlaysManyShots)
{
    SoundSource* shot = engine->addSoundSourceFromFile(mp3.c_str(), true);
    ASSERT_NE(shot, nullptr);
    shot->setDefaultMinDistance(100.0f);
    EXPECT_EQ(engine->addSoundSourceFromFile(mp3.c_str(), true), shot);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(engine->play3D(shot, irr::core::vector3df(1, 2, 3)), nullptr);
    EXPECT_EQ(engine->voiceCount(), 3u);
    EXPECT_TRUE(allVoicesEnd());
}

TEST_F(SoundTempDirTest, GameStylePathsFindTheFile)
{
    std::string gamePath = folder + "\\media\\sound\\tiro.WAV";
    Sound* sound = engine->play3D(gamePath.c_str(), irr::core::vector3df(), false, true);
    ASSERT_NE(sound, nullptr);
    sound->drop();
}

TEST_F(SoundTempDirTest, UnreadableFilesPlayNothing)
{
    std::string text = folder + "/not-a-sound.wav";
    std::ofstream(text) << "plain text";
    EXPECT_EQ(engine->play2D((folder + "/missing.wav").c_str(), false, true, true), nullptr);
    EXPECT_EQ(engine->play3D(text.c_str(), irr::core::vector3df(), false, true), nullptr);
    EXPECT_EQ(engine->addSoundSourceFromFile(text.c_str()), nullptr);
    EXPECT_EQ(engine->play3D(static_cast<SoundSource*>(nullptr), irr::core::vector3df()), nullptr);
    EXPECT_EQ(engine->voiceCount(), 0u);
}

TEST_F(SoundTempDirTest, SoundsHeldPastTheEngineStaySafe)
{
    Sound* held = engine->play2D(wav.c_str(), true, false, true);
    ASSERT_NE(held, nullptr);
    engine->drop();
    engine = nullptr;
    held->setVolume(0.5f);
    held->setIsPaused(true);
    held->stop();
    EXPECT_TRUE(held->isFinished());
    held->drop();
}
