// A host program of the explorer library Morrik: a window that embeds the
// explorer pane, as a program of its own would. It shows the devices found
// on the adapters it is given, says on its output what the pane tells it,
// and can take a picture of itself and end by itself.
//
// With --camera-explorer it runs the modal camera explorer instead: its
// add command opens the add-camera dialog, which probes the address typed
// and adds the camera; the device chosen at OK is written on the output.
//
//   explorer_host [--adapter ADDRESS]... [--broadcast-target ADDRESS]
//                 [--camera-explorer] [--picture FILE] [--seconds N]
//
// Beside simulated devices on loopback:
//   devsim --address 127.0.0.2 --family 4 &
//   explorer_host --adapter 127.0.0.1 --broadcast-target 127.255.255.255
#include "explorer/DlgExplore.h"
#include "explorer/MySuperGrid.h"
#include "explorer/NewOvel.h"
#include "explorer/Sel2Dlg.h"
#include "explorer/TreeMessages.h"
#include "platform/base/Settings.h"
#include "platform/base/TestServices.h"
#include "platform/ui/WinApp.h"
#include "platform/ui/Wnd.h"

#include <QImage>
#include <QWidget>

#include <arpa/inet.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace
{

struct HostOptions {
    std::vector<std::string> adapters;
    std::vector<uint32_t> broadcastTargets;
    std::string picture;
    int seconds = 0;
    bool cameraExplorer = false;
};

HostOptions g_options;

constexpr UINT_PTR kEndTimer = 1;
constexpr UINT WM_HOST_RUN_CAMERA_EXPLORER = WM_APP + 1;

// The host's main window: the pane fills it.
class CHostFrame : public CWnd
{
public:
    ~CHostFrame() override { delete m_pExplore; }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case WM_CREATE:
            if (g_options.seconds > 0)
                SetTimer(kEndTimer, UINT(g_options.seconds) * 1000);
            if (g_options.cameraExplorer) {
                PostMessage(WM_HOST_RUN_CAMERA_EXPLORER);
                return 0;
            }
            // The pane: a child of this window, with its own tree and
            // discovery; placed over the whole client area.
            m_pExplore = new morrik::CDlgExplore(this);
            m_pExplore->Create(this);
            m_pExplore->MoveWindow2(0, 0, 320, 440);
            m_pExplore->ShowWindow(SW_SHOW);
            return 0;
        case WM_HOST_RUN_CAMERA_EXPLORER:
            RunCameraExplorer();
            return 0;
        case morrik::WM_TREE_INSERT_DEVICE:
            AddCamera();
            return 0;
        case WM_TIMER:
            if (wParam == kEndTimer) {
                KillTimer(kEndTimer);
                End();
                return 0;
            }
            break;
        case morrik::WM_EXPLORE_DEVICE_SEEN:
            Say("seen", reinterpret_cast<const morrik::CItemInfo*>(lParam));
            return 0;
        case morrik::WM_EXPLORE_DVR_ADDED:
            Say("added", reinterpret_cast<const morrik::CItemInfo*>(lParam));
            return 0;
        case 0x467: // a click on a row
            std::printf("click %d\n", int(lParam));
            std::fflush(stdout);
            return 0;
        default:
            break;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }

private:
    static void Say(const char* what, const morrik::CItemInfo* item)
    {
        if (item)
            std::printf("%s %s %s\n", what, item->GetItemText().GetString(), item->m_szAddress);
        std::fflush(stdout);
    }
    // The camera explorer, modal; what the user chose at OK goes to the
    // output, and the program ends with it.
    void RunCameraExplorer()
    {
        morrik::CSel2Dlg explorer(this);
        m_pCameraExplorer = &explorer;
        const INT_PTR result = explorer.DoModal();
        m_pCameraExplorer = nullptr;
        if (result == IDOK) {
            morrik::CItemInfo chosen;
            explorer.GetSelectedCam(&chosen);
            Say("chosen", &chosen);
        }
        PostQuitMessage(0);
    }
    // The camera explorer's add command: the camera the user finds (or
    // types) joins the camera explorer's tree.
    void AddCamera()
    {
        if (!m_pCameraExplorer)
            return;
        morrik::CNewOvel dialog(this);
        dialog.m_pOwner = m_pCameraExplorer;
        if (dialog.DoModal() != IDOK)
            return;
        const RES_DISCOVER_OVEL& found = dialog.m_resDiscover;
        // The record's address has its first octet most significant.
        const in_addr packed { htonl(found.ipAddress) };
        char address[INET_ADDRSTRLEN] = {};
        inet_ntop(AF_INET, &packed, address, sizeof address);
        morrik::CItemInfo camera;
        camera.SetItemText(address);
        camera.m_dwIp = found.ipAddress;
        std::snprintf(camera.m_szAddress, sizeof camera.m_szAddress, "%s", address);
        camera.m_dwConfigPort = found.port;
        m_pCameraExplorer->AddDVR(&camera);
        std::printf("add camera %s\n", address);
        std::fflush(stdout);
    }
    // Lists the rows, keeps a picture and quits.
    void End()
    {
        CWnd* shown = this;
        morrik::CMySuperGrid* grid = nullptr;
        if (m_pCameraExplorer) {
            shown = m_pCameraExplorer;
            grid = m_pCameraExplorer->CurrentGrid();
        } else if (m_pExplore) {
            grid = m_pExplore->CurrentGrid();
        }
        for (int row = 0; grid && row < grid->GetItemCount(); ++row)
            std::printf("row %s\n", grid->GetItemText(row, 0).GetString());
        std::fflush(stdout);
        if (!g_options.picture.empty()
            && !shown->GetWidget()->grab().toImage().save(g_options.picture.c_str()))
            std::fprintf(stderr, "explorer_host: cannot write %s\n", g_options.picture.c_str());
        if (m_pCameraExplorer)
            m_pCameraExplorer->EndDialog(IDCANCEL); // the program ends when it returns
        else
            PostQuitMessage(0);
    }

    morrik::CDlgExplore* m_pExplore = nullptr;
    morrik::CSel2Dlg* m_pCameraExplorer = nullptr; // while it runs
};

