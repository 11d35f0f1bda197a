#pragma once
// A fresh folder under $TALLY_TEST_TMP (or /tmp) for one test, removed with everything in it
// when the test ends; XdgConfigHome points the configuration folder into it.

#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace tally_test {

class TempFolder final {
public:
    TempFolder() {
        const char* base = std::getenv("TALLY_TEST_TMP");
        std::filesystem::path root = base != nullptr ? base : "/tmp";
        std::filesystem::create_directories(root);
        std::string pattern = (root / "platform-XXXXXX").string();
        m_path = ::mkdtemp(pattern.data());
    }
    ~TempFolder() {
        std::error_code error;
        std::filesystem::remove_all(m_path, error);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    [[nodiscard]] const std::string& path() const { return m_path; }

private:
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
