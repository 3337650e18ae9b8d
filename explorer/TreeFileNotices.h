// What the device tree tells the user about its tree file: the reads that
// show a message box when they fail in a way the user must know of.
#pragma once

#include "explorer/TreeFile.h"
#include "morrikExport.h"

#include <string>

namespace morrik
{

// After a read of the tree file into lists: when memory ran out, shows
// "The memory is full." and asks the application to quit (the lists keep
// what was read). Gives the status.
MORRIK_EXPORT TreeFileStatus TellTreeFileRead(TreeFileStatus status);
// ReadTreeFileAndConsistLlist, telling the user as above.
MORRIK_EXPORT TreeFileStatus ReadTreeFileAndConsistLlistTelling(
    const std::string& path, TreeFileLists* lists);
// The record number of the first device record matching the key; when the
// file was read and none matches, shows "File error! Item not found!".
// -1 when none.
MORRIK_EXPORT int ReadTreeFileAndFindNoOfMacAndSerialTelling(
    const std::string& path, const CAM_SERIAL_MAC_INFO& key);

} // namespace morrik
