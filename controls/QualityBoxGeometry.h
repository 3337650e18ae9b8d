// The quality box between the live preview and the device: the preview
// shows 360 x 243 pixels, the device counts 720 columns and its lines from
// the top of the full picture, 25 lines above the preview's when the
// picture is not full height (a 625-line picture), and a picture that is
// flipped (the camera hangs upside down) is turned back in the preview, so
// its box is mirrored both ways.
#pragma once

#include "platform/base/Types.h"

constexpr int QUALITY_LINE_OFFSET = 25;

// Left above right and top above bottom.
RECT NormalizedBox(const RECT& box);
// A box with both a width and a height.
bool HasArea(const RECT& box);
// A box drawn on the preview, in device coordinates; a box without width
// or height stays as it was drawn.
RECT QualityBoxToDevice(const RECT& previewBox, bool fullHeight, bool flipped);
// A device box on the preview (the inverse); an empty box stays empty.
RECT QualityBoxToPreview(const RECT& deviceBox, bool fullHeight, bool flipped);
// A device box halved across only, for a preview that does not know the
// picture yet: it moves the lines and mirrors when the first frame tells
// it the picture's height and turn.
RECT QualityBoxBeforeFirstFrame(const RECT& deviceBox);
// A device box in a schedule dialog's quality-box area, which shows the
// 720 x 243 field: turned both ways with the picture, and on a picture that
// is not full height moved by the 25 lines, up when upright, down when
// turned.
RECT QualityBoxToArea(const RECT& deviceBox, bool fullHeight, bool turned);
