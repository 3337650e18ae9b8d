// Reads the program's own sources, for tests of rules that hold across files.
#pragma once

#include <regex>
#include <string>
#include <vector>

struct SourceLine {
    std::string file; // relative to the source tree
    int line;
    std::string text;
};

// A file of the source tree, relative to its root; empty when unreadable.
std::string ReadSourceFile(const std::string& relative);

// The lines of the program's code (not the framework layer, the tests or the
// tools) that match `pattern`, except those of the files in `skip`.
std::vector<SourceLine> FindInProgramSources(
    const std::regex& pattern, const std::vector<std::string>& skip = {});

// "file:line: text" lines, for a failure message.
std::string Describe(const std::vector<SourceLine>& lines);
