#include "controls/PreviewStream.h"

#include "controls/VideoPreviewWnd.h"
#include "link/CurrentDevice.h"
#include "platform/msg/Sync.h"
#include "stream/plinto/NetThread.h"
#include "stream/plinto/OstraOnNetCtrl.h"

#include <algorithm>
#include <cstring>

plinto::CNetThread* StartPreviewThread(DWORD waitMs)
{
    auto* thread = new plinto::CNetThread;
    if (thread->ResumeThread() == DWORD(-1)) {
        delete thread;
        return nullptr;
    }
    if (WaitForSingleObject(thread->m_hReadyEvent, waitMs) != WAIT_OBJECT_0 || !thread->m_pOnNetCtrl) {
        plinto::CNetThread::EndThread(thread, waitMs);
        return nullptr;
    }
    return thread;
}

bool StopPreviewThread(plinto::CNetThread*& pThread, DWORD waitMs)
{
    if (!pThread)
        return true;
    plinto::CNetThread* thread = pThread;
    pThread = nullptr;
    return plinto::CNetThread::EndThread(thread, waitMs) != FALSE;
}

plinto::tagReqServiceParm MakeServiceRequest(HWND owner, BYTE channel, DWORD streamSetting)
{
    plinto::tagReqServiceParm request {};
    request.nOwnerIsThread = 0;
    request.hOwner = reinterpret_cast<DWORD_PTR>(owner);
    std::memcpy(request.szIpAddr, g_CurrentDevice.szAddress, sizeof request.szIpAddr);
    std::strncpy(request.szUserName, "admin", sizeof request.szUserName);
    std::memcpy(request.szPassword, g_strDevicePassword.data(),
        std::min(g_strDevicePassword.size(), sizeof request.szPassword));
    request.byChannel = channel;
    request.byParm1 = 2;
    request.byParm2 = 2;
    request.dwParm3 = streamSetting;
    request.dwParm4 = streamSetting;
    request.wParm5 = 0;
    return request;
}

CPreviewStream::CPreviewStream()
    : m_pFrame(std::make_unique<plinto::tagONLINEFRAME>())
{
}

CPreviewStream::~CPreviewStream()
{
    End();
}

bool CPreviewStream::StartThread()
{
    if (!m_pThread)
        m_pThread = StartPreviewThread();
    return m_pThread != nullptr;
}

bool CPreviewStream::Start(HWND owner, BYTE channel, DWORD streamSetting, int port, const char* address)
{
    if (!m_pThread)
        return false;
    plinto::tagReqServiceParm request = MakeServiceRequest(owner, channel, streamSetting);
    if (address) {
        std::memset(request.szIpAddr, 0, sizeof request.szIpAddr);
        std::memcpy(request.szIpAddr, address, std::min(std::strlen(address), sizeof request.szIpAddr));
    }
    m_bRunning = true;
    m_pThread->m_pOnNetCtrl->startService(request, port);
    return true;
}

void CPreviewStream::Stop()
{
    m_bRunning = false;
    if (m_pThread)
        m_pThread->m_pOnNetCtrl->stopService();
}

void CPreviewStream::End()
{
    Stop();
    StopPreviewThread(m_pThread);
}

void CPreviewStream::OnFrame(CVideoPreviewWnd& preview, WPARAM status, LPARAM slot, bool withArea)
{
    // Once stopped the slot may belong to a later service or be gone.
    if (!IsRunning())
        return;
    preview.ShowStreamFrame(status, slot, *m_pFrame, withArea);
    m_pThread->m_pOnNetCtrl->reqNextFrame();
}
