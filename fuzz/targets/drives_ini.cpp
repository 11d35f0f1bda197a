// drives.ini read into the drive table over a fixed set of mounts. Input: the file's text.
// Properties, for every letter and in either case:
// - [Drives] decides: an empty value removes the letter, a folder maps it (trailing slashes
//   dropped), no key leaves the automatic letter, and auto=0 leaves only the mapped ones;
// - [Labels] sets the label; [Types] sets the type when it names one, else the type stays;
// - [Space] gives total,free[,cluster] when the value is two or three whole numbers separated
//   by commas (blanks around them allowed), and no figures otherwise;
// - a character that is not a letter names no drive.

#include "fuzz_check.h"
#include "platform/drive_table.h"

#include <charconv>
#include <map>
#include <optional>
#include <string>

using platform::DiskSpace;
using platform::DriveInfo;
using platform::DriveTable;
using platform::IniDocument;
using platform::MountEntry;

namespace {

// Folders that exist on every machine, so that the letter assignment, which skips a mount
// point that is not a folder, keeps them all.
const std::vector<MountEntry>& mounts() {
    static const std::vector<MountEntry> list = {
        {0, 1, "/", "/", "ext4", "/dev/sda1"},      {0, 2, "/", "/usr", "xfs", "/dev/sda2"},
        {0, 3, "/", "/tmp", "tmpfs", "tmpfs"},      {0, 4, "/", "/var", "nfs", "server:/export"},
        {0, 5, "/", "/etc", "iso9660", "/dev/sr0"},
    };
    return list;
}

const DriveTable& automatic() {
    static const DriveTable table = DriveTable::build(mounts(), IniDocument());
    return table;
}

std::optional<int> typeNamed(std::string name) {
    for (char& c : name)
        c = tally_fuzz::lowerAscii(c);
    static const std::map<std::string, int> codes = {{"removable", platform::driveRemovable},
                                                     {"fixed", platform::driveFixed},
                                                     {"remote", platform::driveRemote},
                                                     {"cdrom", platform::driveCdrom},
                                                     {"ramdisk", platform::driveRamdisk}};
    const auto code = codes.find(name);
    return code == codes.end() ? std::nullopt : std::optional<int>(code->second);
}

// Two or three fields between commas, each digits with optional blanks around, each within
// 64 bits.
std::optional<DiskSpace> spaceOf(std::string_view text) {
    const auto fields = tally_fuzz::splitOn(text, ',');
    if (fields.size() < 2 || fields.size() > 3)
        return std::nullopt;
    std::uint64_t numbers[3] = {0, 0, 0};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        std::string_view field = fields[i];
        while (!field.empty() && field.front() == ' ')
            field.remove_prefix(1);
        while (!field.empty() && field.back() == ' ')
            field.remove_suffix(1);
        if (field.empty() || field.find_first_not_of("0123456789") != std::string_view::npos)
            return std::nullopt;
        const auto [end, error] =
            std::from_chars(field.data(), field.data() + field.size(), numbers[i]);
        if (error != std::errc())
            return std::nullopt;
    }
    return DiskSpace{numbers[0], numbers[1], numbers[2]};
}

std::string withoutTrailingSlashes(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

void checkLetter(const DriveTable& table, const IniDocument& ini, char letter) {
    const std::string key(1, letter);
    const DriveInfo* drive = table.drive(letter);
    FUZZ_CHECK(table.drive(tally_fuzz::upperAscii(letter)) == drive);
    const auto mapped = ini.value("Drives", key);
    const DriveInfo* automaticDrive = automatic().drive(letter);
    const bool automaticOn = ini.value("Drives", "auto").value_or("1") != "0";
    if (mapped && mapped->empty()) {
        FUZZ_CHECK(drive == nullptr);
        return;
    }
    if (mapped)
        FUZZ_CHECK(drive != nullptr && drive->directory == withoutTrailingSlashes(*mapped));
    else if (automaticOn && automaticDrive != nullptr)
        FUZZ_CHECK(drive != nullptr && drive->directory == automaticDrive->directory);
    else
        FUZZ_CHECK(drive == nullptr);
    if (drive == nullptr)
        return;

    const auto label = ini.value("Labels", key);
    if (label)
        FUZZ_CHECK(drive->label == *label);
    else if (!mapped)
        FUZZ_CHECK(drive->label == automaticDrive->label);

    const auto typeText = ini.value("Types", key);
    const auto type = typeText ? typeNamed(*typeText) : std::nullopt;
    if (type)
        FUZZ_CHECK(drive->type == *type);
    else if (!mapped)
        FUZZ_CHECK(drive->type == automaticDrive->type);
    FUZZ_CHECK(drive->type >= platform::driveRemovable && drive->type <= platform::driveRamdisk);

    const auto spaceText = ini.value("Space", key);
    const auto space = spaceText ? spaceOf(*spaceText) : std::nullopt;
    FUZZ_CHECK(drive->space.has_value() == space.has_value());
    if (space && drive->space)
        FUZZ_CHECK(drive->space->totalBytes == space->totalBytes &&
                   drive->space->freeBytes == space->freeBytes &&
                   drive->space->clusterBytes == space->clusterBytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const IniDocument ini(tally_fuzz::asText(data, size));
    const DriveTable table = DriveTable::build(mounts(), ini);
    for (char letter = 'a'; letter <= 'z'; ++letter)
        checkLetter(table, ini, letter);
    for (const char other : {'\0', '@', '[', '`', '{', ':', '\xe4'})
        FUZZ_CHECK(table.drive(other) == nullptr);
    return 0;
}
