// Every media file the game loads, at the name and folder it uses, read back the way the game reads
// it: meshes and textures through the engine, sounds through libsndfile.
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <irrlicht.h>
#include <map>
#include <sndfile.h>

#include "generators/music.h"
#include "generators/sounds.h"
#include "support/EngineTest.h"

namespace {

const std::string Media = std::string(SATLINK_BUILD_DIR) + "/media/";

const char* const Meshes[] = {"tablechair.3DS", "shtangentzcirkul.3DS", "ninja.b3d", "freebeast/spider.b3d", "gun/Pilum.3ds",
                              "gun/hand.obj",   "sniper.ms3d",          "super.md2"};

const char* const Textures[] = {
    "skydome2.jpg", "quadro.JPG",    "oksign.png",    "badsign.png", "snowflake.bmp", "snowflake.jpg",
    "stdBullet.bmp", "sniper.jpg",   "hand.jpg",      "freebeast/beast3.jpg", "WayPoint.bmp", "selected1.bmp",
    "selected2.bmp", "line1.bmp",    "line2.bmp",     "portal1.bmp", "portal2.bmp",   "portal3.bmp",
    "portal4.bmp",  "portal5.bmp",   "portal6.bmp",   "portal7.bmp", "nskinbl.jpg",   "super.pcx"};

// Every sound the generator writes: its effects and the music.
std::vector<std::string> soundFiles()
{
    std::vector<std::string> files = soundEffectFiles();
    files.push_back(MusicFile);
    return files;
}

struct SoundInfo {
    bool opened = false;
    SF_INFO info{};
    std::vector<float> samples;
};

SoundInfo readSound(const std::string& path)
{
    SoundInfo sound;
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &sound.info);
    if (!file)
        return sound;
    sound.opened = true;
    sound.samples.resize(static_cast<std::size_t>(sound.info.frames * sound.info.channels));
    sf_readf_float(file, sound.samples.data(), sound.info.frames);
    sf_close(file);
    return sound;
}

class MediaFilesTest : public EngineTest {};

}  // namespace

TEST_F(MediaFilesTest, EveryMeshLoadsWithItsTextures)
{
    for (const char* name : Meshes) {
        ASSERT_TRUE(std::filesystem::exists(Media + name)) << name;
        irr::scene::IAnimatedMesh* mesh = GSmgr->getMesh((Media + name).c_str());
        ASSERT_NE(mesh, nullptr) << name;
        irr::scene::IMesh* frame = mesh->getMesh(0);
        ASSERT_GT(frame->getMeshBufferCount(), 0u) << name;
        for (irr::u32 b = 0; b < frame->getMeshBufferCount(); ++b)
            EXPECT_GT(frame->getMeshBuffer(b)->getIndexCount(), 0u) << name;
    }
    // The models that name their own texture find it where it was written.
    for (const char* name : {"tablechair.3DS", "shtangentzcirkul.3DS", "ninja.b3d", "gun/hand.obj"}) {
        irr::scene::IMesh* frame = GSmgr->getMesh((Media + name).c_str())->getMesh(0);
        bool textured = false;
        for (irr::u32 b = 0; b < frame->getMeshBufferCount(); ++b)
            textured = textured || frame->getMeshBuffer(b)->getMaterial().getTexture(0) != nullptr;
        EXPECT_TRUE(textured) << name;
    }
}

TEST_F(MediaFilesTest, EveryTextureLoads)
{
    for (const char* name : Textures) {
        ASSERT_TRUE(std::filesystem::exists(Media + name)) << name;
        irr::video::IImage* image = GDriver->createImageFromFile((Media + name).c_str());
        ASSERT_NE(image, nullptr) << name;
        EXPECT_GE(image->getDimension().Width, 16u) << name;
        image->drop();
    }
    irr::video::IImage* picture = GDriver->createImageFromFile((Media + "quadro.JPG").c_str());
    EXPECT_NEAR(static_cast<float>(picture->getDimension().Width) / picture->getDimension().Height, 4.4f, 0.05f);
    picture->drop();
}

TEST_F(MediaFilesTest, AnswerSignsAreRoundBadgesOnTransparentGround)
{
    for (const char* name : {"oksign.png", "badsign.png"}) {
        irr::video::IImage* sign = GDriver->createImageFromFile((Media + name).c_str());
        ASSERT_NE(sign, nullptr);
        EXPECT_EQ(sign->getColorFormat(), irr::video::ECF_A8R8G8B8) << name;
        EXPECT_EQ(sign->getPixel(2, 2).getAlpha(), 0u) << name;
        EXPECT_EQ(sign->getPixel(128, 40).getAlpha(), 255u) << name;
        sign->drop();
    }
    irr::video::IImage* ok = GDriver->createImageFromFile((Media + "oksign.png").c_str());
    irr::video::IImage* bad = GDriver->createImageFromFile((Media + "badsign.png").c_str());
    EXPECT_GT(ok->getPixel(128, 40).getGreen(), ok->getPixel(128, 40).getRed());
    EXPECT_GT(bad->getPixel(128, 40).getRed(), bad->getPixel(128, 40).getGreen());
    ok->drop();
    bad->drop();
}

TEST_F(MediaFilesTest, EverySoundOpensInTheSoundFolder)
{
    const std::vector<std::string> files = soundFiles();
    ASSERT_EQ(files.size(), 14u);
    for (const std::string& name : files) {
        const SoundInfo sound = readSound(Media + "Sound/" + name);
        ASSERT_TRUE(sound.opened) << name;
        EXPECT_GT(sound.info.frames, sound.info.samplerate / 10) << name;
        float loudest = 0.0f;
        for (float s : sound.samples)
            loudest = std::max(loudest, std::abs(s));
        EXPECT_GT(loudest, 0.3f) << name;
    }
}

TEST_F(MediaFilesTest, MusicIsAStereoMinuteThatLoops)
{
    const SoundInfo music = readSound(Media + "Sound/" + MusicFile);
    ASSERT_TRUE(music.opened);
    EXPECT_EQ(music.info.channels, 2);
    EXPECT_GE(music.info.frames / music.info.samplerate, 60);
    const SoundInfo cry = readSound(Media + "Sound/monster.wav");
    EXPECT_LT(std::abs(cry.samples.front() - cry.samples.back()), 0.1f);
}

// The game mounts the media folder ignoring paths and case, so no two files may share a base name.
TEST_F(MediaFilesTest, BaseNamesAreUniqueAcrossTheTree)
{
    std::map<std::string, std::string> seen;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(Media)) {
        if (!entry.is_regular_file())
            continue;
        std::string base = entry.path().filename().string();
        std::transform(base.begin(), base.end(), base.begin(), [](unsigned char c) { return std::tolower(c); });
        const auto [it, fresh] = seen.emplace(base, entry.path().string());
        EXPECT_TRUE(fresh) << entry.path() << " and " << it->second;
    }
}
