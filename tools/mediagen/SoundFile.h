// Writes synthesised sound through libsndfile: 16-bit PCM for .wav, MPEG layer III for .mp3 (by the
// file's extension). Samples are floats in [-1, 1], interleaved when there are two channels.
#pragma once

#include <string>
#include <vector>

// Throws when libsndfile refuses the file or the format.
void saveSound(const std::string& path, const std::vector<float>& samples, int rate, int channels = 1);
