#include "types/drive_list.h"

#include "app/helpers.h"
#include "platform/drives.h"
#include "ui/drive_box.h"

namespace {

constexpr std::string_view emptyLabel = "[]";

std::string trimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

bool isFloppy(const std::string& text) {
    return !text.empty() && (text[0] == 'a' || text[0] == 'A' || text[0] == 'b' || text[0] == 'B');
}

} // namespace

std::vector<DriveListEntry> buildDriveList(const std::vector<std::string>& sourceTexts,
                                           const std::string& currentText, DriveListKind kind) {
    std::vector<DriveListEntry> entries;
    for (const std::string& source : sourceTexts) {
        if (source.empty() || isFloppy(source))
            continue;
        const auto bracket = source.find(emptyLabel);
        if (bracket == std::string::npos) {
            entries.push_back({source, false});
            continue;
        }
        std::string remaining = source;
        remaining.erase(bracket, emptyLabel.size());
        const int type = platform::driveType(source[0]);
        if (kind == DriveListKind::spacePage && type == platform::driveCdrom)
            continue;
        entries.push_back({trimBlanks(remaining) + " " + driveTypeName(type), false});
    }

    bool found = false;
    for (DriveListEntry& entry : entries) {
        if (entry.text == currentText) {
            entry.marked = true;
            found = true;
        }
    }
    if (!found)
        for (DriveListEntry& entry : entries)
            entry.marked = true;
    return entries;
}

std::vector<DriveListEntry> machineDriveList(DriveListKind kind) {
    return buildDriveList(drive_box::driveTexts(), drive_box::currentText(), kind);
}
