#include "tests/pages/PageFixture.h"

#include "controls/GridCtrl.h"
#include "controls/GridInPlaceList.h"
#include "link/CurrentDevice.h"
#include "pages/SheetAssembly.h"
#include "pages/common/TimeZones.h"
#include "platform/msg/WndBase.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DateTimeCtrl.h"
#include "platform/ui/ResourceModule.h"
#include "platform/ui/TabCtrl.h"
#include "platform/ui/WindowStyles.h"
#include "resources/setup/SetupResources.h"
#include "tests/pages/SetupTestResources.h"

#include <QApplication>
#include <QDateTimeEdit>
#include <QDir>
#include <QImage>
#include <QMouseEvent>
#include <QSlider>
#include <QTabBar>
#include <QWidget>

#include <cstring>

std::string HexOf(const sim::Bytes& bytes, size_t offset, size_t n)
{
    static const char digits[] = "0123456789abcdef";
    std::string text;
    for (size_t i = offset; i < offset + n && i < bytes.size(); ++i) {
        text += digits[bytes[i] >> 4];
        text += digits[bytes[i] & 15];
    }
    return text;
}

void PageTest::SetUp()
{
    UseSetupResources();
    // The zone tables come from the program's module, as at start-up.
    AfxSetInstanceHandle(SetupResourceModule());
    LoadTimeZoneTables();
}

void PageTest::TearDown()
{
    Close();
}

sim::DeviceProfile& PageTest::Profile(uint32_t family, int recorderClass)
{
    m_profile = sim::MakeProfile(family, recorderClass);
    m_profile.address = 0x7F000007;
    return m_profile;
}

void PageTest::StartDevice()
{
    if (m_profile.model.empty())
        Profile(4);
    m_server = std::make_unique<sim::ConfigServer>(m_profile);
    ASSERT_TRUE(m_server->Start("127.0.0.7", 0));
    g_CurrentDevice = SELECTED_DEVICE();
    g_CurrentDevice.dwIpAddress = m_profile.address;
    g_CurrentDevice.dwConfigPort = m_server->Port();
    g_CurrentDevice.dwFamily = m_profile.family;
    std::strncpy(
        g_CurrentDevice.szVersion1, m_profile.version1.c_str(), sizeof(g_CurrentDevice.szVersion1) - 1);
    std::strncpy(
        g_CurrentDevice.szVersion2, m_profile.version2.c_str(), sizeof(g_CurrentDevice.szVersion2) - 1);
    std::strcpy(g_CurrentDevice.szAddress, "127.0.0.7");
    g_strDevicePassword = m_profile.password;
    // As the view learns it at login.
    view.m_nFirmwareClass = FirmwareKindOf(m_profile.family, m_profile.version2.c_str());
    g_nRecorderModel = m_profile.recorderClass < 0 ? 0 : m_profile.recorderClass;
    // As the login sets it.
    view.m_nFirmwareClass = FirmwareKindOf(m_profile.family, m_profile.version2.c_str());
}

sim::CameraStream& PageTest::StartCamera()
{
    m_camera = std::make_unique<sim::CameraStream>(m_profile);
    EXPECT_TRUE(m_camera->Start("127.0.0.7", 0));
    m_camera->FollowPicture(&m_server->Store());
    m_server->Store().Store(0x0A01, 0, sim::Body().U32(8105).U32(m_camera->Port()).bytes);
    return *m_camera;
}

sim::DvrStreamServer& PageTest::StartDvrVideo()
{
    m_dvr = std::make_unique<sim::DvrStreamServer>(m_profile);
    EXPECT_TRUE(m_dvr->Start("127.0.0.7", 0));
    g_CurrentDevice.dwHttpPort = m_dvr->Port();
    return *m_dvr;
}

void PageTest::Show(std::unique_ptr<CConfigPage> shown)
{
    ASSERT_TRUE(m_server) << "StartDevice first";
    Close(false);
    m_page = std::move(shown);
    page = m_page.get();
    page->SetConfigView(&view);
    if (!host.GetSafeHwnd()) {
        ASSERT_TRUE(host.CreateEx(0, nullptr, "Host", WS_OVERLAPPEDWINDOW, 0, 0, 640, 720, nullptr, nullptr));
    }
    sheet = std::make_unique<CPropertyConfig>("Configuration");
    sheet->AddPage(page);
    ASSERT_TRUE(sheet->Create(&host, WS_CHILD | WS_VISIBLE | WS_DLGFRAME | WS_TABSTOP, 0));
    PumpWaitingMessages();
}

void PageTest::AddSibling(std::unique_ptr<CConfigPage> sibling)
{
    ASSERT_TRUE(sheet && sheet->GetSafeHwnd()) << "ShowPage first";
    sibling->SetConfigView(&view);
    sheet->AddPage(sibling.get());
    m_siblings.push_back(std::move(sibling));
    sheet->SetActivePage(sheet->GetPageCount() - 1);
    PumpWaitingMessages();
    sheet->SetActivePage(0);
    PumpWaitingMessages();
}

