#include "controls/CaptionButtonManager.h"

#include "platform/ui/DC.h"

#include <algorithm>

// The bar window: paints the buttons and hands its mouse messages to the
// frame as the frame's own caption mouse messages.
class CCaptionButtonBar : public CWnd
{
public:
    explicit CCaptionButtonBar(CCaptionButtonManager* manager)
        : m_pManager(manager)
    {
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case WM_PAINT: {
            CPaintDC dc(this);
            RECT client;
            GetClientRect(&client);
            dc.FillSolidRect(&client, GetSysColor(COLOR_BTNFACE));
            POINT origin { 0, 0 };
            ClientToScreen(&origin);
            m_pManager->Paint(&dc, origin);
            return 0;
        }
        case WM_MOUSEMOVE:
            if (m_pManager->m_bCaptured)
                return ToFrame(WM_MOUSEMOVE, wParam, lParam, false);
            return ToFrame(WM_NCMOUSEMOVE, HTCAPTION, lParam, true);
        case WM_LBUTTONDOWN:
            return ToFrame(WM_NCLBUTTONDOWN, HTCAPTION, lParam, true);
        case WM_LBUTTONDBLCLK:
            return ToFrame(WM_NCLBUTTONDBLCLK, HTCAPTION, lParam, true);
        case WM_LBUTTONUP:
            if (m_pManager->m_bCaptured)
                return ToFrame(WM_LBUTTONUP, wParam, lParam, false);
            return ToFrame(WM_NCLBUTTONUP, HTCAPTION, lParam, true);
        default:
            return CWnd::WindowProc(message, wParam, lParam);
        }
    }

private:
    // Converts a point of this bar to the frame's client (screen for the
    // non-client messages) coordinates and sends the message to the frame.
    LRESULT ToFrame(UINT message, WPARAM wParam, LPARAM lParam, bool screen)
    {
        POINT point { GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam) };
        ClientToScreen(&point);
        if (!screen && m_pManager->m_pFrame)
            m_pManager->m_pFrame->ScreenToClient(&point);
        return ::SendMessage(m_pManager->m_hFrame, message, wParam, MAKELPARAM(WORD(point.x), WORD(point.y)));
    }

    CCaptionButtonManager* m_pManager;
};

namespace
{

SIZE BitmapSize(HBITMAP handle)
{
    SIZE size { 0, 0 };
    if (handle == nullptr)
        return size;
    CBitmap bitmap;
    bitmap.Attach(handle);
    BITMAP info {};
    if (bitmap.GetBitmap(&info) != 0)
        size = SIZE { info.bmWidth, info.bmHeight };
    bitmap.Detach();
    return size;
}

bool Contains(const RECT& rect, POINT point)
{
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

POINT PointOf(LPARAM lParam)
{
    return POINT { GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam) };
}

} // namespace

void DrawTransparentBitmap(CDC* dc, int x, int y, HBITMAP handle, COLORREF transparent)
{
    if (dc == nullptr || handle == nullptr)
        return;
    const SIZE size = BitmapSize(handle);
    CBitmap bitmap;
    bitmap.Attach(handle);
    CDC source;
    source.CreateCompatibleDC(dc);
    source.SelectObject(&bitmap);
    for (int row = 0; row < size.cy; ++row) {
        for (int column = 0; column < size.cx; ++column) {
            const COLORREF colour = source.GetPixel(column, row);
            if (colour != transparent)
                dc->SetPixel(x + column, y + row, colour);
        }
    }
    source.DeleteDC();
    bitmap.Detach();
}

HBITMAP CombineBitmaps(HBITMAP a, HBITMAP b, COLORREF back)
{
    if (a == nullptr || b == nullptr)
        return nullptr;
    const SIZE size = BitmapSize(a);
    CBitmap result;
    if (!result.CreateCompatibleBitmap(nullptr, size.cx, size.cy))
        return nullptr;
    CDC target;
    target.CreateCompatibleDC(nullptr);
    target.SelectObject(&result);
    target.FillSolidRect(0, 0, size.cx, size.cy, back);
    DrawTransparentBitmap(&target, 0, 0, a, back);
    DrawTransparentBitmap(&target, 0, 0, b, back);
    target.DeleteDC();
    return result.Detach();
}

CCaptionButtonManager::CCaptionButtonManager() = default;

CCaptionButtonManager::~CCaptionButtonManager()
{
    Detach();
    while (!m_buttons.empty()) {
        DeleteObject(m_buttons.back().normal);
        if (m_buttons.back().hot != m_buttons.back().normal)
            DeleteObject(m_buttons.back().hot);
        m_buttons.pop_back();
    }
}

