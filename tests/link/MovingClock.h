// Moves a test's manual clock on from a thread of its own while the code
// under test is blocked in an exchange on the test's thread: a time-out of
// minutes passes in a fraction of a second of real time.
#pragma once

#include "platform/base/TestServices.h"

#include <atomic>
#include <chrono>
#include <thread>

class MovingClock
{
public:
    // `step` milliseconds of the clock per millisecond of real time.
    MovingClock(ManualClock& clock, DWORD step)
        : m_thread([this, &clock, step] {
            while (!m_stop) {
                clock.Advance(step);
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        })
    {
    }
    ~MovingClock()
    {
        m_stop = true;
        m_thread.join();
    }
    MovingClock(const MovingClock&) = delete;
    MovingClock& operator=(const MovingClock&) = delete;

private:
    std::atomic<bool> m_stop { false };
    std::thread m_thread;
};
