#pragma once
// Drives made of temporary folders for the window tests: a configuration folder of its own
// (XDG_CONFIG_HOME) with a drives.ini that maps only the letters a test names, a recording
// message hook, and the current directory and drive table restored afterwards.

#include "platform/ad_library.h"
#include "platform/drives.h"
#include "platform/message_hook.h"
#include "platform/temp_folder.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace tally_test {

struct RecordedMessage {
    platform::MessageKind kind;
    std::string text;
};

class FakeDrives final {
public:
    FakeDrives() : m_xdg(m_temp.path()), m_cwd(std::filesystem::current_path()) {
        std::filesystem::create_directories(configFolder());
        platform::setMessageHook(
            [this](platform::MessageKind kind, const std::string&, const std::string& text) {
                messages.push_back({kind, text});
                return platform::MessageResult::Yes;
            });
        platform::setBeepHook([this] { ++beeps; });
        platform::clearRecordedAdCalls();
    }
    ~FakeDrives() {
        std::filesystem::current_path(m_cwd);
        platform::setMessageHook({});
        platform::setBeepHook({});
        platform::reloadDriveTable();
    }
    FakeDrives(const FakeDrives&) = delete;
    FakeDrives& operator=(const FakeDrives&) = delete;

    [[nodiscard]] std::string folder(const std::string& name) const {
        return m_temp.path() + "/drives/" + name;
    }
    [[nodiscard]] std::string configFolder() const { return m_temp.path() + "/tally99"; }

    // Creates a file of the given size (and the folders on its way) inside a drive folder.
    void addFile(const std::string& drive, const std::string& relative, std::size_t size) {
        const std::filesystem::path path = folder(drive) + "/" + relative;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path) << std::string(size, 'x');
    }

    // Writes drives.ini (automatic drives off) from the letters given so far, and reloads it.
    void map(char letter, const std::string& type, const std::string& label = {},
             const std::string& space = {}) {
        std::filesystem::create_directories(folder(std::string(1, letter)));
        m_lines["Drives"].push_back(std::string(1, letter) + "=" + folder(std::string(1, letter)));
        m_lines["Types"].push_back(std::string(1, letter) + "=" + type);
        if (!label.empty())
            m_lines["Labels"].push_back(std::string(1, letter) + "=" + label);
        if (!space.empty())
            m_lines["Space"].push_back(std::string(1, letter) + "=" + space);
        writeIni();
    }

    // Makes the current directory a folder of that drive (the drive box's current drive).
    void enter(char letter) const { std::filesystem::current_path(folder(std::string(1, letter))); }

    std::vector<RecordedMessage> messages;
    int beeps = 0;

private:
    void writeIni() {
        std::ofstream ini(configFolder() + "/drives.ini");
        ini << "[Drives]\nauto=0\n";
        for (const auto& line : m_lines["Drives"])
            ini << line << "\n";
        for (const char* section : {"Types", "Labels", "Space"}) {
            ini << "[" << section << "]\n";
            for (const auto& line : m_lines[section])
                ini << line << "\n";
        }
        ini.close();
        platform::reloadDriveTable();
    }

    TempFolder m_temp;
    XdgConfigHome m_xdg;
    std::filesystem::path m_cwd;
    std::map<std::string, std::vector<std::string>> m_lines;
};

} // namespace tally_test