BOOL CCaptionButtonManager::Attach(CWnd* frame, PreviousProc previous)
{
    if (frame == nullptr || frame->GetSafeHwnd() == nullptr || !previous)
        return FALSE;
    m_pFrame = frame;
    m_hFrame = frame->GetSafeHwnd();
    m_previous = std::move(previous);
    m_dwStyle = frame->GetStyle();
    m_dwExStyle = frame->GetExStyle();
    if (!m_pBar) {
        m_pBar = std::make_unique<CCaptionButtonBar>(this);
        const RECT empty { 0, 0, 0, 0 };
        m_pBar->Create("CaptionButtonBar", nullptr, WS_CHILD, empty, frame, IDC_CAPTION_BUTTON_BAR);
    }
    if (!m_pToolTip) {
        m_pToolTip = std::make_unique<CToolTipCtrl>();
        m_pToolTip->Create(frame, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP);
    }
    RecalcLayout();
    return TRUE;
}

void CCaptionButtonManager::Detach()
{
    if (m_pBar) {
        m_pBar->DestroyWindow();
        m_pBar.reset();
    }
    if (m_pToolTip) {
        m_pToolTip->DestroyWindow();
        m_pToolTip.reset();
    }
    if (m_hPressed != nullptr) {
        DeleteObject(m_hPressed);
        m_hPressed = nullptr;
    }
    m_hFrame = nullptr;
    m_pFrame = nullptr;
    m_previous = nullptr;
}

void CCaptionButtonManager::SetPressedBitmap(HBITMAP bitmap)
{
    if (m_hPressed != nullptr)
        DeleteObject(m_hPressed);
    m_hPressed = bitmap;
}

bool CCaptionButtonManager::AddButton(UINT id, HBITMAP hot, HBITMAP normal, LPCTSTR tooltip, int position)
{
    for (const Button& button : m_buttons) {
        if (button.id == id)
            return false;
    }
    ++m_nButtonCount;
    Button button { id, normal, hot != nullptr ? hot : normal, SlotRect(m_nReservedSlots + m_nButtonCount),
        tooltip != nullptr ? CString(tooltip) : CString() };
    if (position < 0 || position >= int(m_buttons.size())) {
        m_buttons.push_back(button);
    } else {
        m_buttons.insert(m_buttons.begin() + position, button);
    }
    if (m_pToolTip && m_pFrame != nullptr) {
        const RECT client = ClientRectOf(button.region);
        m_pToolTip->AddTool(m_pFrame, button.tooltip, &client, id);
    }
    if (position != -1)
        RecalcLayout();
    PlaceBar();
    RedrawButtons();
    return true;
}

RECT CCaptionButtonManager::SlotRect(int slot) const
{
    RECT window { 0, 0, 0, 0 };
    if (m_pFrame != nullptr)
        m_pFrame->GetWindowRect(&window);
    return CaptionSlotRect(window, slot, m_dwStyle, m_dwExStyle, m_metrics);
}

RECT CCaptionButtonManager::ClientRectOf(const RECT& screen) const
{
    RECT client = screen;
    if (m_pFrame != nullptr)
        m_pFrame->ScreenToClient(&client);
    return client;
}

RECT CCaptionButtonManager::GetButtonRect(int index) const
{
    if (index < 0 || index >= int(m_buttons.size()))
        return RECT { 0, 0, 0, 0 };
    return m_buttons[size_t(index)].region;
}

CString CCaptionButtonManager::GetToolTipText(UINT id) const
{
    for (const Button& button : m_buttons) {
        if (button.id == id)
            return button.tooltip;
    }
    return CString();
}

CWnd* CCaptionButtonManager::GetBar() const
{
    return m_pBar.get();
}

int CCaptionButtonManager::GetCaptionStripHeight() const
{
    if (m_pFrame == nullptr)
        return 0;
    const RECT slot = ClientRectOf(SlotRect(1));
    return slot.bottom + slot.top;
}

void CCaptionButtonManager::RecalcLayout()
{
    for (size_t i = 0; i < m_buttons.size(); ++i) {
        m_buttons[i].region = SlotRect(m_nReservedSlots + int(i) + 1);
        if (m_pToolTip) {
            const RECT client = ClientRectOf(m_buttons[i].region);
            m_pToolTip->SetToolRect(m_pFrame, m_buttons[i].id, &client);
        }
    }
    PlaceBar();
}

// The bar covers the buttons' regions and lies above the frame's panes.
void CCaptionButtonManager::PlaceBar()
{
    if (!m_pBar || m_pBar->GetSafeHwnd() == nullptr || m_pFrame == nullptr)
        return;
    if (m_buttons.empty()) {
        m_pBar->ShowWindow(SW_HIDE);
        return;
    }
    RECT all = m_buttons.front().region;
    for (const Button& button : m_buttons) {
        all.left = std::min(all.left, button.region.left);
        all.top = std::min(all.top, button.region.top);
        all.right = std::max(all.right, button.region.right);
        all.bottom = std::max(all.bottom, button.region.bottom);
    }
    all = ClientRectOf(all);
    m_pBar->SetWindowPos(
        nullptr, all.left, all.top, all.right - all.left, all.bottom - all.top, SWP_SHOWWINDOW);
}

