#pragma once
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>
#include <unistd.h>

namespace treluza {

/** A fresh folder under the system's temporary folder, removed with everything
 *  in it when the object goes. */
class TempFolder {
public:
    TempFolder()
    {
        std::random_device rd;
        const auto root = std::filesystem::temp_directory_path();
        do {
            m_path = root / ("treluza-test-" + std::to_string(rd()) + std::to_string(rd()));
        } while (std::filesystem::exists(m_path));
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder()
    {
        std::error_code ec;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(m_path, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }

    /** Writes bytes to a file under the folder (creating its folders). */
    std::filesystem::path write(const std::filesystem::path& relative, std::string_view bytes) const
    {
        const auto p = m_path / relative;
        std::filesystem::create_directories(p.parent_path());
        std::ofstream out(p, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return p;
    }

    /** Removes the write permission of the folder itself. */
    void makeReadOnly() const
    {
        std::filesystem::permissions(m_path,
                                     std::filesystem::perms::owner_write |
                                         std::filesystem::perms::group_write |
                                         std::filesystem::perms::others_write,
                                     std::filesystem::perm_options::remove);
    }

    /** Whether files can still be created in the folder (root ignores permissions). */
    bool writable() const { return ::access(m_path.c_str(), W_OK) == 0; }

private:
    std::filesystem::path m_path;
};

} // namespace treluza
