#pragma once
// A stand-in for the desktop's xdg-open, first on PATH for as long as the object lives: a shell
// script with the body a test gives, which first appends its arguments, one launch a line, to a
// log that launches() reads.

#include "platform/temp_folder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace tally_test {

class FakeXdgOpen final {
public:
    explicit FakeXdgOpen(const std::string& body) : m_oldPath(std::getenv("PATH")) {
        const std::string script = m_folder.path() + "/xdg-open";
        std::ofstream(script) << "#!/bin/sh\nprintf '%s\\n' \"$*\" >> \"" << logPath() << "\"\n"
                              << body << "\n";
        std::filesystem::permissions(script, std::filesystem::perms(0755));
        ::setenv("PATH", (m_folder.path() + ":" + m_oldPath).c_str(), 1);
    }
    ~FakeXdgOpen() { ::setenv("PATH", m_oldPath.c_str(), 1); }
    FakeXdgOpen(const FakeXdgOpen&) = delete;
    FakeXdgOpen& operator=(const FakeXdgOpen&) = delete;

    // The arguments of every launch so far, in order.
    [[nodiscard]] std::vector<std::string> launches() const {
        std::vector<std::string> lines;
        std::ifstream log(logPath());
        for (std::string line; std::getline(log, line);)
            lines.push_back(line);
        return lines;
    }
    [[nodiscard]] const std::string& folder() const { return m_folder.path(); }

private:
    [[nodiscard]] std::string logPath() const { return m_folder.path() + "/launches"; }

    TempFolder m_folder;
    std::string m_oldPath;
};

} // namespace tally_test
