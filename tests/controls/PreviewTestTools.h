// What the tests of the live preview and its owners share: the mouse as a
// person moves it over a window, and the simulated camera on loopback as
// the current device.
#pragma once

#include "link/CurrentDevice.h"
#include "platform/ui/Wnd.h"
#include "sim/CameraStream.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include <cstring>
#include <memory>
#include <vector>

// A mouse event at a client point of the window; a move carries the
// buttons held.
inline void MouseOn(CWnd* wnd, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    QWidget* widget = wnd->GetWidget();
    QMouseEvent event(type, at, widget->mapToGlobal(at),
        type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// Hover, press, two moves with the left button, release.
inline void DragOn(CWnd* wnd, QPoint from, QPoint to)
{
    MouseOn(wnd, QEvent::MouseMove, from, Qt::NoButton);
    MouseOn(wnd, QEvent::MouseButtonPress, from, Qt::LeftButton);
    MouseOn(wnd, QEvent::MouseMove, (from + to) / 2, Qt::LeftButton);
    MouseOn(wnd, QEvent::MouseMove, to, Qt::LeftButton);
    MouseOn(wnd, QEvent::MouseButtonRelease, to, Qt::NoButton);
    PumpWaitingMessages();
}

// The messages of `id` a simulated camera received, in order.
inline std::vector<sim::StreamEvent> ReceivedBy(const sim::CameraStream& camera, uint16_t id)
{
    std::vector<sim::StreamEvent> out;
    for (const sim::StreamEvent& e : camera.Log())
        if (!e.frame && e.id == id)
            out.push_back(e);
    return out;
}

// A simulated camera on 127.0.0.1, made the current device (password
// "admin", its stream on the HTTP port).
class LiveCamera
{
public:
    bool Start()
    {
        camera = std::make_unique<sim::CameraStream>(sim::MakeProfile(0));
        if (!camera->Start("127.0.0.1", 0))
            return false;
        std::memset(&g_CurrentDevice, 0, sizeof g_CurrentDevice);
        std::strcpy(g_CurrentDevice.szAddress, "127.0.0.1");
        g_CurrentDevice.dwHttpPort = camera->Port();
        g_strDevicePassword = "admin";
        return true;
    }
    // The messages of `id` the camera received, in order.
    std::vector<sim::StreamEvent> Received(uint16_t id) const { return ReceivedBy(*camera, id); }
    // Pumps until the camera has had `n` frame acknowledgements.
    bool WaitAcks(size_t n) const
    {
        return PumpMessagesUntil([&] { return Received(0x2302).size() >= n; }, 10000);
    }

    std::unique_ptr<sim::CameraStream> camera;
};
