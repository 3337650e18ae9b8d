// The zoom and focus lever beside the live preview: an empty pop-up that
// paints itself.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

const DialogTemplate kTemplates[] = {
    { IDD_LEVEL_BAR, "", WS_POPUP, 0, 0, 19, 184, {} },
};

} // namespace

const std::span<const DialogTemplate> kLevelBarDlgTemplates = kTemplates;
