#include "ScratchFolder.h"

#include <filesystem>
#include <stdexcept>
#include <stdlib.h>

namespace velm
{

namespace
{

class ScratchFolder
{
  public:
    ScratchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "velm-bench-XXXXXX");
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot make a scratch folder");
        m_path = pattern;
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }

    const std::string& path() const { return m_path; }

  private:
    std::string m_path;
};

} // namespace

std::string ScratchPath(std::string_view name)
{
    static const ScratchFolder folder;
    return folder.path() + "/" + std::string(name);
}

} // namespace velm
