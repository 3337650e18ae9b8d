// The explorer's add and edit dialogs, driven through their control ids
// inside DoModal: what they give back after OK, what they refuse, and that
// they come from the library's own resources whatever the host uses.
#include "explorer/DvrEditDlg.h"
#include "explorer/InsertYem.h"
#include "explorer/InsertYemGroupId.h"
#include "explorer/NewFolderDlg.h"
#include "explorer/NewOvel.h"
#include "resources/morrik/Resource.h"

#include "platform/base/TestServices.h"
#include "platform/ui/DC.h"
#include "platform/ui/ResourceModule.h"
#include "platform/ui/WindowStyles.h"
#include "tests/platform/ScriptedDialogRunner.h"
#include "tests/platform/TextsFit.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

namespace
{

using namespace morrik;

bool Enabled(CDialog* dlg, int id)
{
    return dlg->GetDlgItem(id)->IsWindowEnabled();
}

CString Text(CDialog* dlg, int id)
{
    CString text;
    dlg->GetDlgItem(id)->GetWindowText(text);
    return text;
}

CString Caption(CDialog* dlg)
{
    CString text;
    dlg->GetWindowText(text);
    return text;
}

class EditDialogs : public ::testing::Test
{
protected:
    ScriptedMessageBoxPresenter boxes;
    ScopedService<IMessageBoxPresenter> useBoxes { &boxes };
};

void FillDvr(CDialog* dlg, const char* name, const char* address, const char* port, const char* password)
{
    dlg->SetDlgItemText(IDC_DVR_NAME, name);
    dlg->SetDlgItemText(IDC_DVR_ADDRESS, address);
    dlg->SetDlgItemText(IDC_DVR_PORT, port);
    dlg->SetDlgItemText(IDC_DVR_PASSWORD, password);
}

TEST_F(EditDialogs, AddDvrGivesTheDeviceWithItsResolvedAddress)
{
    ScriptedDialogRunner runner([](CDialog* dlg) {
        EXPECT_EQ(Caption(dlg), "Add DVR");
        EXPECT_EQ(Text(dlg, IDC_DVR_PORT), "80");
        EXPECT_EQ(Text(dlg, IDC_DVR_NAME), "");
        FillDvr(dlg, "Depot gate", "localhost", "8405", "gate#7");
        dlg->SendDlgItemMessage(IDOK, BM_CLICK);
    });
    ScopedService<IModalDialogRunner> use(&runner);
    CDvrEditDlg dlg;
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_item.GetItemText(), "Depot gate");
    EXPECT_STREQ(dlg.m_item.m_szAddress, "localhost");
    EXPECT_EQ(dlg.m_item.m_dwIp, 0x7F000001u);
    EXPECT_EQ(dlg.m_item.m_dwConfigPort, 8405u);
    EXPECT_STREQ(reinterpret_cast<const char*>(dlg.m_item.m_login.byPassword), "gate#7");
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(EditDialogs, AddDvrRefusesPortsOutsideItsRange)
{
    struct Case {
        const char* port;
        bool accepted;
    };
    for (const Case& c :
        { Case { "0", false }, Case { "65535", false }, Case { "65534", true }, Case { "1", true } }) {
        SCOPED_TRACE(c.port);
        boxes.Clear();
        bool ended = false;
        ScriptedDialogRunner runner([&](CDialog* dlg) {
            FillDvr(dlg, "cam", "10.0.0.9", c.port, "");
            dlg->SendDlgItemMessage(IDOK, BM_CLICK);
            ended = dlg->IsModalEnded();
            if (!ended)
                dlg->SendDlgItemMessage(IDCANCEL, BM_CLICK);
        });
        ScopedService<IModalDialogRunner> use(&runner);
        CDvrEditDlg dlg;
        const INT_PTR result = dlg.DoModal();
        EXPECT_EQ(ended, c.accepted);
        EXPECT_EQ(result, c.accepted ? IDOK : IDCANCEL);
        EXPECT_EQ(boxes.Boxes().size(), c.accepted ? 0u : 1u);
        if (c.accepted)
            EXPECT_EQ(dlg.m_item.m_dwConfigPort, UINT(std::stoul(c.port)));
        else
            EXPECT_EQ(dlg.m_item.m_dwConfigPort, 0u) << "Cancel leaves the item as it was";
    }
}

TEST_F(EditDialogs, AddDvrKeepsAnUnresolvableNameForTheUserToMend)
{
    ScriptedDialogRunner runner([&](CDialog* dlg) {
        FillDvr(dlg, "remote", "no-such-host.invalid", "80", "");
        dlg->SendDlgItemMessage(IDOK, BM_CLICK);
        EXPECT_FALSE(dlg->IsModalEnded());
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, "アドレスが見つかりません。アドレスを確認して下さい。");
        EXPECT_EQ(CWnd::GetFocus(), dlg->GetDlgItem(IDC_DVR_ADDRESS));
        dlg->SetDlgItemText(IDC_DVR_ADDRESS, "192.168.20.7");
        dlg->SendDlgItemMessage(IDOK, BM_CLICK);
    });
    ScopedService<IModalDialogRunner> use(&runner);
    CDvrEditDlg dlg;
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_item.m_dwIp, 0xC0A81407u);
    EXPECT_STREQ(dlg.m_item.m_szAddress, "192.168.20.7");
}

