// What the device tree tells the user of its tree file: a last camera that
// no device of the file matches.
#include "explorer/TreeFileNotices.h"
#include "tests/explorer/MySuperGridFixture.h"

namespace morrik_test
{
namespace
{

TEST_F(MySuperGridTest, ALastCameraNoDeviceMatchesIsToldToTheUser)
{
    ScriptedMessageBoxPresenter boxes;
    ScopedService<IMessageBoxPresenter> useBoxes { &boxes };
    OpenWith({ FileNode(1, 0, "Gate", false, 5) });
    EXPECT_TRUE(boxes.Boxes().empty()); // the file read whole

    CAM_SERIAL_MAC_INFO key {};
    std::memcpy(key.szSerial, "SN-Gate", 8);
    EXPECT_TRUE(grid.SetLastCam(0, &key));
    EXPECT_TRUE(boxes.Boxes().empty());

    std::memcpy(key.szSerial, "SN-Door", 8);
    grid.SetLastCam(1, &key);
    ASSERT_EQ(1u, boxes.Boxes().size());
    EXPECT_EQ(CString("File error! Item not found!"), boxes.Boxes()[0].text);
}

} // namespace
} // namespace morrik_test
