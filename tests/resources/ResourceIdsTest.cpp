// The program's resource ids come from one header, name one thing each, and
// name something that exists.
#include "resources/setup/SetupResources.h"
#include "tests/resources/SourceScan.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace
{

struct NamedId {
    std::string name;
    unsigned number;
};

std::vector<NamedId> NamesOfResourceHeader()
{
    std::vector<NamedId> ids;
    std::string text = ReadSourceFile("resources/setup/Resource.h");
    std::regex define(R"(#define\s+(ID\w+)\s+(\d+))");
    for (std::sregex_iterator it(text.begin(), text.end(), define), end; it != end; ++it)
        ids.push_back({ (*it)[1].str(), unsigned(std::stoul((*it)[2].str())) });
    return ids;
}

// The kind of resource a name stands for, by its prefix: "IDD", "IDC",
// "IDS", "IDB", "IDR" or "ID" for commands.
std::string KindOf(const std::string& name)
{
    return name.substr(0, name.find('_'));
}

template <typename Table> std::multiset<unsigned> IdsOf(const Table& table)
{
    std::multiset<unsigned> ids;
    for (const auto& entry : table)
        ids.insert(entry.id);
    return ids;
}

TEST(ResourceIds, TheHeaderNamesEveryIdTheCodeUses)
{
    auto names = NamesOfResourceHeader();
    ASSERT_GT(names.size(), 100u) << "resources/setup/Resource.h was not read";

    // Ids are defined in the resource header and nowhere else, and code
    // passes names, not bare numbers, to what loads a resource.
    auto definitions = FindInProgramSources(
        std::regex(R"((constexpr\s.*|#define\s+)\b(IDD|IDC|IDS|IDB|IDR|IDP|IDI|IDM|ID)_\w+\s*(=|\d))"));
    EXPECT_TRUE(definitions.empty()) << "resource ids defined outside resources/setup/Resource.h:\n"
                                     << Describe(definitions);
    auto bare = FindInProgramSources(std::regex(
        R"(\b(LoadString|AfxMessageBox|LoadResourceString|LoadBitmap|LoadIcon|LoadMenu|CDialog)\(\s*\d)"));
    EXPECT_TRUE(bare.empty()) << "resources loaded by number:\n" << Describe(bare);
}

TEST(ResourceIds, EveryNamedResourceExists)
{
    auto strings = IdsOf(SetupStrings());
    auto dialogs = IdsOf(SetupDialogs());
    auto bitmaps = IdsOf(SetupBitmaps());
    auto menus = IdsOf(SetupMenus());
    auto icons = IdsOf(SetupIcons());
    std::string missing;
    for (const auto& id : NamesOfResourceHeader()) {
        std::string kind = KindOf(id.name);
        bool exists = kind == "IDD" ? dialogs.count(id.number)
            : kind == "IDS"         ? strings.count(id.number)
            : kind == "IDB"         ? bitmaps.count(id.number)
            : kind == "IDI"         ? icons.count(id.number)
            // The frame's document template id names the program's icon.
            : kind == "IDR" ? menus.count(id.number) || (id.name == "IDR_MAINFRAME" && icons.count(id.number))
                            : true;
        if (!exists)
            missing += id.name + " (" + std::to_string(id.number) + ")\n";
    }
    EXPECT_TRUE(missing.empty()) << "named in Resource.h but not in the module's tables:\n" << missing;
}

TEST(ResourceIds, NoNumberHasTwoNamesAndNoNameTwoNumbers)
{
    std::map<std::string, std::vector<NamedId>> byName;
    std::map<std::pair<std::string, unsigned>, std::vector<std::string>> byNumber;
    for (const auto& id : NamesOfResourceHeader()) {
        byName[id.name].push_back(id);
        // Control ids are per dialog: two dialogs may give one number two names.
        if (KindOf(id.name) != "IDC")
            byNumber[{ KindOf(id.name), id.number }].push_back(id.name);
    }
    std::string twice;
    for (const auto& [name, defs] : byName) {
        if (defs.size() > 1)
            twice += name + " is defined " + std::to_string(defs.size()) + " times\n";
    }
    for (const auto& [number, names] : byNumber) {
        if (names.size() > 1) {
            twice += std::to_string(number.second) + " has the names";
            for (const auto& n : names)
                twice += " " + n;
            twice += "\n";
        }
    }
    EXPECT_TRUE(twice.empty()) << twice;
}

TEST(ResourceIds, NoIdHasTwoEntriesInATable)
{
    auto twice = [](const std::multiset<unsigned>& ids, const char* what) {
        std::string out;
        for (unsigned id : std::set<unsigned>(ids.begin(), ids.end())) {
            if (ids.count(id) > 1)
                out += std::string(what) + " " + std::to_string(id) + " has " + std::to_string(ids.count(id))
                    + " entries\n";
        }
        return out;
    };
    std::string found = twice(IdsOf(SetupStrings()), "string") + twice(IdsOf(SetupDialogs()), "dialog")
        + twice(IdsOf(SetupBitmaps()), "bitmap") + twice(IdsOf(SetupMenus()), "menu")
        + twice(IdsOf(SetupIcons()), "icon");
    // Within one dialog a control id addresses one control.
    for (const auto& dialog : SetupDialogs()) {
        std::multiset<unsigned> controls;
        for (const auto& control : dialog.controls) {
            if (control.id != -1)
                controls.insert(unsigned(control.id));
        }
        found += twice(controls, ("dialog " + std::to_string(dialog.id) + ": control").c_str());
    }
    EXPECT_TRUE(found.empty()) << found;
}

} // namespace
