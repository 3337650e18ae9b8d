// Test implementations of the services: a scripted message box presenter,
// a clock that moves only when told, and recorders for the process,
// network and locale services. Install them with ScopedService.
#pragma once

#include "platform/base/Services.h"

#include <deque>
#include <functional>
#include <mutex>

class PLATFORM_API ScriptedMessageBoxPresenter : public IMessageBoxPresenter
{
public:
    struct Shown {
        HWND owner;
        CString text;
        CString caption;
        UINT type;
        std::vector<int> buttons; // the answers the box offered
    };
    // Queues the answer to the next box; without a queued answer a box is
    // answered with its default button.
    void Answer(int answer);
    int Show(HWND owner, const CString& text, const CString& caption, UINT type) override;
    std::vector<Shown> Boxes() const;
    void Clear();

private:
    mutable std::mutex m_mutex;
    std::deque<int> m_script;
    std::vector<Shown> m_boxes;
};

// Starts at tick 0 and 2000-01-01 00:00:00 UTC. Sleep advances the clock.
class PLATFORM_API ManualClock : public IClock
{
public:
    DWORD GetTickCount() override;
    time_t Now() override;
    void Sleep(DWORD milliseconds) override { Advance(milliseconds); }
    bool IsManual() const override { return true; }
    // Moves the clock on; timers that fall due are queued as WM_TIMER.
    void Advance(DWORD milliseconds);
    void SetNow(time_t now);

private:
    std::mutex m_mutex;
    DWORD m_tick = 0;
    time_t m_now = 946684800;
    uint64_t m_elapsed = 0;
};

class PLATFORM_API RecordingProcessControl : public IProcessControl
{
public:
    struct Started {
        std::string program;
        std::vector<std::string> args;
    };
    bool StartDetached(const std::string& program, const std::vector<std::string>& args) override;
    // Records the code; the caller goes on, so a test sees what follows.
    void Exit(int code) override;
    std::vector<Started> started;
    std::vector<int> exitCodes;
    bool startResult = true;
};

class PLATFORM_API FixedNetworkEnvironment : public INetworkEnvironment
{
public:
    std::vector<AdapterInfo> GetAdapters() override { return adapters; }
    std::vector<uint32_t> BroadcastTargets(uint32_t address) override
    {
        return broadcastTargets.empty() ? std::vector<uint32_t> { address } : broadcastTargets;
    }
    std::vector<AdapterInfo> adapters;
    std::vector<uint32_t> broadcastTargets; // host order, e.g. 0x7F000001
};

class PLATFORM_API FixedLocale : public ILocale
{
public:
    FixedLocale(WORD langId, std::string name) { info = { langId, std::move(name) }; }
    LocaleInfo SystemDefault() override { return info; }
    LocaleInfo info;
};
