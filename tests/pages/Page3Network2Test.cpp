// The camera network page against simulated cameras: what activation shows,
// the Ethernet group written with the registration the tree keeps, the
// port checks, and the ports the program keeps after the device took them.
#include "tests/pages/PageFixture.h"

#include "link/CurrentDevice.h"
#include "pages/Page3Network2.h"
#include "pages/RebootWaitDlg.h"

#include <cstring>

namespace
{

uint32_t Word(const sim::Bytes& bytes, size_t at)
{
    return (uint32_t(bytes[at]) << 24) | (uint32_t(bytes[at + 1]) << 16) | (uint32_t(bytes[at + 2]) << 8)
        | bytes[at + 3];
}

class Page3Network2Test : public PageTest
{
protected:
    void Start(uint32_t family = 0)
    {
        Profile(family);
        StartDevice();
        std::strcpy(g_CurrentDevice.szAddress, "127.0.0.7");
        ShowPage<CPage3Network2>();
        ClearSent();
    }
    void Apply() { Click(IDC_PAGE_APPLY); }
    bool Shown(int id) { return (page->GetDlgItem(id)->GetStyle() & WS_VISIBLE) != 0; }

    RecordingProcessControl process;
    ScopedService<IProcessControl> processScope { &process };
};

TEST_F(Page3Network2Test, ActivationShowsTheCamerasAddressRegistrationAndPorts)
{
    Start();
    EXPECT_EQ(Text(IDC_NET_ADDRESS), "127.0.0.7");
    EXPECT_EQ(Text(IDC_NET_DNS2), "8.8.4.4");
    EXPECT_EQ(ComboSelection(IDC_NET_REG_LIST), 3); // 300 s
    EXPECT_EQ(Text(IDC_NET_FIRST_PORT), "8105");
    EXPECT_EQ(Text(IDC_NET_SECOND_PORT), "8001");
    EXPECT_FALSE(Shown(IDC_NET_DHCP));
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
    SavePicture("page3_network2_camera.png");
}

TEST_F(Page3Network2Test, TheEthernetGroupKeepsTheRegistrationInTheTreeEntry)
{
    Start();
    SelectCombo(IDC_NET_REG_LIST, 6); // "1 hour"
    SetText(IDC_NET_GROUP_ID, "yard");
    Apply();
    EXPECT_TRUE(TakeMessages().empty());
    const auto sent = Sent(0x0302);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(Word(sent[0].params, 28), 3600u);
    EXPECT_EQ(g_CurrentDevice.bLookup, 1);
    EXPECT_STREQ(g_CurrentDevice.szLookupHost, "reg.example.net");
    EXPECT_STREQ(reinterpret_cast<const char*>(g_CurrentDevice.dwLookup), "yard");
    EXPECT_EQ(process.started.size(), 1u); // every accepted write flushes the old entry

    SelectCombo(IDC_NET_REG_LIST, 0); // "Disable"
    EXPECT_FALSE(Enabled(IDC_NET_REG_SERVER));
    Apply();
    EXPECT_EQ(g_CurrentDevice.bLookup, 0);
    EXPECT_STREQ(g_CurrentDevice.szLookupHost, "");
}

TEST_F(Page3Network2Test, FamilyOneHasNoRegistrationAndKeepsTheIntervalItRead)
{
    Start(1);
    EXPECT_FALSE(Shown(IDC_NET_REG_LIST));
    SetText(IDC_NET_DNS1, "9.9.9.9");
    Apply();
    const auto sent = Sent(0x0302);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(Word(sent[0].params, 16), 0x09090909u);
    EXPECT_EQ(Word(sent[0].params, 28), 300u);
    SavePicture("page3_network2_family1.png");
}

TEST_F(Page3Network2Test, PortChecksStopApplyBeforeAnythingIsSent)
{
    struct Case {
        const char* playback;
        const char* monitor;
        const char* message;
    };
    const Case cases[] = {
        { "8001", "8001", "Streaming server port is the same as HTTP port. Please use another port number." },
        { "0", "8001", "Playback port is invalid. Please use value from 1 to 65535." },
        { "8105", "70000", "Monitor port is invalid. Please use value from 1 to 65535." },
    };
    for (const Case& c : cases) {
        Start();
        SetText(IDC_NET_FIRST_PORT, c.playback);
        SetText(IDC_NET_SECOND_PORT, c.monitor);
        Apply();
        EXPECT_EQ(TakeMessages(), std::vector<std::string> { c.message });
        EXPECT_TRUE(Sent(0x0A02).empty());
        EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
        Close();
    }
}

TEST_F(Page3Network2Test, NewPortsTheCameraTookBecomeTheProgramsPorts)
{
    Start();
    Click(IDC_PORT_DEFAULT);
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY)); // the defaults are what the camera has
    SetText(IDC_NET_SECOND_PORT, "8002");
    boxes.Answer(IDNO);
    Apply();
    const auto asked = boxes.Boxes();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text,
        "The new Port Assignment will be applied only after rebooting the unit.\nDo you want to reboot now?");
    EXPECT_EQ(asked[0].type, UINT(MB_YESNO | MB_ICONSTOP));
    const auto sent = Sent(0x0A02);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(Word(sent[0].params, 0), 8105u);
    EXPECT_EQ(Word(sent[0].params, 4), 8002u);
    // No: the ports are the program's all the same, the camera runs on.
    EXPECT_TRUE(Sent(0x0103).empty());
    EXPECT_EQ(g_CurrentDevice.dwHttpPort, 8002u);
    EXPECT_EQ(g_CurrentDevice.dwStreamPort, 8105u);
}

TEST_F(Page3Network2Test, YesToTheQuestionRebootsTheCamera)
{
    Start();
    dialogs.script = [](CDialog* dlg) {
        if (auto* wait = dynamic_cast<CRebootWaitDlg*>(dlg))
            wait->OnDeviceReturned();
    };
    SetText(IDC_NET_FIRST_PORT, "8106");
    boxes.Answer(IDYES);
    Apply();
    EXPECT_EQ(TakeMessages(),
        (std::vector<std::string> { "The new Port Assignment will be applied only after rebooting the "
                                    "unit.\nDo you want to reboot now?",
            "The camera is booted." }));
    EXPECT_EQ(Sent(0x0103).size(), 1u);
    EXPECT_EQ(g_CurrentDevice.dwStreamPort, 8106u);
    // Unchanged ports ask nothing.
    ClearSent();
    Click(IDC_PORT_DEFAULT);
    SetText(IDC_NET_FIRST_PORT, "8106");
    Apply();
    EXPECT_TRUE(TakeMessages().empty());
}

} // namespace