void PageTest::Close(bool device)
{
    if (m_page)
        m_page->ReleaseChildDialogs();
    for (auto& sibling : m_siblings)
        sibling->ReleaseChildDialogs();
    // The sheet's window goes first so that no page window outlives its object.
    if (sheet && sheet->GetSafeHwnd())
        sheet->DestroyWindow();
    m_siblings.clear();
    m_page.reset();
    page = nullptr;
    sheet.reset();
    if (!device)
        return;
    if (host.GetSafeHwnd())
        host.DestroyWindow();
    if (m_camera)
        m_camera->Stop();
    m_camera.reset();
    if (m_dvr)
        m_dvr->Stop();
    m_dvr.reset();
    if (m_server)
        m_server->Stop();
    m_server.reset();
}

void PageTest::Click(int id, CWnd* wnd)
{
    CWnd* control = Target(wnd)->GetDlgItem(id);
    ASSERT_NE(control, nullptr) << "no control " << id;
    control->SendMessage(BM_CLICK);
    PumpWaitingMessages();
}

void PageTest::SetText(int id, const char* text, CWnd* wnd)
{
    CWnd* control = Target(wnd)->GetDlgItem(id);
    ASSERT_NE(control, nullptr) << "no control " << id;
    control->SetWindowText(text);
    PumpWaitingMessages();
}

void PageTest::MoveSlider(int id, int position, CWnd* wnd)
{
    CWnd* control = Target(wnd)->GetDlgItem(id);
    ASSERT_NE(control, nullptr) << "no control " << id;
    auto* slider = qobject_cast<QSlider*>(control->GetWidget());
    ASSERT_NE(slider, nullptr) << "control " << id << " is no slider";
    slider->setSliderPosition(position);
    PumpWaitingMessages();
}

std::string PageTest::Text(int id, CWnd* wnd)
{
    CString text;
    Target(wnd)->GetDlgItemText(id, text);
    return static_cast<LPCTSTR>(text);
}

void PageTest::SelectCombo(int id, int index, CWnd* wnd)
{
    CWnd* parent = Target(wnd);
    CWnd* control = parent->GetDlgItem(id);
    ASSERT_NE(control, nullptr) << "no control " << id;
    control->SendMessage(CB_SETCURSEL, WPARAM(index));
    // A person's choice notifies the parent; a program's CB_SETCURSEL does not.
    parent->SendMessage(
        WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(control->GetSafeHwnd()));
    PumpWaitingMessages();
}

void PageTest::SelectList(int id, int index, CWnd* wnd)
{
    CWnd* parent = Target(wnd);
    CWnd* control = parent->GetDlgItem(id);
    ASSERT_NE(control, nullptr) << "no control " << id;
    control->SendMessage(LB_SETCURSEL, WPARAM(index));
    parent->SendMessage(
        WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(control->GetSafeHwnd()));
    PumpWaitingMessages();
}

int PageTest::ComboSelection(int id, CWnd* wnd)
{
    return int(Target(wnd)->SendDlgItemMessage(id, CB_GETCURSEL));
}

int PageTest::Checked(int id, CWnd* wnd)
{
    return int(Target(wnd)->IsDlgButtonChecked(id));
}

BOOL PageTest::Shown(int id, CWnd* wnd)
{
    CWnd* control = Target(wnd)->GetDlgItem(id);
    return control && (control->GetStyle() & WS_VISIBLE);
}

BOOL PageTest::Enabled(int id, CWnd* wnd)
{
    CWnd* control = Target(wnd)->GetDlgItem(id);
    return control && control->IsWindowEnabled();
}

void PageTest::ClickCell(int id, int row, int col, CWnd* wnd)
{
    auto* grid = dynamic_cast<CGridCtrl*>(Target(wnd)->GetDlgItem(id));
    ASSERT_NE(grid, nullptr) << "no grid " << id;
    ClickCell(*grid, row, col);
}

void PageTest::ClickCell(CGridCtrl& grid, int row, int col)
{
    grid.EnsureVisible(row, col);
    CRect rect;
    ASSERT_TRUE(grid.GetCellRect(row, col, &rect)) << row << "," << col;
    ClickAt(&grid, rect.CenterPoint());
}

void PageTest::ClickMiddle(int id, CWnd* wnd)
{
    CWnd* control = Target(wnd)->GetDlgItem(id);
    ASSERT_NE(control, nullptr) << "no control " << id;
    CRect rect;
    control->GetClientRect(&rect);
    ClickAt(control, rect.CenterPoint());
}

