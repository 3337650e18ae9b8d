// The add-camera dialog opened by a host from the camera explorer's add
// command, probing simulated cameras on loopback: what it shows after an
// answer or after three unanswered tries, and the record the host reads.
#include "explorer/NewOvel.h"
#include "explorer/Sel2Dlg.h"
#include "explorer/TreeMessages.h"
#include "resources/morrik/Resource.h"
#include "tests/explorer/ExplorerFixture.h"
#include "tests/platform/ScriptedDialogRunner.h"

namespace
{

using namespace morrik;
using namespace explorer_test;

constexpr uint32_t kCamera = 0x7F000004;
constexpr uint32_t kSilentCamera = 0x7F000005;

// A host that opens the add-camera dialog when the camera explorer asks
// for a device to add, and keeps what the dialog gave.
class AddingHost : public ExplorerHost
{
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != WM_TREE_INSERT_DEVICE)
            return ExplorerHost::WindowProc(message, wParam, lParam);
        CNewOvel dialog(this);
        dialog.m_pOwner = explorer;
        result = dialog.DoModal();
        record = dialog.m_resDiscover;
        return 0;
    }
    CSel2Dlg* explorer = nullptr;
    INT_PTR result = 0;
    RES_DISCOVER_OVEL record {};
};

class NewOvelTest : public ExplorerFixture
{
protected:
    void SetUp() override
    {
        ExplorerFixture::SetUp();
        ASSERT_TRUE(m_adder.CreateEx(0, "AddingHost", "Host", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
        m_responder.AddDevice(SimDvr(kCamera, "NC-210", 8405));
        sim::DiscoveryDevice silent = SimDvr(kSilentCamera, "NC-210", 8405);
        silent.silent = true;
        m_responder.AddDevice(silent);
        ASSERT_TRUE(m_responder.Start());
        WriteTree(TreeFileLists {});
    }
    void TearDown() override
    {
        m_adder.DestroyWindow();
        ExplorerFixture::TearDown();
    }
    size_t ProbesTo(uint32_t address) const
    {
        size_t count = 0;
        for (const sim::DiscoveryExchange& e : m_responder.Log())
            count += e.to == address && e.command == 0x0101;
        return count;
    }
    static CString Result(CDialog* d)
    {
        CString text;
        d->GetDlgItemText(IDC_NEW_OVEL_RESULT, text);
        return text;
    }
    static bool Enabled(CDialog* d, int id) { return d->GetDlgItem(id)->IsWindowEnabled(); }

    // Runs the camera explorer, has the DVR tree's add command open the
    // add-camera dialog, and hands that dialog to `script`.
    void AddCamera(const std::function<void(CSel2Dlg&, CNewOvel*)>& script)
    {
        CSel2Dlg explorer(&m_adder);
        m_adder.explorer = &explorer;
        bool ran = false;
        ScriptedDialogRunner runner([&](CDialog* d) {
            if (auto* add = dynamic_cast<CNewOvel*>(d)) {
                script(explorer, add);
                ran = true;
                return;
            }
            explorer.Grid(2)->SendMessage(WM_COMMAND, ID_POPUP_INSERT_OVEL);
            d->SendDlgItemMessage(IDCANCEL, BM_CLICK);
        });
        ScopedService<IModalDialogRunner> scope(&runner);
        explorer.DoModal();
        ASSERT_TRUE(ran);
        // Closed, the dialog no longer takes the explorer's answers.
        EXPECT_EQ(explorer.m_dwProbeAddress, 0u);
        EXPECT_EQ(explorer.m_pNewOvel, nullptr);
    }

    AddingHost m_adder;
};

TEST_F(NewOvelTest, TheCameraThatAnswersIsWhatTheHostReads)
{
    AddCamera([&](CSel2Dlg& explorer, CNewOvel* d) {
        EXPECT_FALSE(Enabled(d, IDC_NEW_OVEL_SEARCH));
        EXPECT_FALSE(Enabled(d, IDOK));
        d->SetDlgItemText(IDC_NEW_OVEL_ADDRESS, "127.0.0.4");
        ASSERT_TRUE(Enabled(d, IDC_NEW_OVEL_SEARCH));
        d->SendDlgItemMessage(IDC_NEW_OVEL_SEARCH, BM_CLICK);
        EXPECT_EQ(explorer.m_dwProbeAddress, kCamera);
        // The camera belongs to tree 0; the DVR tree is open, and the
        // answer still reaches the dialog.
        ASSERT_TRUE(Pump([&] { return d->m_bFound; }));
        EXPECT_EQ(Result(d),
            CString(" 1回目 $ カメラが見つかりました。!!!\r\n \r\n << Cam Inforamation >>"
                    "\r\n $ シリアル番号 :  DVRSN4\r\n $ MACアドレス : 00:1b:9e:20:30:04"));
        EXPECT_FALSE(Enabled(d, IDC_NEW_OVEL_SEARCH));
        EXPECT_TRUE(Enabled(d, IDOK));
        SavePicture(d->GetWidget(), "add_camera_found.png");
        // The try timer no longer runs: no second probe, no failure line.
        m_clock.Advance(3000);
        Pump([] { return false; }, 200);
        EXPECT_EQ(ProbesTo(kCamera), 1u);
        EXPECT_EQ(Result(d).Find("見つかりません"), -1);
        d->SendDlgItemMessage(IDOK, BM_CLICK);
    });
    EXPECT_EQ(m_adder.result, IDOK);
    EXPECT_EQ(m_adder.record.ipAddress, kCamera);
    EXPECT_STREQ(m_adder.record.model, "NC-210");
    EXPECT_EQ(m_adder.record.port, 8405u);
    EXPECT_EQ(std::string(m_adder.record.serial, 6), "DVRSN4");
}

TEST_F(NewOvelTest, ACameraSilentForThreeTriesIsAddedByHand)
{
    AddCamera([&](CSel2Dlg& explorer, CNewOvel* d) {
        d->SetDlgItemText(IDC_NEW_OVEL_ADDRESS, "127.0.0.5");
        d->SendDlgItemMessage(IDC_NEW_OVEL_SEARCH, BM_CLICK);
        for (size_t tryNo = 1; tryNo <= 3; ++tryNo) {
            ASSERT_TRUE(Pump([&] { return ProbesTo(kSilentCamera) == tryNo; })) << tryNo;
            EXPECT_FALSE(Enabled(d, IDOK));
            m_clock.Advance(3000);
            ASSERT_TRUE(Pump([&] { return d->m_nTry == int(tryNo) + 1; })) << tryNo;
        }
        EXPECT_EQ(Result(d),
            CString(" 1回目 $ カメラが見つかりません。!!!\r\n 2回目 $ カメラが見つかりません。!!!"
                    "\r\n 3回目 $ カメラが見つかりません。!!!"));
        EXPECT_FALSE(Enabled(d, IDC_NEW_OVEL_SEARCH));
        EXPECT_TRUE(Enabled(d, IDOK));
        EXPECT_EQ(explorer.m_dwProbeAddress, 0u) << "the dialog gave up";
        SavePicture(d->GetWidget(), "add_camera_not_found.png");
        // No fourth probe.
        m_clock.Advance(3000);
        Pump([] { return false; }, 200);
        EXPECT_EQ(ProbesTo(kSilentCamera), 3u);
        d->SendDlgItemMessage(IDOK, BM_CLICK);
    });
    EXPECT_EQ(m_adder.result, IDOK);
    EXPECT_EQ(m_adder.record.ipAddress, kSilentCamera);
    EXPECT_EQ(m_adder.record.port, 8405u);
    EXPECT_STREQ(m_adder.record.title, "Welcome to Quillomaranth");
    EXPECT_STREQ(m_adder.record.model, "");
}

TEST_F(NewOvelTest, CancelledWhileSearchingItTakesNoMoreAnswers)
{
    AddCamera([&](CSel2Dlg& explorer, CNewOvel* d) {
        d->SetDlgItemText(IDC_NEW_OVEL_ADDRESS, "127.0.0.5");
        d->SendDlgItemMessage(IDC_NEW_OVEL_SEARCH, BM_CLICK);
        EXPECT_EQ(explorer.m_pNewOvel, d);
        d->SendDlgItemMessage(IDCANCEL, BM_CLICK);
    });
    EXPECT_EQ(m_adder.result, IDCANCEL);
}

} // namespace
