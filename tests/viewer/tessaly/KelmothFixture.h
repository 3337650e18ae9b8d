// A simulated streaming server and video windows for the viewer client's
// tests: the server on loopback with a short frame interval, a notify
// window that counts WM_STREAM_FAILED, and helpers that read the picture
// the client drew.
#pragma once

#include "link/WindowMessages.h"
#include "platform/ui/Wnd.h"
#include "sim/KelmothServer.h"
#include "sim/Mpeg4PatternStream.h"
#include "viewer/tessaly/KelmothClient.h"

#include <gtest/gtest.h>

#include <QImage>

#include <functional>
#include <memory>
#include <string>

// Counts the failure notices the client posts.
class CNotifyWnd : public CWnd
{
public:
    int failures = 0;

protected:
    LRESULT OnStreamFailed(WPARAM, LPARAM)
    {
        ++failures;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

class KelmothFixture : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the server on 127.0.0.1 with the options set so far.
    void StartServer();
    // A popup surface window of the given client size.
    void MakeWindow(CWnd* wnd, int width, int height);
    std::unique_ptr<tessaly::CKelmothClient> NewClient();
    int Play(tessaly::CKelmothClient* client, const char* password = "secret", const char* name = "live",
        uint16_t port = 0);
    // Pumps this thread's messages (the client's blits land through them)
    // until `done` or the time is up.
    bool PumpUntil(const std::function<bool()>& done, int ms = 20000);
    bool WaitProcessed(tessaly::CKelmothClient* client, int frames);

    // The pattern frame whose number the picture at `origin` shows, or -1.
    static int ShownIndex(const QImage& image, QPoint origin = QPoint(0, 0));
    // Mean absolute difference of R, G and B between the picture at
    // `origin` and pattern frame `index` converted with the client's
    // arithmetic.
    static double MeanDifference(const QImage& image, QPoint origin, int index, int width, int height);
    static void Keep(const QImage& image, const char* name);

    sim::DeviceProfile profile;
    std::unique_ptr<sim::KelmothServer> server;
    CWnd video;
    CNotifyWnd notify;
};