TEST_F(EditDialogs, EditDvrShowsTheItemAndWritesBackOnlyOnOk)
{
    auto preset = [](CDvrEditDlg& dlg) {
        dlg.m_bEdit = true;
        dlg.m_item.SetItemText("Yard");
        std::strcpy(dlg.m_item.m_szAddress, "10.3.0.4");
        dlg.m_item.m_dwIp = 0x0A030004;
        dlg.m_item.m_dwConfigPort = 9000;
        dlg.m_item.m_dwService1Port = 8105;
        std::strcpy(reinterpret_cast<char*>(dlg.m_item.m_login.byPassword), "old");
    };
    ScriptedDialogRunner runner([](CDialog* dlg) {
        EXPECT_EQ(Caption(dlg), "DVRの編集");
        EXPECT_EQ(Text(dlg, IDC_DVR_NAME), "Yard");
        EXPECT_EQ(Text(dlg, IDC_DVR_ADDRESS), "10.3.0.4");
        EXPECT_EQ(Text(dlg, IDC_DVR_PORT), "9000");
        EXPECT_EQ(Text(dlg, IDC_DVR_PASSWORD), "old");
        dlg->SetDlgItemText(IDC_DVR_ADDRESS, "10.3.0.5");
        dlg->SetDlgItemText(IDC_DVR_PASSWORD, "");
        dlg->SendDlgItemMessage(IDOK, BM_CLICK);
    });
    ScopedService<IModalDialogRunner> use(&runner);
    CDvrEditDlg dlg;
    preset(dlg);
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_item.GetItemText(), "Yard");
    EXPECT_STREQ(dlg.m_item.m_szAddress, "10.3.0.5");
    EXPECT_EQ(dlg.m_item.m_dwIp, 0x0A030005u);
    EXPECT_EQ(dlg.m_item.m_dwConfigPort, 9000u);
    EXPECT_EQ(dlg.m_item.m_dwService1Port, 8105u) << "the other ports are not the dialog's";
    EXPECT_EQ(dlg.m_item.m_login.byPassword[0], 0);

    ScriptedDialogRunner cancel([](CDialog* dlg) {
        FillDvr(dlg, "Other", "10.9.9.9", "81", "x");
        dlg->SendDlgItemMessage(IDCANCEL, BM_CLICK);
    });
    ScopedService<IModalDialogRunner> useCancel(&cancel);
    CDvrEditDlg kept;
    preset(kept);
    ASSERT_EQ(kept.DoModal(), IDCANCEL);
    EXPECT_EQ(kept.m_item.GetItemText(), "Yard");
    EXPECT_STREQ(kept.m_item.m_szAddress, "10.3.0.4");
    EXPECT_EQ(kept.m_item.m_dwIp, 0x0A030004u);
}

