// One connection to the simulated DVR's stream port: live, PTZ and playback
// requests may all arrive on it; frames go out as the state allows.
#pragma once

#include "sim/DvrStreamServer.h"

#include <chrono>

namespace sim
{

class DvrStreamSession
{
public:
    DvrStreamSession(DvrStreamServer& server, int fd, int connection, int stopFd);
    void Run();

private:
    using Clock = std::chrono::steady_clock;

    // False when the connection is to end.
    bool Handle(uint16_t id, const Bytes& body);
    bool HandleLive(uint16_t id, const Bytes& body, bool* handled);
    bool HandlePtz(uint16_t id, const Bytes& body, bool* handled);
    bool HandlePlayback(uint16_t id, const Bytes& body, bool* handled);
    bool PlayControl(const Bytes& body);
    // The reply to request `id` (its id + 0x100), through the request's fault.
    bool Reply(uint16_t id, uint16_t status, const Bytes& body = {});
    // Sends a whole message, applying the fault set for `faultId`.
    bool Send(uint16_t faultId, Bytes message);
    bool SendNextLiveFrame();
    bool SendNextPlaybackFrame();
    int WaitMs() const;

    DvrStreamServer& m_server;
    int m_fd;
    int m_connection;
    int m_stopFd;
    uint16_t m_lastStatus = 0;
    bool m_replied = false;

    bool m_loggedIn = false;
    std::vector<int> m_channels;
    size_t m_nextChannel = 0;
    int m_credit = 0;
    uint32_t m_sequence = 0;
    int m_phase = 0; // video, then audio and text when asked

    enum class Play { Stopped, Playing, Paused };
    bool m_pbLoggedIn = false;
    Play m_play = Play::Stopped;
    int m_pbChannel = 1;
    uint32_t m_pbIndex = 0; // next recorded frame
    Clock::time_point m_pbDue {};
};

} // namespace sim
