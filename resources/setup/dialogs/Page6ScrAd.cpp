// The screen adjustment pages: 135 of cameras, video servers and the
// streaming server, 173 of three-channel cameras (three source buttons, no
// audio gain). The pages place their controls themselves in pixels.
#include "resources/setup/dialogs/DialogParts.h"

#include "platform/ui/Controls.h"

#include <iterator>

namespace
{

// The source buttons are radio buttons the page checks itself.
constexpr uint32_t kSource = kButton | BS_RADIOBUTTON;
constexpr uint32_t kSlider = kChild | WS_TABSTOP;

const DialogControl kPage6ScrAd[] = {
    { IDC_SCRAD_SOURCE_GROUP, WC_BUTTON, "", kChild | BS_GROUPBOX, 10, 6, 340, 25 },
    { IDC_SCRAD_CH1, WC_BUTTON, "CH1", kSource | WS_GROUP, 67, 12, 47, 15 },
    { IDC_SCRAD_CH2, WC_BUTTON, "CH2", kSource, 127, 12, 47, 15 },
    { IDC_SCRAD_CH3, WC_BUTTON, "CH3", kSource, 187, 12, 47, 15 },
    { IDC_SCRAD_PAGE_GROUP, WC_BUTTON, "", kChild | BS_GROUPBOX, 10, 31, 340, 262 },
    { IDC_SCRAD_SCALE_LEFT, WC_STATIC, "Low             High", kChild, 93, 200, 73, 9 },
    { IDC_SCRAD_SCALE_RIGHT, WC_STATIC, "Low             High", kChild, 263, 200, 73, 9 },
    { IDC_SCRAD_BRIGHTNESS_LABEL, WC_STATIC, "Brightness", kChild, 37, 212, 53, 15 },
    { IDC_SCRAD_BRIGHTNESS, TRACKBAR_CLASS, "", kSlider, 93, 209, 67, 12 },
    { IDC_SCRAD_CONTRAST_LABEL, WC_STATIC, "Contrast", kChild, 37, 231, 53, 15 },
    { IDC_SCRAD_CONTRAST, TRACKBAR_CLASS, "", kSlider, 93, 228, 67, 12 },
    { IDC_SCRAD_HUE_LABEL, WC_STATIC, "Hue", kChild, 37, 249, 53, 15 },
    { IDC_SCRAD_HUE, TRACKBAR_CLASS, "", kSlider, 93, 246, 67, 12 },
    { IDC_SCRAD_SATURATION_LABEL, WC_STATIC, "Saturation", kChild, 180, 212, 80, 15 },
    { IDC_SCRAD_SATURATION, TRACKBAR_CLASS, "", kSlider, 263, 209, 67, 12 },
    { IDC_SCRAD_OFFSET_LABEL, WC_STATIC, "Horizontal Offset", kChild, 180, 231, 80, 15 },
    { IDC_SCRAD_OFFSET, TRACKBAR_CLASS, "", kSlider, 263, 228, 67, 12 },
    { IDC_SCRAD_GAIN_LABEL, WC_STATIC, "Video Gain", kChild, 180, 249, 80, 15 },
    { IDC_SCRAD_GAIN, TRACKBAR_CLASS, "", kSlider, 263, 246, 67, 12 },
    { IDC_SCRAD_DEFAULT, WC_BUTTON, "Default...", kButton, 100, 268, 160, 15 },
    { IDC_PAGE_OK, WC_BUTTON, "OK", kButton, 203, 305, 47, 15 },
    { IDC_PAGE_CANCEL, WC_BUTTON, "Cancel", kButton, 253, 305, 47, 15 },
    { IDC_PAGE_APPLY, WC_BUTTON, "Apply", kButton, 303, 305, 47, 15 },
    // Only on the four-button page.
    { IDC_SCRAD_CH4, WC_BUTTON, "CH4", kSource, 247, 12, 47, 15 },
    { IDC_SCRAD_SEPARATOR, WC_STATIC, "", kChild | SS_BLACKFRAME, 37, 231, 293, 1 },
    { IDC_SCRAD_AUDIO_LABEL, WC_STATIC, "Audio Gain", kChild, 37, 243, 80, 15 },
    { IDC_SCRAD_AUDIO, TRACKBAR_CLASS, "", kSlider, 93, 240, 67, 12 },
};

// The three-channel page has all but the last four.
constexpr size_t kThreeChannelControls = std::size(kPage6ScrAd) - 4;

const DialogTemplate kTemplates[] = {
    { IDD_PAGE6_SCRAD, "Screen Adjustment", kPage, 0, 0, 360, 400, kPage6ScrAd },
    { IDD_PAGE6_SCRAD2, "Screen Adjustment", kPage, 0, 0, 360, 400,
        std::span<const DialogControl>(kPage6ScrAd, kThreeChannelControls) },
};

} // namespace

const std::span<const DialogTemplate> kPage6ScrAdTemplates = kTemplates;
