// Decoding of WAV and MP3 files into OpenAL buffers.
#pragma once

#include <AL/al.h>
#include <string>

// A new buffer holding the file's samples, mixed down to one channel when mono is asked (OpenAL
// places only one-channel sounds in space); 0 when the file cannot be read or decoded.
ALuint loadSoundBuffer(const std::string& path, bool mono);