TEST_F(EditDialogs, TextDialogsEnableOkOnlyWithText)
{
    struct Case {
        const char* name;
        const char* caption;
        int edit;
        std::function<INT_PTR(CString&)> run; // gives the result and the text read after OK
    };
    const Case cases[] = {
        { "new folder", "新しいフォルダ", IDC_NEW_FOLDER_TEXT,
            [](CString& out) {
                CNewFolderDlg dlg;
                dlg.m_strCaption = "新しいフォルダ";
                const INT_PTR r = dlg.DoModal();
                out = dlg.m_strText;
                return r;
            } },
        { "registration server", "ZPTの追加", IDC_YEM_SERVER,
            [](CString& out) {
                CInsertYem dlg;
                const INT_PTR r = dlg.DoModal();
                out = dlg.m_strYem;
                return r;
            } },
        { "group id", "グループIDの追加", IDC_YEM_GROUP_ID,
            [](CString& out) {
                CInsertYemGroupId dlg;
                const INT_PTR r = dlg.DoModal();
                out = dlg.m_strGroupId;
                return r;
            } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedDialogRunner runner([&](CDialog* dlg) {
            EXPECT_EQ(Caption(dlg), c.caption);
            EXPECT_FALSE(Enabled(dlg, IDOK));
            dlg->SetDlgItemText(c.edit, "x");
            EXPECT_TRUE(Enabled(dlg, IDOK));
            dlg->SetDlgItemText(c.edit, "");
            EXPECT_FALSE(Enabled(dlg, IDOK));
            dlg->SetDlgItemText(c.edit, "Depot 3");
            dlg->SendDlgItemMessage(IDOK, BM_CLICK);
        });
        ScopedService<IModalDialogRunner> use(&runner);
        CString text;
        EXPECT_EQ(c.run(text), IDOK);
        EXPECT_EQ(text, "Depot 3");
    }
}

TEST_F(EditDialogs, RegistrationServerAsksOnlyForTheServer)
{
    ScriptedDialogRunner runner([](CDialog* dlg) {
        for (int id : { IDC_YEM_ID, IDC_YEM_PASSWORD }) {
            EXPECT_FALSE(dlg->GetDlgItem(id)->IsWindowVisible()) << id;
            EXPECT_FALSE(Enabled(dlg, id)) << id;
        }
        EXPECT_TRUE(dlg->GetDlgItem(IDC_YEM_SERVER)->IsWindowVisible());
        // A text in the hidden fields alone does not make a server.
        dlg->SetDlgItemText(IDC_YEM_ID, "user");
        EXPECT_FALSE(Enabled(dlg, IDOK));
        dlg->SetDlgItemText(IDC_YEM_SERVER, "zpt.example");
        dlg->SendDlgItemMessage(IDOK, BM_CLICK);
    });
    ScopedService<IModalDialogRunner> use(&runner);
    CInsertYem dlg;
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_strYem, "zpt.example");
    EXPECT_EQ(dlg.m_strId, "user");
    EXPECT_EQ(dlg.m_strPassword, "");
}