void PageTest::ClickAt(CWnd* control, CPoint point)
{
    control->ClientToScreen(&point);
    QWidget* widget = control->GetWidget();
    const QPoint at = widget->mapFromGlobal(QPoint(point.x, point.y));
    for (auto [type, buttons] : { std::pair { QEvent::MouseButtonPress, Qt::MouseButtons(Qt::LeftButton) },
             std::pair { QEvent::MouseButtonRelease, Qt::MouseButtons(Qt::NoButton) } }) {
        QMouseEvent event(
            type, QPointF(at), QPointF(widget->mapToGlobal(at)), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
    PumpWaitingMessages();
}

void PageTest::SetPickerTime(int id, int hour, int minute, CWnd* wnd)
{
    CWnd* parent = Target(wnd);
    CWnd* control = parent->GetDlgItem(id);
    ASSERT_NE(control, nullptr) << "no control " << id;
    NMDATETIMECHANGE change {};
    change.nmhdr = { control->GetSafeHwnd(), UINT_PTR(id), DTN_DATETIMECHANGE };
    change.st = { 2000, 1, 6, 1, WORD(hour), WORD(minute), 0, 0 };
    control->SendMessage(DTM_SETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&change.st));
    parent->SendMessage(WM_NOTIFY, WPARAM(id), reinterpret_cast<LPARAM>(&change));
    PumpWaitingMessages();
}

QImage PageTest::Grab(CWnd* wnd)
{
    PumpWaitingMessages();
    return Target(wnd)->GetWidget()->grab().toImage();
}

void PageTest::SelectTab(int id, int index, CWnd* wnd)
{
    CWnd* control = Target(wnd)->GetDlgItem(id);
    ASSERT_NE(control, nullptr) << "no control " << id;
    auto* tabs = qobject_cast<QTabBar*>(control->GetWidget());
    ASSERT_NE(tabs, nullptr) << "no tab control " << id;
    tabs->setCurrentIndex(index);
    PumpWaitingMessages();
}

int PageTest::TabSelection(int id, CWnd* wnd)
{
    return int(Target(wnd)->SendDlgItemMessage(id, TCM_GETCURSEL));
}

std::string PageTest::PickerTime(int id, CWnd* wnd)
{
    CWnd* control = Target(wnd)->GetDlgItem(id);
    auto* picker = control ? qobject_cast<QDateTimeEdit*>(control->GetWidget()) : nullptr;
    return picker ? picker->time().toString("HH:mm").toStdString() : std::string();
}

void PageTest::SelectListEntry(int id, int index, CWnd* wnd)
{
    CWnd* parent = Target(wnd);
    CWnd* control = parent->GetDlgItem(id);
    ASSERT_NE(control, nullptr) << "no control " << id;
    control->SendMessage(LB_SETCURSEL, WPARAM(index));
    parent->SendMessage(
        WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(control->GetSafeHwnd()));
    PumpWaitingMessages();
}

void PageTest::ChooseInGridCell(int id, int row, int col, const char* text, CWnd* wnd)
{
    CWnd* grid = Target(wnd)->GetDlgItem(id);
    ASSERT_NE(grid, nullptr) << "no grid " << id;
    // The first click makes the cell current, a click on the current cell
    // opens its editor.
    ClickCell(id, row, col, wnd);
    if (!grid->GetDlgItem(int(IDC_GRID_INPLACE_EDITOR)))
        ClickCell(id, row, col, wnd);
    auto* list = dynamic_cast<CInPlaceList*>(grid->GetDlgItem(int(IDC_GRID_INPLACE_EDITOR)));
    ASSERT_NE(list, nullptr) << "no list opened in " << row << "," << col;
    const int index = list->FindStringExact(-1, text);
    ASSERT_GE(index, 0) << text << " is not offered in " << row << "," << col;
    list->SetCurSel(index);
    list->EndEdit();
    PumpWaitingMessages();
}

std::vector<sim::Exchange> PageTest::Sent(uint16_t command) const
{
    std::vector<sim::Exchange> sent;
    for (const sim::Exchange& exchange : m_server->Log()) {
        if (exchange.command == command)
            sent.push_back(exchange);
    }
    return sent;
}

std::vector<std::string> PageTest::TakeMessages()
{
    std::vector<std::string> texts;
    for (const auto& shown : boxes.Boxes())
        texts.emplace_back(static_cast<LPCTSTR>(shown.text));
    boxes.Clear();
    return texts;
}

bool PageTest::WaitFor(const std::function<bool()>& done, DWORD ms)
{
    return PumpMessagesUntil(done, ms);
}

void PageTest::SavePicture(const char* name, CWnd* wnd)
{
#ifdef SUITE_BUILD_DIR
    CWnd* shown = wnd ? wnd : sheet.get();
    ASSERT_TRUE(shown && shown->GetSafeHwnd());
    const QString folder = QString(SUITE_BUILD_DIR) + "/pictures";
    QDir().mkpath(folder);
    EXPECT_TRUE(shown->GetWidget()->grab().toImage().save(folder + "/" + name));
#else
    (void)name;
    (void)wnd;
#endif
}
