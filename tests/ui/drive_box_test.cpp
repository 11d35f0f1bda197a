#include "platform/drives.h"
#include "platform/temp_folder.h"
#include "ui/drive_box.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

// Drives made of temporary folders through drives.ini; the current directory is restored.
class DriveFolders final {
public:
    DriveFolders() : m_xdg(m_temp.path()), m_cwd(std::filesystem::current_path()) {
        for (const char* name : {"c", "d", "d2", "e", "f", "g", "h", "n"})
            std::filesystem::create_directories(folder(name) + "/sub");
        std::filesystem::create_directories(m_temp.path() + "/tally99");
        std::ofstream(m_temp.path() + "/tally99/drives.ini")
            << "[Drives]\nauto=0\n"
            << "c=" << folder("c") << "\nd=" << folder("d") << "/\ne=" << folder("e")
            << "\nf=" << folder("f") << "\ng=" << folder("g") << "\nh=" << folder("h")
            << "\nn=" << folder("n") << "\ni=" << folder("c") << "/sub\n"
            << "[Labels]\nc=WORK Disk\ne=ignored\nf=CD_01\nn=Share\n"
            << "[Types]\nc=fixed\nd=fixed\ne=removable\nf=cdrom\ng=ramdisk\nh=remote\n"
            << "n=remote\ni=fixed\n";
        platform::reloadDriveTable();
    }
    ~DriveFolders() {
        std::filesystem::current_path(m_cwd);
        platform::reloadDriveTable();
    }
    DriveFolders(const DriveFolders&) = delete;
    DriveFolders& operator=(const DriveFolders&) = delete;

    [[nodiscard]] std::string folder(const std::string& name) const {
        return m_temp.path() + "/" + name;
    }

private:
    tally_test::TempFolder m_temp;
    tally_test::XdgConfigHome m_xdg;
    std::filesystem::path m_cwd;
};

} // namespace

TEST(DriveBox, TextsFollowTheDriveTypeAndLowerCaseTheLabel) {
    DriveFolders drives;
    EXPECT_EQ(drive_box::driveTexts(),
              (std::vector<std::string>{"c: [work disk]", "d: []", "e:", "f: [cd_01]", "g: []",
                                        "h: []", "i: []", "n: [share]"}));
    EXPECT_EQ(drive_box::driveText('C'), "c: [work disk]");
    EXPECT_EQ(drive_box::driveText('q'), "") << "an unmapped letter is not listed";
}

TEST(DriveBox, CurrentTextIsTheDriveWithTheLongestLeadingFolder) {
    DriveFolders drives;
    std::filesystem::current_path(drives.folder("c") + "/sub");
    EXPECT_EQ(drive_box::currentDriveLetter(), 'i') << "c's sub folder is drive i itself";
    EXPECT_EQ(drive_box::currentText(), "i: []");

    std::filesystem::current_path(drives.folder("c"));
    EXPECT_EQ(drive_box::currentText(), "c: [work disk]");

    std::filesystem::current_path(drives.folder("d2"));
    EXPECT_EQ(drive_box::currentDriveLetter(), 0) << "d2 only starts with d's folder name";

    std::filesystem::current_path(drives.folder("d") + "/sub");
    EXPECT_EQ(drive_box::currentText(), "d: []") << "a folder written with a slash at its end";
}