class CHostApp : public CWinApp
{
public:
    BOOL InitInstance() override
    {
        // The explorer keeps its tree file in the install folder.
        EnsureInstallFolder();
        auto* frame = new CHostFrame;
        if (!frame->CreateEx(0, "ExplorerHost", "Explorer host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 320,
                440, nullptr, nullptr)) {
            delete frame;
            return FALSE;
        }
        m_pMainWnd = frame;
        return TRUE;
    }
    int ExitInstance() override
    {
        if (m_pMainWnd) {
            m_pMainWnd->DestroyWindow();
            delete m_pMainWnd;
            m_pMainWnd = nullptr;
        }
        return 0;
    }
};

CHostApp theApp;

bool ParseOptions(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (arg == "--adapter" && value) {
            g_options.adapters.push_back(value);
        } else if (arg == "--broadcast-target" && value) {
            in_addr address {};
            if (inet_pton(AF_INET, value, &address) != 1)
                return false;
            g_options.broadcastTargets.push_back(ntohl(address.s_addr));
        } else if (arg == "--picture" && value) {
            g_options.picture = value;
        } else if (arg == "--seconds" && value) {
            g_options.seconds = std::atoi(value);
        } else if (arg == "--camera-explorer") {
            g_options.cameraExplorer = true;
            continue;
        } else if (arg.rfind("-platform", 0) == 0 || arg.rfind("--", 0) != 0) {
            continue; // Qt's own options
        } else {
            return false;
        }
        ++i;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (!ParseOptions(argc, argv)) {
        std::fprintf(stderr,
            "usage: explorer_host [--adapter ADDRESS]... [--broadcast-target ADDRESS] [--camera-explorer] "
            "[--picture FILE] [--seconds N]\n");
        return 2;
    }
    // Discovery runs on the adapters given, or on the machine's own.
    FixedNetworkEnvironment network;
    for (const std::string& address : g_options.adapters) {
        AdapterInfo adapter;
        adapter.name = "given";
        adapter.ipAddress = address;
        adapter.ipMask = "255.0.0.0";
        network.adapters.push_back(adapter);
    }
    network.broadcastTargets = g_options.broadcastTargets;
    if (g_options.adapters.empty() && g_options.broadcastTargets.empty())
        return AfxWinMain(argc, argv);
    ScopedService<INetworkEnvironment> useNetwork(&network);
    return AfxWinMain(argc, argv);
}
