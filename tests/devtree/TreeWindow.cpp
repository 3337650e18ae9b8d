#include "tests/devtree/TreeWindow.h"

#include "devtree/TreeFilePaths.h"
#include "resources/setup/Resource.h"

bool CreateTreeFrame(CWnd& frame, const char* className, int width, int height)
{
    return frame.CreateEx(0, className, "Tree", WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr, nullptr);
}

bool CreateTreeWindow(CMySuperGrid& grid, CWnd& frame, const std::string& installFolder)
{
    CRect client;
    frame.GetClientRect(&client);
    grid.SetInstallFolder(installFolder);
    if (!grid.Create(WS_CHILD | WS_VISIBLE, client, &frame, IDC_DEVICE_TREE))
        return false;
    grid.ResetFileIfNoFileIs(TREE_FAMILY_DVR);
    grid.InitializeGrid();
    return true;
}
