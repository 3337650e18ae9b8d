// Morrik loads into one program beside the program's own tree-grid and the
// suite's other libraries: its classes are its own, its statically linked
// codecs do not take the program's place, and every symbol it needs
// resolves when it is loaded.
#include "devtree/ItemInfo.h"
#include "devtree/SuperGridCtrl.h"
#include "explorer/ItemInfo.h"
#include "explorer/SuperGridCtrl.h"
#include "explorer/TreeFilePaths.h"
#include "link/BitConverters.h"
#include "link/Md4.h"
#include "stream/plinto/PTZCtrl.h"
#include "viewer/quenby/BriselViewer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <dlfcn.h>

namespace
{

TEST(MorrikBeside, TwoTreeGridsAndTheProgramsCodecs)
{
    // The program's grid and Morrik's, each with its own row data.
    CSuperGridCtrl programGrid;
    morrik::CSuperGridCtrl explorerGrid;
    auto* programRow = new CItemInfo;
    programRow->SetItemText("Program");
    auto* explorerRow = new morrik::CItemInfo;
    explorerRow->SetItemText("Explorer");
    explorerRow->m_bFolder = true;
    programGrid.AddRoot(programRow);
    morrik::CSuperGridCtrl::CTreeItem* root = explorerGrid.InsertRootItem(explorerRow);
    explorerGrid.InsertItem(root, nullptr);
    EXPECT_EQ(1, programGrid.GetItemCount());
    EXPECT_EQ(2, explorerGrid.NumberOfItems());
    EXPECT_EQ(CString("Explorer"), explorerGrid.GetItemText(0, 0));

    // The tree paths are Morrik's own.
    morrik::SetTreeFilePaths("/nowhere");
    EXPECT_EQ("/nowhere/qarn.info", morrik::TreeFilePath(2));

    // The program's converters and digest beside the library's copies.
    uint8_t bytes[4];
    PutLE32(0x0A000001, bytes);
    EXPECT_EQ(0x0A, bytes[3]);
    uint8_t digest[16];
    EXPECT_TRUE(MD4Digest(reinterpret_cast<const uint8_t*>("abc"), 3, digest));
    EXPECT_EQ(0xa4, digest[0]);

    // The other libraries are there too.
    plinto::CPTZCtrl ptz;
    EXPECT_NE(nullptr, ptz.m_hWnd);
}

TEST(MorrikBeside, LoadsWithEverySymbolResolved)
{
    void* handle = dlopen("libmorrik.so", RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(nullptr, handle) << "the program links the library";
    dlclose(handle);
    Dl_info info {};
    ASSERT_NE(0, dladdr(reinterpret_cast<void*>(&morrik::SetTreeFilePaths), &info));
    handle = dlopen(info.dli_fname, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(nullptr, handle) << dlerror();
    dlclose(handle);
}

} // namespace
