// The hint window of the schedule charts: a pop-up with a thin border and
// no controls, sized to its text when it paints.
#include "resources/setup/dialogs/DialogParts.h"

namespace
{

const DialogTemplate kTemplates[] = {
    { IDD_TOOLTIP, "", WS_POPUP | WS_BORDER, 0, 0, 60, 10, {} },
};

} // namespace

const std::span<const DialogTemplate> kToolTipDlgTemplates = kTemplates;
