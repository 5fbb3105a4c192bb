// Per-frame costs, as wall time and as this thread's own processor time: on a busy machine the wall
// time takes in whatever else ran meanwhile, the processor time only what the frame itself cost.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

class FrameCosts {
public:
    void start()
    {
        _wallStart = std::chrono::steady_clock::now();
        _processorStart = threadMicroseconds();
    }
    void stop()
    {
        _processor.push_back(threadMicroseconds() - _processorStart);
        _wall.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - _wallStart).count());
    }
    void print()
    {
        print("processor time", _processor);
        print("wall time", _wall);
    }

private:
    static double threadMicroseconds()
    {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return now.tv_sec * 1e6 + now.tv_nsec / 1e3;
    }
    static void print(const char* what, std::vector<double> us)
    {
        std::sort(us.begin(), us.end());
        double sum = 0;
        for (double c : us)
            sum += c;
        const size_t n = us.size();
        std::printf("  %-15s mean %6.1f us, median %6.1f us, 99th percentile %7.1f us, worst %8.1f us\n",
                    what, sum / n, us[n / 2], us[n * 99 / 100], us.back());
    }

    std::chrono::steady_clock::time_point _wallStart;
    double _processorStart = 0;
    std::vector<double> _wall, _processor;
};
