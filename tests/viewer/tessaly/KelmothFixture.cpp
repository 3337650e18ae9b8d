#include "KelmothFixture.h"

#include "platform/msg/WndBase.h"
#include "viewer/tessaly/ColourConvert.h"

#include <QString>

#include <cstdlib>

BEGIN_MESSAGE_MAP(CNotifyWnd, CWnd)
ON_MESSAGE(WM_STREAM_FAILED, OnStreamFailed)
END_MESSAGE_MAP()

void KelmothFixture::SetUp()
{
    profile = sim::MakeProfile(2);
    profile.password = "secret";
    profile.address = 0x7F000001;
    server = std::make_unique<sim::KelmothServer>(profile);
    server->challenge = "5d41402abc4b2a76b9719d911017c592";
    server->stream.frameIntervalMs = 2;
    server->stream.keepaliveMs = 50;
    MakeWindow(&video, 176, 144);
    ASSERT_TRUE(notify.CreateMessageWindow());
}

void KelmothFixture::TearDown()
{
    server->Stop();
    if (video.m_hWnd)
        video.DestroyWindow();
    if (notify.m_hWnd)
        notify.DestroyWindow();
}

void KelmothFixture::StartServer()
{
    ASSERT_TRUE(server->Start("127.0.0.1", 0));
}

void KelmothFixture::MakeWindow(CWnd* wnd, int width, int height)
{
    ASSERT_TRUE(
        wnd->CreateEx(0, nullptr, "video", WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr, nullptr));
}

std::unique_ptr<tessaly::CKelmothClient> KelmothFixture::NewClient()
{
    return std::make_unique<tessaly::CKelmothClient>(video.m_hWnd, notify.m_hWnd);
}

int KelmothFixture::Play(
    tessaly::CKelmothClient* client, const char* password, const char* name, uint16_t port)
{
    char address[] = "127.0.0.1";
    std::string pass(password), content(name);
    return client->Play(address, content.data(), pass.data(), port ? port : server->Port());
}

bool KelmothFixture::PumpUntil(const std::function<bool()>& done, int ms)
{
    return PumpMessagesUntil(done, DWORD(ms));
}

bool KelmothFixture::WaitProcessed(tessaly::CKelmothClient* client, int frames)
{
    return PumpUntil([&] { return client->FramesProcessed() >= frames; });
}

int KelmothFixture::ShownIndex(const QImage& image, QPoint origin)
{
    int index = 0;
    for (int bit = 0; bit < sim::kPatternCodeBits; ++bit) {
        const QPoint at = origin + QPoint(bit * sim::kPatternCodeBlock + sim::kPatternCodeBlock / 2, 8);
        if (!image.valid(at))
            return -1;
        index = index * 2 + (qGreen(image.pixel(at)) > 128 ? 1 : 0);
    }
    return index;
}

double KelmothFixture::MeanDifference(const QImage& image, QPoint origin, int index, int width, int height)
{
    sim::YuvPicture source;
    source.width = width;
    source.height = height;
    sim::DrawTestPattern(index, &source);
    double sum = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const size_t c = size_t(y / 2) * size_t(width / 2) + size_t(x / 2);
            const tessaly::Rgb want
                = tessaly::YCbCrToRgb(source.y[size_t(y) * width + x], source.cb[c], source.cr[c]);
            const QRgb got = image.pixel(origin + QPoint(x, y));
            sum += std::abs(qRed(got) - want.r) + std::abs(qGreen(got) - want.g)
                + std::abs(qBlue(got) - want.b);
        }
    }
    return sum / (3.0 * width * height);
}

void KelmothFixture::Keep(const QImage& image, const char* name)
{
    image.save(QString(SUITE_BUILD_DIR "/") + name);
}
