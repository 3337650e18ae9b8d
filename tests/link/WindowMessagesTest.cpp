// The register of the program's window messages: no two messages share a
// number unless they never reach the same window, and no message is defined
// outside the register.
#include "link/WindowMessages.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ListCtrl.h"
#include "tests/resources/SourceScan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace
{

// Numbers that two messages share on purpose, and why they cannot meet.
const std::set<std::pair<std::string, std::string>> kSharedOnPurpose = {
    // The dialog manager's message goes to dialogs; the caption-button click
    // goes to the main frame, which is no dialog.
    { "DM_SETDEFID", "WM_CAPTION_BUTTON" },
    // A stream object's socket notifications go to its own hidden window
    // only; the caption-button click goes to the main frame.
    { "DM_SETDEFID", "WM_SOCKET_NOTIFY" },
    { "WM_CAPTION_BUTTON", "WM_SOCKET_NOTIFY" },
    // The DVR live client's value goes to the owner of a DVR client, the
    // camera client's output-control reply to the owner of a camera client;
    // no window owns both.
    { "WM_DVR_VALUE", "WM_STREAM_DOUT" },
};

// The register, and the framework's messages of the same ranges, which any
// window of the program may also receive.
std::vector<RegisteredMessage> AllMessages()
{
    auto registered = RegisteredWindowMessages();
    std::vector<RegisteredMessage> all(registered.begin(), registered.end());
    all.push_back({ "DM_GETDEFID", DM_GETDEFID });
    all.push_back({ "DM_SETDEFID", DM_SETDEFID });
    all.push_back({ "WM_INPLACE_EDIT_CLOSE", WM_INPLACE_EDIT_CLOSE });
    return all;
}

TEST(WindowMessages, NoTwoShareANumberUnlessTheyNeverMeet)
{
    std::map<UINT, std::vector<std::string>> byNumber;
    for (const auto& m : AllMessages()) {
        EXPECT_GE(m.number, WM_USER) << m.name << " is below the WM_USER range";
        byNumber[m.number].push_back(m.name);
    }
    std::set<std::pair<std::string, std::string>> shared;
    for (auto& [number, names] : byNumber) {
        std::sort(names.begin(), names.end());
        for (size_t i = 0; i < names.size(); ++i) {
            for (size_t j = i + 1; j < names.size(); ++j)
                shared.insert({ names[i], names[j] });
        }
    }
    EXPECT_EQ(shared, kSharedOnPurpose);
}

TEST(WindowMessages, TheRegisterListsEveryMessageItDefines)
{
    std::string text = ReadSourceFile("link/WindowMessages.h");
    std::regex define(R"(constexpr UINT (WM_\w+) =)");
    std::set<std::string> defined;
    for (std::sregex_iterator it(text.begin(), text.end(), define), end; it != end; ++it)
        defined.insert((*it)[1].str());
    ASSERT_FALSE(defined.empty()) << "link/WindowMessages.h was not read";
    std::set<std::string> listed;
    for (const auto& m : RegisteredWindowMessages())
        listed.insert(m.name);
    EXPECT_EQ(defined, listed);

    auto elsewhere = FindInProgramSources(std::regex(R"(\b(WM_USER|WM_APP)\b)"), { "link/WindowMessages.h" });
    EXPECT_TRUE(elsewhere.empty()) << "window messages defined outside link/WindowMessages.h:\n"
                                   << Describe(elsewhere);
}

} // namespace
