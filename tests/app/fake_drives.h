#pragma once
// Made-up drives for the main window's tests: drives.ini in a temporary configuration folder
// maps each letter to a folder with fixed sizes, or to a folder that does not exist (a drive
// that is not ready). The drive table is read again on creation.

#include "platform/drives.h"
#include "platform/temp_folder.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace tally_test {

struct FakeDrive {
    char letter = 'c';
    double totalGb = 0;
    double freeGb = 0;
    bool ready = true;
};

class FakeDrives final {
public:
    explicit FakeDrives(const std::vector<FakeDrive>& drives) : m_xdg(m_temp.path()) {
        std::filesystem::create_directories(m_temp.path() + "/tally99");
        std::string mapped = "[Drives]\nauto=0\n";
        std::string space = "[Space]\n";
        for (const FakeDrive& drive : drives) {
            const std::string letter(1, drive.letter);
            mapped += letter + "=" + m_temp.path() + (drive.ready ? "" : "/missing") + "\n";
            if (drive.ready)
                space += letter + "=" + bytes(drive.totalGb) + "," + bytes(drive.freeGb) + "\n";
        }
        std::ofstream(m_temp.path() + "/tally99/drives.ini") << mapped << space;
        platform::reloadDriveTable();
    }
    FakeDrives(const FakeDrives&) = delete;
    FakeDrives& operator=(const FakeDrives&) = delete;

private:
    static std::string bytes(double gigabytes) {
        return std::to_string(static_cast<unsigned long long>(gigabytes * 1073741824.0));
    }

    TempFolder m_temp;
    XdgConfigHome m_xdg;
};

} // namespace tally_test
