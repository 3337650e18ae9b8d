// A settings page in a sheet of its own, on a simulated device of a chosen
// family, with the program's configuration view as its host. Tests drive
// the page through its control ids and read what the device received.
#pragma once

#include "app/ConfigView.h"
#include "pages/ConfigPage.h"
#include "pages/PropertyConfig.h"
#include "platform/base/TestServices.h"
#include "sim/CameraStream.h"
#include "sim/ConfigServer.h"
#include "sim/DvrStreamServer.h"
#include "tests/platform/RecordingDialogRunner.h"

#include <QImage>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// Bytes of a request as hex digits, `n` from `offset` on.
std::string HexOf(const sim::Bytes& bytes, size_t offset, size_t n);
class CGridCtrl;
// A window for a pane of its own: it counts the edits the pane reports.
class PaneHost : public CWnd
{
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_PAGE_MODIFIED)
            ++edits;
        return CWnd::WindowProc(message, wParam, lParam);
    }
    int edits = 0;
};

class PageTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // A realistic device of `family` (a DVR of `recorderClass` for family 4);
    // change it before StartDevice.
    sim::DeviceProfile& Profile(uint32_t family, int recorderClass = 2);
    // Starts the device of Profile on 127.0.0.7 and makes it the current
    // device, logged in with its password.
    void StartDevice();
    sim::ConfigServer& Server() { return *m_server; }
    // The device's camera stream role beside it (families 0, 1, 3), its
    // picture following the device's picture values; the device reports its
    // port as the stream port (0x0A01). After StartDevice.
    sim::CameraStream& StartCamera();
    // The recorder's live video beside it, on the device's first service
    // port. After StartDevice.
    sim::DvrStreamServer& StartDvrVideo();

    // Puts the page into a sheet on a host window and shows it, so that it
    // reads the device. The fixture keeps the page until Close.
    template <class Page, class... Args> Page* ShowPage(Args&&... args)
    {
        auto shown = std::make_unique<Page>(std::forward<Args>(args)...);
        Page* typed = shown.get();
        Show(std::move(shown));
        return typed;
    }
    // A further page in the shown page's sheet, activated once so that it
    // read the device, then the shown page activated again. The fixture
    // keeps it until Close.
    template <class Page, class... Args> Page* ShowSiblingPage(Args&&... args)
    {
        auto sibling = std::make_unique<Page>(std::forward<Args>(args)...);
        Page* typed = sibling.get();
        AddSibling(std::move(sibling));
        return typed;
    }
    // Ends the sheet and, with `device`, the device too; a test may start
    // another afterwards.
    void Close(bool device = true);

    // Controls of the shown page (or of `wnd`), as a person works them: each
    // sends the notification the control sends.
    void Click(int id, CWnd* wnd = nullptr);
    void SetText(int id, const char* text, CWnd* wnd = nullptr);
    // Moves a slider's thumb to a position as a drag does.
    void MoveSlider(int id, int position, CWnd* wnd = nullptr);
    std::string Text(int id, CWnd* wnd = nullptr);
    void SelectCombo(int id, int index, CWnd* wnd = nullptr);
    // Selects a list box row as a click does.
    void SelectList(int id, int index, CWnd* wnd = nullptr);
    int ComboSelection(int id, CWnd* wnd = nullptr);
    int Checked(int id, CWnd* wnd = nullptr);
    BOOL Enabled(int id, CWnd* wnd = nullptr);
    // Whether the control is shown on its page (the sheet itself may be off
    // screen).
    BOOL Shown(int id, CWnd* wnd = nullptr);
    // A click in the middle of a cell of the grid control `id`.
    void ClickCell(int id, int row, int col, CWnd* wnd = nullptr);
    // The same on a grid that shares its id with others.
    void ClickCell(CGridCtrl& grid, int row, int col);
    // A left click in the middle of a control (a static that reports clicks).
    void ClickMiddle(int id, CWnd* wnd = nullptr);
    // A date-time picker set as a person would: the new time, then its
    // change notification.
    void SetPickerTime(int id, int hour, int minute, CWnd* wnd = nullptr);
    // The window's pixels as it paints them now.
    QImage Grab(CWnd* wnd = nullptr);
    // Picks a tab of the tab control `id` as a click on it does.
    void SelectTab(int id, int index, CWnd* wnd = nullptr);
    int TabSelection(int id, CWnd* wnd = nullptr);
    std::string PickerTime(int id, CWnd* wnd = nullptr); // "HH:mm"
    // Picks an entry of the list box `id` as a click on it does.
    void SelectListEntry(int id, int index, CWnd* wnd = nullptr);
    // Opens the in-place list of a grid cell with a click, chooses `text`
    // in it and ends the edit, as a person does.
    void ChooseInGridCell(int id, int row, int col, const char* text, CWnd* wnd = nullptr);

    // The requests of `command` the device received since the last ClearSent.
    std::vector<sim::Exchange> Sent(uint16_t command) const;
    void ClearSent() { m_server->ClearLog(); }
    // The texts of the message boxes shown since the last call.
    std::vector<std::string> TakeMessages();

    bool WaitFor(const std::function<bool()>& done, DWORD ms = 10000);
    // Keeps a picture of the sheet (or of `wnd`, a dialog the page opened)
    // under the build folder for a look.
    void SavePicture(const char* name, CWnd* wnd = nullptr);

    ScriptedMessageBoxPresenter boxes;
    ScopedService<IMessageBoxPresenter> boxScope { &boxes };
    RecordingDialogRunner dialogs;
    ScopedService<IModalDialogRunner> dialogScope { &dialogs };
    CConfigView view;
    CWnd host;
    std::unique_ptr<CPropertyConfig> sheet;
    CConfigPage* page = nullptr;

private:
    void Show(std::unique_ptr<CConfigPage> shown);
    void AddSibling(std::unique_ptr<CConfigPage> sibling);
    CWnd* Target(CWnd* wnd) const { return wnd ? wnd : page; }
    // A left button press and release at a client point of the control.
    void ClickAt(CWnd* control, CPoint point);

    std::unique_ptr<CConfigPage> m_page;
    std::vector<std::unique_ptr<CConfigPage>> m_siblings;
    sim::DeviceProfile m_profile;
    std::unique_ptr<sim::ConfigServer> m_server;
    std::unique_ptr<sim::CameraStream> m_camera;
    std::unique_ptr<sim::DvrStreamServer> m_dvr;
};
