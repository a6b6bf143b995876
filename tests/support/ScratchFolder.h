#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace velm::test
{

// A folder of its own for one test below the system's temporary folder, removed with
// everything in it when the test ends, also when the test made parts of it read-only.
class ScratchFolder
{
  public:
    ScratchFolder()
    {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "velm-scratch-XXXXXX").string();
        EXPECT_NE(::mkdtemp(pattern.data()), nullptr);
        m_path = pattern + "/";
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder()
    {
        namespace fs = std::filesystem;
        std::error_code ignored;
        for (const auto& entry : fs::recursive_directory_iterator(m_path, ignored))
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(m_path, ignored);
    }

    // The folder, ending with "/".
    const std::string& path() const { return m_path; }
    std::string operator/(std::string_view name) const { return m_path + std::string(name); }

    // Writes a file below the folder, making the folders on its way.
    void put(std::string_view name, std::string_view bytes) const
    {
        const std::filesystem::path file = *this / name;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
    }

  private:
    std::string m_path;
};

} // namespace velm::test
