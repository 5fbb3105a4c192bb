// A stereo track that loops: notes are mixed in at their start time, and whatever rings on past the
// end is wrapped round onto the beginning, so the last bar flows into the first.
#pragma once

#include <functional>
#include <vector>

class LoopMix {
public:
    LoopMix(int rate, float seconds);

    int rate() const { return _rate; }
    // Mixes seconds of sound(t) in from start, placed between left (-1) and right (+1).
    void add(float start, float seconds, float pan, const std::function<float(float t)>& sound);
    // Left and right samples interleaved, scaled so the loudest is at peak.
    std::vector<float> interleaved(float peak) const;

private:
    int _rate;
    std::vector<float> _left, _right;
};