void CCaptionButtonManager::RedrawButtons()
{
    if (m_pBar && m_pBar->GetSafeHwnd() != nullptr)
        m_pBar->Invalidate(FALSE);
}

void CCaptionButtonManager::Paint(CDC* dc, POINT origin)
{
    const SIZE none { 0, 0 };
    for (size_t i = 0; i < m_buttons.size(); ++i) {
        const Button& button = m_buttons[i];
        const bool hot = int(i) == m_nHoverIndex && (m_nPressedIndex < 0 || m_nPressedIndex == int(i));
        const SIZE size = button.normal != nullptr ? BitmapSize(button.normal) : none;
        const POINT offset = CaptionImageOffset(size.cx, size.cy, m_metrics);
        const int x = button.region.left - origin.x + offset.x;
        const int y = button.region.top - origin.y + offset.y;
        DrawTransparentBitmap(dc, x, y, hot ? button.hot : button.normal, m_crTransparent);
        if (int(i) == m_nPressedIndex)
            DrawTransparentBitmap(dc, x, y, m_hPressed, m_crTransparent);
    }
}

int CCaptionButtonManager::HitTest(POINT screen) const
{
    for (int i = 0; i < m_nButtonCount && i < int(m_buttons.size()); ++i) {
        if (Contains(m_buttons[size_t(i)].region, screen))
            return i;
    }
    return -1;
}

void CCaptionButtonManager::TrackHover(POINT screen)
{
    const int found = HitTest(screen);
    bool changed = false;
    if (found >= 0 && found != m_nHoverIndex) {
        const Button& button = m_buttons[size_t(found)];
        changed = button.hot != button.normal || found == m_nPressedIndex;
    }
    if (m_nHoverIndex >= 0 && m_nHoverIndex != found && m_nHoverIndex < int(m_buttons.size())) {
        const Button& previous = m_buttons[size_t(m_nHoverIndex)];
        changed = changed || previous.hot != previous.normal || m_nHoverIndex == m_nPressedIndex;
    }
    m_nHoverIndex = found;
    if (changed)
        RedrawButtons();
}

LRESULT CCaptionButtonManager::OnRelease(POINT screen, LPARAM lParam)
{
    LRESULT result = 1;
    if (m_nPressedIndex >= 0 && m_nPressedIndex < int(m_buttons.size())
        && Contains(m_buttons[size_t(m_nPressedIndex)].region, screen)) {
        const UINT id = m_buttons[size_t(m_nPressedIndex)].id;
        const bool exists = std::any_of(
            m_buttons.begin(), m_buttons.end(), [id](const Button& button) { return button.id == id; });
        if (exists)
            ::PostMessage(m_hFrame, WM_CAPTION_BUTTON, WPARAM(id), lParam);
        else
            result = 0;
    }
    m_nPressedIndex = -1;
    RedrawButtons();
    return result;
}

LRESULT CCaptionButtonManager::WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_previous || hWnd != m_hFrame)
        return m_previous ? m_previous(message, wParam, lParam) : 0;
    // The frame may go while its procedure runs: keep our own copy.
    PreviousProc previous = m_previous;
    switch (message) {
    case WM_DESTROY:
        Detach();
        return previous(message, wParam, lParam);
    case WM_MOVE:
    case WM_SIZE:
    case WM_SIZING:
    case WM_MOVING: {
        const LRESULT result = previous(message, wParam, lParam);
        RecalcLayout();
        return result;
    }
    case WM_SETTEXT:
    case WM_NCACTIVATE:
    case WM_NCPAINT: {
        const LRESULT result = previous(message, wParam, lParam);
        RedrawButtons();
        return result;
    }
    case WM_NCMOUSEMOVE:
        if (!m_bCaptured)
            TrackHover(PointOf(lParam));
        return previous(message, wParam, lParam);
    case WM_MOUSEMOVE: {
        POINT point { 0, 0 };
        if (m_bCaptured) {
            point = PointOf(lParam);
            m_pFrame->ClientToScreen(&point);
        }
        TrackHover(point);
        return previous(message, wParam, lParam);
    }
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK: {
        const int index = HitTest(PointOf(lParam));
        if (index < 0)
            return previous(message, wParam, lParam);
        if (m_pBar)
            m_pBar->SetCapture();
        m_bCaptured = true;
        m_nPressedIndex = index;
        RedrawButtons();
        return 0;
    }
    case WM_NCLBUTTONUP:
        if (OnRelease(PointOf(lParam), lParam) == 0)
            return 0;
        return previous(message, wParam, lParam);
    case WM_LBUTTONUP: {
        if (!m_bCaptured)
            return previous(message, wParam, lParam);
        ::ReleaseCapture();
        m_bCaptured = false;
        m_nHoverIndex = -1;
        POINT point = PointOf(lParam);
        m_pFrame->ClientToScreen(&point);
        if (OnRelease(point, lParam) == 0)
            return 0;
        return previous(message, wParam, lParam);
    }
    default:
        return previous(message, wParam, lParam);
    }
}
