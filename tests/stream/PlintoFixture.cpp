#include "tests/stream/PlintoFixture.h"

#include "link/ByteOrder.h"
#include "platform/decoder/Decompress601.h"
#include "stream/plinto/PTZCtrl.h"

#include <cstring>

using namespace plinto;

namespace plinto_test
{

namespace
{

constexpr LONG kWidth = 360, kHeight = 243;

} // namespace

BEGIN_MESSAGE_MAP(COwnerWnd, CWndBase)
ON_MESSAGE(WM_STREAM_FRAME, OnFrame)
ON_MESSAGE(WM_STREAM_ERROR, OnError)
ON_MESSAGE(WM_STREAM_ACK, OnAck)
ON_MESSAGE(WM_STREAM_VERSION, OnVersion)
ON_MESSAGE(WM_STREAM_DOUT, OnDout)
ON_MESSAGE(WM_STREAM_INSTALL_INFO, OnInstall)
ON_MESSAGE(WM_PTZ_INFO, OnPtzInfo)
ON_MESSAGE(WM_PTZ_ACK, OnPtzAck)
ON_MESSAGE(WM_PTZ_ERROR, OnPtzError)
END_MESSAGE_MAP()

COwnerWnd::COwnerWnd()
    : m_decoder(decompress601_open())
{
    CreateMessageWindow();
}

COwnerWnd::~COwnerWnd()
{
    decompress601_close(m_decoder);
    DestroyWindow();
}

size_t COwnerWnd::Count(UINT message) const
{
    size_t n = 0;
    for (const Posted& p : posted)
        n += p.message == message ? 1 : 0;
    return n;
}

bool COwnerWnd::Has(UINT message, WPARAM wParam) const
{
    for (const Posted& p : posted) {
        if (p.message == message && p.wParam == wParam)
            return true;
    }
    return false;
}

LRESULT COwnerWnd::OnOther(UINT message, WPARAM wParam, LPARAM lParam)
{
    posted.push_back({ message, wParam, lParam });
    return 0;
}

LRESULT COwnerWnd::OnPtzInfo(WPARAM wParam, LPARAM lParam)
{
    posted.push_back({ WM_PTZ_INFO, wParam, lParam });
    // The receiver owns the lists; the test keeps what it needs before.
    auto* info = reinterpret_cast<tagPTZINFO*>(lParam);
    if (info) {
        ptzInfoCounts = { info->nCount1, info->nCount2 };
        if (info->nCount1 > 0)
            ptzFirstName = info->pList1[0].szName;
        delete[] info->pList1;
        delete[] info->pList2;
        delete info;
    }
    return 0;
}

LRESULT COwnerWnd::OnFrame(WPARAM wParam, LPARAM lParam)
{
    if (!client)
        return 0;
    posted.push_back({ WM_STREAM_FRAME, wParam, lParam });
    if (wParam) {
        statusFrames.push_back(wParam);
    } else {
        // As the preview does: copy the slot, decode the copy, then ask for
        // the next frame.
        auto seen = std::make_unique<SeenFrame>();
        seen->slot = reinterpret_cast<const tagONLINEFRAME*>(lParam);
        std::memcpy(&seen->copy, seen->slot, sizeof seen->copy);
        int32_t info[10] = {};
        info[5] = int32_t(seen->copy.dwPayloadLength);
        BITMAPINFOHEADER header { 40, kWidth, kHeight, 1, 24, 0, 0, 0, 0, 0, 0 };
        picture.assign(size_t(kWidth) * 3 * size_t(kHeight), 0);
        tagDecodeParm parm { 1, 0, 0, info, seen->copy.byPayload, &header, picture.data() };
        seen->decodeResult = decompress601_ex(m_decoder, &parm);
        if (seen->decodeResult == 0) {
            if (seen->copy.nRotated)
                RotatePicture();
            seen->pictureNumber = sim::ReadPatternNumber(
                picture.data(), kWidth, kHeight, kWidth * 3, true, seen->copy.wWidth, seen->copy.wHeight);
        }
        frames.push_back(std::move(seen));
    }
    if (acknowledge)
        client->reqNextFrame();
    return 0;
}

void COwnerWnd::RotatePicture()
{
    // 180 degrees: the pixel order of the whole picture reversed.
    const size_t pixels = picture.size() / 3;
    for (size_t i = 0; i < pixels / 2; ++i) {
        for (int k = 0; k < 3; ++k)
            std::swap(picture[i * 3 + size_t(k)], picture[(pixels - 1 - i) * 3 + size_t(k)]);
    }
}

bool PumpUntil(const std::function<bool()>& done, DWORD ms)
{
    return PumpMessagesUntil(done, ms);
}

void PlintoFixture::SetUp()
{
    camera = std::make_unique<sim::CameraStream>(profile);
    ASSERT_TRUE(camera->Start(address, 0));
}

void PlintoFixture::TearDown()
{
    EndThread();
    camera.reset();
}

CNetThread* PlintoFixture::StartThread()
{
    thread = new CNetThread;
    thread->ResumeThread();
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread->m_hReadyEvent, 5000));
    owner.client = thread->m_pOnNetCtrl;
    return thread;
}

tagReqServiceParm PlintoFixture::Request(BYTE channel, const char* password) const
{
    tagReqServiceParm p {};
    p.nOwnerIsThread = 0;
    p.hOwner = reinterpret_cast<DWORD_PTR>(owner.m_hWnd);
    CopyFullField(p.szIpAddr, sizeof p.szIpAddr, address, std::strlen(address));
    CopyFullField(p.szUserName, sizeof p.szUserName, "admin", 5);
    CopyFullField(p.szPassword, sizeof p.szPassword, password, std::strlen(password));
    p.byChannel = channel;
    p.byParm1 = 2;
    p.byParm2 = 2;
    p.dwParm3 = 0x0F000000;
    p.dwParm4 = 0x0F000000;
    return p;
}

int PlintoFixture::StartService(BYTE channel, const char* password)
{
    if (!thread)
        StartThread();
    return Client()->startService(Request(channel, password), camera->Port());
}

bool PlintoFixture::WaitFrames(size_t n, DWORD ms)
{
    return PumpUntil([&] { return owner.frames.size() >= n; }, ms);
}

void PlintoFixture::EndThread()
{
    if (!thread)
        return;
    owner.client = nullptr;
    EXPECT_TRUE(CNetThread::EndThread(thread, 10000));
    thread = nullptr;
    // Messages the client posted before it ended are of no further use.
    PumpWaitingMessages();
}

std::vector<sim::StreamEvent> PlintoFixture::Received(uint16_t id) const
{
    std::vector<sim::StreamEvent> out;
    for (const sim::StreamEvent& e : camera->Log()) {
        if (!e.frame && e.id == id)
            out.push_back(e);
    }
    return out;
}

} // namespace plinto_test
