#pragma once
// A fresh folder under $TALLY_TEST_TMP (or /tmp) for one test, removed with everything in it
// when the test ends; XdgConfigHome points the configuration folder into it.
// $TALLY_TEST_TMP lies in the build folder, which an unprivileged user may not be able to reach
// (a clone inside a folder only root may enter): a tree that a child without privileges must
// walk asks for reachableByAll(), a folder in the system's temporary folder, open to everyone.

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>

#include <unistd.h>

namespace tally_test {

class TempFolder final {
public:
    TempFolder() : TempFolder(defaultRoot()) {}
    [[nodiscard]] static TempFolder reachableByAll() {
        TempFolder folder(std::filesystem::temp_directory_path());
        std::filesystem::permissions(folder.path(), std::filesystem::perms(0755));
        return folder;
    }
    ~TempFolder() {
        std::error_code error;
        if (!m_path.empty())
            std::filesystem::remove_all(m_path, error);
    }
    TempFolder(TempFolder&& other) noexcept : m_path(std::move(other.m_path)) {
        other.m_path.clear();
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    TempFolder& operator=(TempFolder&&) = delete;

    [[nodiscard]] const std::string& path() const { return m_path; }

private:
    explicit TempFolder(const std::filesystem::path& root) {
        std::filesystem::create_directories(root);
        std::string pattern = (root / "platform-XXXXXX").string();
        m_path = ::mkdtemp(pattern.data());
    }
    static std::filesystem::path defaultRoot() {
        const char* base = std::getenv("TALLY_TEST_TMP");
        return base != nullptr ? base : "/tmp";
    }

    std::string m_path;
};

class XdgConfigHome final {
public:
    explicit XdgConfigHome(const std::string& folder) {
        ::setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    }
    ~XdgConfigHome() { ::unsetenv("XDG_CONFIG_HOME"); }
    XdgConfigHome(const XdgConfigHome&) = delete;
    XdgConfigHome& operator=(const XdgConfigHome&) = delete;
};

} // namespace tally_test
