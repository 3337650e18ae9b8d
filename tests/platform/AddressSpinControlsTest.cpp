// The IP address control and the up-down control as the pages use them:
// blank fields and the count of filled ones, a field's range, the change
// notice; the spin's step notice, a refused step, the range's direction.
#include "platform/ui/Controls.h"
#include "platform/ui/IpAddressCtrl.h"
#include "platform/ui/SpinButtonCtrl.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

class Parent : public CWnd
{
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_NOTIFY) {
            const auto* header = reinterpret_cast<NMHDR*>(lParam);
            if (header->code == IPN_FIELDCHANGED)
                fields.push_back(reinterpret_cast<NMIPADDRESS*>(lParam)->iField);
            if (header->code == UDN_DELTAPOS) {
                steps.push_back(reinterpret_cast<NMUPDOWN*>(lParam)->iDelta);
                return refuse;
            }
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
    std::vector<int> fields;
    std::vector<int> steps;
    LRESULT refuse = 0;
};

class AddressSpinControls : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(
            parent.CreateEx(0, nullptr, "Parent", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr));
    }
    void TearDown() override { parent.DestroyWindow(); }
    std::string Text(CWnd& wnd)
    {
        CString text;
        wnd.GetWindowText(text);
        return text.GetString();
    }
    Parent parent;
};

TEST_F(AddressSpinControls, TheAddressCountsFilledFieldsAndKeepsEachFieldsRange)
{
    CIPAddressCtrl ip;
    ASSERT_TRUE(ip.Create(WS_VISIBLE, CRect(0, 0, 150, 20), &parent, 10));
    ip.SetFieldRange(0, 1, 200);
    ip.SetAddress(0xC0A80105);
    EXPECT_TRUE(parent.fields.empty()); // the program's own setting is no edit
    EXPECT_EQ(Text(ip), "192.168.1.5");
    DWORD address = 0;
    EXPECT_EQ(ip.GetAddress(address), 4);
    EXPECT_EQ(address, 0xC0A80105u);

    ip.SetWindowText("10..3.");
    EXPECT_EQ(parent.fields, (std::vector<int> { 0, 1, 2, 3 }));
    EXPECT_EQ(ip.GetAddress(address), 2);
    EXPECT_EQ(address, 0x0A000300u);
    ip.SetWindowText("250.0.3.4");
    EXPECT_EQ(Text(ip), "200.0.3.4"); // above the field's top
    ip.ClearAddress();
    EXPECT_TRUE(ip.IsBlank());
    ip.DestroyWindow();
}

TEST_F(AddressSpinControls, TheSpinAsksItsParentAndCountsByItsRangesDirection)
{
    CEdit buddy;
    ASSERT_TRUE(buddy.Create(WS_VISIBLE, CRect(0, 0, 60, 20), &parent, 11));
    CSpinButtonCtrl spin;
    ASSERT_TRUE(spin.Create(WS_VISIBLE | UDS_SETBUDDYINT, CRect(60, 0, 75, 20), &parent, 12));
    spin.SetBuddy(&buddy);
    spin.SetRange32(0, 5);
    spin.SetPos(4);
    spin.Step(true);
    spin.Step(true); // stops at the top
    EXPECT_EQ(spin.GetPos(), 5);
    EXPECT_EQ(Text(buddy), "5");
    parent.refuse = 1;
    spin.Step(false);
    EXPECT_EQ(spin.GetPos(), 5);
    EXPECT_EQ(parent.steps, (std::vector<int> { 1, 1, -1 }));

    // Lower 0 and upper 0xFFFF in the 16-bit form: the range runs backwards.
    parent.steps.clear();
    spin.SetRange(0, short(-1));
    spin.Step(true);
    EXPECT_EQ(parent.steps, std::vector<int> { -1 });
    spin.DestroyWindow();
    buddy.DestroyWindow();
}

} // namespace
