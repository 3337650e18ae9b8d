#include "pages/common/RebootFlow.h"

#include "link/CurrentDevice.h"
#include "link/DeviceFamily.h"
#include "link/MaintenanceBlocks.h"
#include "pages/RebootWaitDlg.h"
#include "platform/base/Services.h"
#include "resources/setup/Resource.h"

#include <memory>

RebootTexts SystemRebootTexts(BOOL bAsk)
{
    const bool dvr = g_CurrentDevice.dwFamily == DEVICE_FAMILY_DVR;
    RebootTexts texts;
    if (bAsk)
        texts.question = LoadText(dvr ? IDS_REBOOT_DVR_ASK : IDS_REBOOT_CAMERA_ASK);
    texts.booted = LoadText(dvr ? IDS_DVR_BOOTED : IDS_CAMERA_BOOTED);
    texts.failed = LoadText(IDS_BOOTING_FAILED);
    return texts;
}

BOOL RebootDevice(CConfigSession& session, IConfigPageHost* pHost, CWnd* pParent, const RebootTexts& texts)
{
    if (!texts.question.IsEmpty() && AfxMessageBox(texts.question, MB_YESNO) != IDYES)
        return FALSE;

    CRebootWaitDlg wait(pParent);
    wait.SetHost(pHost);
    char address[24] = {};
    session.ResolveDeviceAddress(address, TRUE);
    wait.SetDeviceAddress(address);

    auto reply = std::make_unique<ConfigReply>();
    if (session.Request(REBOOT_DEVICE, {}, nullptr, *reply) != CONFIG_DONE) {
        AfxMessageBox(texts.failed);
        return FALSE;
    }
    BOOL returned = FALSE;
    if (wait.DoModal() == IDOK) {
        returned = wait.m_bReturned;
        AfxMessageBox(returned ? texts.booted : texts.failed);
    }
    return returned;
}
