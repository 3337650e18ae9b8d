#include "tests/resources/SourceScan.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace
{

// The folders of the program's own code; the framework layer, the tests and
// the tools keep rules of their own.
const char* const kProgramFolders[]
    = { "app", "controls", "devtree", "dialogs", "link", "pages", "stream", "viewer", "explorer" };

} // namespace

std::string ReadSourceFile(const std::string& relative)
{
    std::ifstream in(fs::path(SUITE_SOURCE_DIR) / relative, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<SourceLine> FindInProgramSources(const std::regex& pattern, const std::vector<std::string>& skip)
{
    std::vector<SourceLine> found;
    const fs::path root(SUITE_SOURCE_DIR);
    for (const char* folder : kProgramFolders) {
        if (!fs::is_directory(root / folder))
            continue;
        for (const auto& entry : fs::recursive_directory_iterator(root / folder)) {
            std::string ext = entry.path().extension().string();
            if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp"))
                continue;
            std::string relative = fs::relative(entry.path(), root).generic_string();
            if (std::find(skip.begin(), skip.end(), relative) != skip.end())
                continue;
            std::ifstream in(entry.path());
            std::string text;
            for (int n = 1; std::getline(in, text); ++n) {
                if (std::regex_search(text, pattern))
                    found.push_back({ relative, n, text });
            }
        }
    }
    return found;
}

std::string Describe(const std::vector<SourceLine>& lines)
{
    std::string out;
    for (const auto& l : lines)
        out += l.file + ":" + std::to_string(l.line) + ": " + l.text + "\n";
    return out;
}
