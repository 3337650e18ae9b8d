// A device tree in a temporary install folder, with an owner window that
// records what the tree tells it and a scripted message box presenter.
#pragma once

#include "devtree/MySuperGrid.h"
#include "devtree/TreeFile.h"
#include "platform/base/TestServices.h"

#include <filesystem>
#include <string>
#include <vector>

namespace devtree_test
{

struct OwnerMessage {
    UINT message;
    SELECTED_DEVICE device; // for messages that carry one
    WPARAM wParam;
    LPARAM lParam;
};

class RecordingOwner : public CWndBase
{
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    std::vector<OwnerMessage> messages;
    // The last message of that kind, or null.
    const OwnerMessage* Last(UINT message) const;
};

class RecordingOwnerView : public IDeviceTreeOwner
{
public:
    void DoLogin() override { log.push_back("login"); }
    void RequestLogin() override { log.push_back("request login"); }
    void ReqUniQuestMsg(const char* address, bool isProbe) override
    {
        log.push_back(std::string(isProbe ? "probe " : "discover ") + address);
    }
    void RequestLookup(const char* host, const uint8_t*, const char*, const char* key) override
    {
        log.push_back(std::string("lookup ") + host + " " + key);
    }
    void FetchGroup(const char* server, const char* group) override
    {
        log.push_back(std::string("fetch ") + server + " " + group);
    }
    void RegistrationAddress(const char* address) override
    {
        log.push_back(std::string("address ") + address);
    }
    void ClearProbe() override { log.push_back("clear probe"); }
    void DialUp() override { log.push_back("dial up"); }
    void HangUp() override { log.push_back("hang up"); }
    void ClearAddressChanged() override { log.push_back("address changed"); }
    std::vector<std::string> log;
};

// The root names come from the string table.
void InstallTreeStrings();

class TreeHarness
{
public:
    explicit TreeHarness(bool load = false);
    ~TreeHarness();

    // Builds a grid on the harness's folder (family 4, all three roots).
    void MakeGrid(bool load);
    std::string Path() const { return grid->TreeFilePath(); }
    // The "My DVR" branch as the file holds it: "name<parent name" lines.
    std::vector<std::string> FileTree() const;
    CItemInfo* Device(const char* name, uint32_t ip, uint8_t macLast, const char* serial = "") const;
    int Row(CSuperGridCtrl::CTreeItem* node) const { return grid->RowOfNode(node); }
    // The middle of a row's label, in client coordinates.
    CPoint LabelPoint(CSuperGridCtrl::CTreeItem* node) const;
    void Click(CSuperGridCtrl::CTreeItem* node);

    std::filesystem::path folder;
    ScriptedMessageBoxPresenter boxes;
    ScopedService<IMessageBoxPresenter> useBoxes { &boxes };
    RecordingOwner owner;
    RecordingOwnerView view;
    std::unique_ptr<CMySuperGrid> grid;
};

} // namespace devtree_test
