#include "pages/common/FlashReset.h"

#include "link/CurrentDevice.h"
#include "link/DeviceFamily.h"
#include "link/MaintenanceBlocks.h"
#include "pages/common/PortStore.h"
#include "platform/base/Services.h"
#include "platform/ui/Wnd.h"
#include "resources/setup/Resource.h"

#include <cstring>
#include <memory>

namespace
{

constexpr DWORD kSettleMs = 1000;

} // namespace

FlashResetTexts SystemFlashResetTexts()
{
    FlashResetTexts texts;
    const uint32_t family = g_CurrentDevice.dwFamily;
    // A recorder is not asked; a streaming server never reboots for it.
    if (family != DEVICE_FAMILY_DVR)
        texts.askDefaultPorts = LoadText(IDS_FLASH_RESET_ASK);
    if (family != DEVICE_FAMILY_DVR && family != DEVICE_FAMILY_STREAM_SERVER)
        texts.askOtherPorts = LoadText(IDS_FLASH_RESET_REBOOT_ASK);
    texts.failed = LoadText(IDS_FLASH_RESET_FAILED);
    texts.done = LoadText(IDS_FLASH_RESET_DONE);
    texts.clearLookup = true;
    texts.reboot = SystemRebootTexts(FALSE);
    return texts;
}

BOOL ResetFlashToDefaults(
    CConfigSession& session, IConfigPageHost* pHost, CWnd* pParent, const FlashResetTexts& texts)
{
    bool reboot = false;
    if (!HasDefaultPorts() && !texts.askOtherPorts.IsEmpty()) {
        if (AfxMessageBox(texts.askOtherPorts, MB_YESNO) != IDYES)
            return FALSE;
        reboot = true;
    } else if (!texts.askDefaultPorts.IsEmpty() && AfxMessageBox(texts.askDefaultPorts, MB_YESNO) != IDYES) {
        return FALSE;
    }

    auto reply = std::make_unique<ConfigReply>();
    if (session.Request(RESET_FLASH, {}, nullptr, *reply) != CONFIG_DONE) {
        AfxMessageBox(texts.failed);
        return FALSE;
    }
    if (texts.doneBeforeReboot)
        AfxMessageBox(texts.done);
    if (reboot)
        RebootDevice(session, pHost, pParent, texts.reboot);
    if (!texts.doneBeforeReboot) {
        {
            CWaitCursor wait;
            Sleep(kSettleMs);
        }
        AfxMessageBox(texts.done);
    }

    if (texts.clearLookup) {
        g_CurrentDevice.bLookup = 0;
        std::memset(g_CurrentDevice.szLookupHost, 0, sizeof g_CurrentDevice.szLookupHost);
        std::memset(g_CurrentDevice.dwLookup, 0, sizeof g_CurrentDevice.dwLookup);
        if (pHost)
            pHost->UpdateSelectedDevice();
    }
    StoreDevicePorts(session, pHost, DEFAULT_CONFIG_PORT);
    return TRUE;
}
