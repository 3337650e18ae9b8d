// Which family a device's model text names, as the explorers sort devices
// into their trees: the recorders of the "qarn" family (tree 2), the K386
// family (tree 1) and, in the camera explorer, everything else (tree 0),
// with the module and Z3PAL families kept out of every tree.
#pragma once

#include "morrikExport.h"

namespace morrik
{

// The width of a discovery record's model field.
constexpr int MODEL_TEXT_SIZE = 16;

// Each rule lower-cases the caller's NUL-terminated text in place first.
MORRIK_EXPORT bool IsItQARN(char* text);
MORRIK_EXPORT bool IsItModule(char* text);
MORRIK_EXPORT bool IsItZ3PAL(char* text);
MORRIK_EXPORT bool IsItK386(char* text);

// The explorer pane's rule on a 16-byte model field (a copy is tested):
// 2 for a recorder of the family, -1 for anything else.
MORRIK_EXPORT int FilterModel(const char* model);
// The camera explorer's: the tree a device belongs to, -1 for the module
// and Z3PAL families, 1 for K386, 2 for the recorders, 0 for the rest.
MORRIK_EXPORT int FilterModelTree(const char* model);

} // namespace morrik
