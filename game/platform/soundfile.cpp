// Decoding of WAV and MP3 files into OpenAL buffers.
#include "platform/soundfile.h"

#include <sndfile.h>
#include <vector>

namespace {

std::vector<short> mixDown(const std::vector<short>& frames, int channels)
{
    std::vector<short> mono(frames.size() / channels);
    for (size_t i = 0; i < mono.size(); ++i) {
        long sum = 0;
        for (int c = 0; c < channels; ++c)
            sum += frames[i * channels + c];
        mono[i] = static_cast<short>(sum / channels);
    }
    return mono;
}

}

ALuint loadSoundBuffer(const std::string& path, bool mono)
{
    SF_INFO info = {};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file)
        return 0;
    std::vector<short> samples;
    if (info.channels > 0 && info.frames > 0) {
        samples.resize(static_cast<size_t>(info.frames) * info.channels);
        sf_count_t read = sf_readf_short(file, samples.data(), info.frames);
        samples.resize(static_cast<size_t>(read) * info.channels);
    }
    sf_close(file);
    if (samples.empty())
        return 0;
    int channels = info.channels;
    if (channels > 2 || (mono && channels > 1)) {
        samples = mixDown(samples, channels);
        channels = 1;
    }
    ALuint buffer = 0;
    alGetError();
    alGenBuffers(1, &buffer);
    if (alGetError() != AL_NO_ERROR)
        return 0;
    alBufferData(buffer, channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16, samples.data(),
                 static_cast<ALsizei>(samples.size() * sizeof(short)), info.samplerate);
    if (alGetError() != AL_NO_ERROR) {
        alDeleteBuffers(1, &buffer);
        return 0;
    }
    return buffer;
}
