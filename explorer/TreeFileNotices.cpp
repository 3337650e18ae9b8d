#include "explorer/TreeFileNotices.h"

#include "platform/base/Services.h"
#include "platform/msg/WndBase.h"

namespace morrik
{

TreeFileStatus TellTreeFileRead(TreeFileStatus status)
{
    if (status == TreeFileStatus::OutOfMemory) {
        AfxMessageBox("The memory is full.\nCCamConfigView::ConsistLinkedList\n", MB_OK);
        PostQuitMessage(0);
    }
    return status;
}

TreeFileStatus ReadTreeFileAndConsistLlistTelling(const std::string& path, TreeFileLists* lists)
{
    return TellTreeFileRead(ReadTreeFileAndConsistLlist(path, lists));
}

int ReadTreeFileAndFindNoOfMacAndSerialTelling(const std::string& path, const CAM_SERIAL_MAC_INFO& key)
{
    bool read = false;
    const int number = ReadTreeFileAndFindNoOfMacAndSerial(path, key, &read);
    if (number < 0 && read)
        AfxMessageBox("File error! Item not found!", MB_OK);
    return number;
}

} // namespace morrik
