// A folder of its own under the system's temporary folder for one test,
// removed with everything in it afterwards.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

class ScratchFolder
{
public:
    ScratchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "morrik-XXXXXX").string();
        m_dir = mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string Path(const char* name) const { return m_dir + "/" + name; }
    const std::string& Dir() const { return m_dir; }

private:
    std::string m_dir;
};
