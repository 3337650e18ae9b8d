// What the explorers keep in the registry: the install folder, which
// places their tree files, and the tree last shown.
#pragma once

#include "morrikExport.h"

namespace morrik
{

// Reads "InstallDir" into the tree-file paths and gives "LastTreeNo_Pb_Mon"
// (0 when absent or unreadable).
MORRIK_EXPORT int OpenExplorerRegistry();
// Writes the tree number back to "LastTreeNo_Pb_Mon"; nothing when the key
// cannot be opened.
MORRIK_EXPORT void WriteLastTree(int tree);

} // namespace morrik
