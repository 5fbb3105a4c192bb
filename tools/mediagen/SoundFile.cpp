// Sound files written through libsndfile.
#include "SoundFile.h"

#include <sndfile.h>
#include <stdexcept>

namespace {

bool isMp3(const std::string& path)
{
    return path.size() > 4 && path.compare(path.size() - 4, 4, ".mp3") == 0;
}

void configureMp3(SNDFILE* file)
{
    // Both must be set before the first write, the compression level first.
    double level = 0.3;
    sf_command(file, SFC_SET_COMPRESSION_LEVEL, &level, sizeof level);
    int mode = SF_BITRATE_MODE_CONSTANT;
    sf_command(file, SFC_SET_BITRATE_MODE, &mode, sizeof mode);
}

}  // namespace

void saveSound(const std::string& path, const std::vector<float>& samples, int rate, int channels)
{
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = isMp3(path) ? (SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III) : (SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file)
        throw std::runtime_error("cannot write sound " + path + ": " + sf_strerror(nullptr));
    if (isMp3(path))
        configureMp3(file);
    // Stereo MP3 written as shorts comes out garbled in libsndfile 1.2.0; floats are fine.
    const sf_count_t frames = static_cast<sf_count_t>(samples.size()) / channels;
    const sf_count_t written = sf_writef_float(file, samples.data(), frames);
    sf_close(file);
    if (written != frames)
        throw std::runtime_error("cannot write sound " + path);
}