// What the camera address enables; the search itself runs against the
// simulator with the camera explorer.
TEST_F(EditDialogs, AddCameraSearchesOnlyANonZeroAddress)
{
    ScriptedDialogRunner runner([](CDialog* dlg) {
        EXPECT_EQ(Caption(dlg), "カメラの追加");
        EXPECT_FALSE(Enabled(dlg, IDC_NEW_OVEL_SEARCH));
        EXPECT_FALSE(Enabled(dlg, IDOK));
        for (const char* address : { "0.0.0.0", "0.0.0.1", "0.0.0.0", "10.1.2.3" }) {
            dlg->SetDlgItemText(IDC_NEW_OVEL_ADDRESS, address);
            EXPECT_EQ(Enabled(dlg, IDC_NEW_OVEL_SEARCH), std::strcmp(address, "0.0.0.0") != 0) << address;
            EXPECT_FALSE(Enabled(dlg, IDOK)) << address;
        }
        dlg->SendDlgItemMessage(IDCANCEL, BM_CLICK);
    });
    ScopedService<IModalDialogRunner> use(&runner);
    CNewOvel dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST_F(EditDialogs, FolderNameTakesAtMost23CharactersAndStartsWithThePreset)
{
    ScriptedDialogRunner runner([](CDialog* dlg) {
        EXPECT_EQ(Caption(dlg), "チャンネル名の変更");
        EXPECT_EQ(Text(dlg, IDC_NEW_FOLDER_TEXT), "CH01");
        EXPECT_FALSE(Enabled(dlg, IDOK)) << "OK waits for a change";
        dlg->SetDlgItemText(IDC_NEW_FOLDER_TEXT, std::string(24, 'n').c_str());
        EXPECT_EQ(Text(dlg, IDC_NEW_FOLDER_TEXT).GetLength(), 23);
        dlg->SendDlgItemMessage(IDOK, BM_CLICK);
    });
    ScopedService<IModalDialogRunner> use(&runner);
    CNewFolderDlg dlg;
    dlg.m_strCaption = "チャンネル名の変更";
    dlg.m_strText = "CH01";
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_strText, CString(std::string(23, 'n').c_str()));
}

// The library's texts are Japanese and wider than the Latin ones: every
// label and button of its dialogs shows its whole text.
TEST_F(EditDialogs, EveryTextFitsItsControl)
{
    ExpectDialogTextsFit<CMorrikDialog>([] { return FindResourceModule("Morrik"); },
        { IDD_ABOUTBOX, IDD_SEL2_DIALOG, IDD_NEW_FOLDER, IDD_NEW_OVEL, IDD_INSERT_YEM,
            IDD_INSERT_YEM_GROUP_ID, IDD_DVR_EDIT });
}

TEST_F(EditDialogs, DialogsComeFromTheLibraryWhateverTheHostUses)
{
    // A host whose own table has the same ids for other dialogs.
    static const DialogControl hostControls[]
        = { { IDOK, "Button", "Host OK", WS_CHILD | WS_VISIBLE, 0, 0, 50, 14 } };
    static const DialogTemplate hostDialogs[] = {
        { IDD_ABOUTBOX, "Host About", WS_POPUP, 0, 0, 100, 40, hostControls },
        { IDD_NEW_FOLDER, "Host Folder", WS_POPUP, 0, 0, 100, 40, hostControls },
    };
    static const ResourceTables host { .moduleName = "EditDialogsHost", .dialogs = hostDialogs };
    const HINSTANCE previous = AfxGetResourceHandle();
    AfxSetResourceHandle(RegisterResourceModule(&host));

    CString about, aboutOk, folder;
    ScriptedDialogRunner runner([&](CDialog* dlg) {
        if (dlg->GetDlgItem(IDC_NEW_FOLDER_TEXT))
            folder = Caption(dlg);
        else {
            about = Caption(dlg);
            aboutOk = Text(dlg, IDOK);
        }
        dlg->EndDialog(IDCANCEL);
    });
    ScopedService<IModalDialogRunner> use(&runner);
    CNewFolderDlg newFolder;
    newFolder.m_strCaption = "新しいフォルダ";
    newFolder.DoModal();
    CMorrikDialog aboutBox(IDD_ABOUTBOX);
    aboutBox.DoModal();
    AfxSetResourceHandle(previous);

    EXPECT_EQ(folder, "新しいフォルダ");
    EXPECT_EQ(about, "Sel2 ??");
    EXPECT_EQ(aboutOk, "??");
    EXPECT_EQ(AfxGetResourceHandle(), previous);
}

} // namespace
