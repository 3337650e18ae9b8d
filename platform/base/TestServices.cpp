#include "platform/base/TestServices.h"

void ScriptedMessageBoxPresenter::Answer(int answer)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_script.push_back(answer);
}

int ScriptedMessageBoxPresenter::Show(HWND owner, const CString& text, const CString& caption, UINT type)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_boxes.push_back({ owner, text, caption, type, MessageBoxButtons(type) });
    if (m_script.empty())
        return MessageBoxDefaultAnswer(type);
    int answer = m_script.front();
    m_script.pop_front();
    return answer;
}

std::vector<ScriptedMessageBoxPresenter::Shown> ScriptedMessageBoxPresenter::Boxes() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_boxes;
}

void ScriptedMessageBoxPresenter::Clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_boxes.clear();
    m_script.clear();
}

DWORD ManualClock::GetTickCount()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_tick;
}

time_t ManualClock::Now()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_now + time_t(m_elapsed / 1000);
}

void ManualClock::Advance(DWORD milliseconds)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_tick += milliseconds;
        m_elapsed += milliseconds;
    }
    NotifyClockAdvanced();
}

void ManualClock::SetNow(time_t now)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_now = now;
    m_elapsed = 0;
}

bool RecordingProcessControl::StartDetached(const std::string& program, const std::vector<std::string>& args)
{
    started.push_back({ program, args });
    return startResult;
}

void RecordingProcessControl::Exit(int code)
{
    exitCodes.push_back(code);
}
