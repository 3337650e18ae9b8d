// The quality boxes of the camera schedules' time tables: 145 of cameras
// and video servers, 176 of three-channel cameras, where "4" stands above
// "3" while the group keeps the order 1, 2, 3, 4, 5. The dialogs place their
// controls themselves in pixels and put the live preview at the left.
#include "resources/setup/dialogs/DialogParts.h"

#include <array>

namespace
{

constexpr uint32_t kRadio = kChild | WS_TABSTOP | BS_AUTORADIOBUTTON;

constexpr std::array<DialogControl, 8> QualityBox(int16_t yThree, int16_t yFour)
{
    return { {
        { IDC_QUALITY_GROUP, WC_BUTTON, "Attenuation", kChild | BS_GROUPBOX, 257, 9, 63, 150 },
        { IDC_QUALITY_LEVEL1, WC_BUTTON, "1", kRadio | WS_GROUP, 280, 34, 27, 15 },
        { IDC_QUALITY_LEVEL2, WC_BUTTON, "2", kRadio, 280, 55, 27, 15 },
        { IDC_QUALITY_LEVEL3, WC_BUTTON, "3", kRadio, 280, yThree, 27, 15 },
        { IDC_QUALITY_LEVEL4, WC_BUTTON, "4", kRadio, 280, yFour, 27, 15 },
        { IDC_QUALITY_LEVEL5, WC_BUTTON, "5", kRadio, 280, 120, 27, 15 },
        { IDOK, WC_BUTTON, "OK", kOk | WS_GROUP, 47, 163, 67, 18 },
        { IDCANCEL, WC_BUTTON, "Cancel", kButton, 127, 163, 67, 18 },
    } };
}

constexpr auto kQualityBox = QualityBox(77, 98);
constexpr auto kQualityBox2 = QualityBox(98, 77);

const DialogTemplate kTemplates[] = {
    { IDD_QUALITY_BOX, "Quality Box Setting", kModal, 0, 0, 333, 190, kQualityBox },
    { IDD_QUALITY_BOX2, "Quality Box Setting", kModal, 0, 0, 333, 190, kQualityBox2 },
};

} // namespace

const std::span<const DialogTemplate> kQualityBoxDlgTemplates = kTemplates;
