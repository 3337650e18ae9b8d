#include "platform/ui/KeyState.h"

#include "platform/msg/Messages.h"
#include "platform/ui/KeyTranslation.h"

#include <QGuiApplication>

#include <bitset>

namespace
{

// Key messages arrive on the user interface thread only.
std::bitset<256> g_held;
constexpr UINT kSysKeyUp = 0x0105;

} // namespace

void NoteKeyMessage(UINT message, WPARAM vk)
{
    if (vk >= g_held.size())
        return;
    if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN)
        g_held.set(vk);
    else if (message == WM_KEYUP || message == kSysKeyUp)
        g_held.reset(vk);
}

SHORT GetKeyState(int nVirtKey)
{
    bool held = nVirtKey >= 0 && size_t(nVirtKey) < g_held.size() && g_held.test(size_t(nVirtKey));
    if (!held && qApp) {
        Qt::KeyboardModifiers modifiers = QGuiApplication::keyboardModifiers();
        held = (nVirtKey == int(VK_SHIFT) && (modifiers & Qt::ShiftModifier))
            || (nVirtKey == int(VK_CONTROL) && (modifiers & Qt::ControlModifier))
            || (nVirtKey == int(VK_MENU) && (modifiers & Qt::AltModifier));
    }
    return held ? SHORT(0x8000) : SHORT(0);
}
