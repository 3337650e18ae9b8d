#include "controls/PreviewStream.h"

#include "link/CurrentDevice.h"
#include "platform/msg/Sync.h"
#include "stream/plinto/NetThread.h"

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
