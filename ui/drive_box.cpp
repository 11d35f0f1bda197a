#include "ui/drive_box.h"

#include "platform/drives.h"

#include <filesystem>
#include <system_error>

namespace {

std::string lowerLetters(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string bracketedLabel(char letter) {
    return " [" + lowerLetters(platform::volumeLabel(letter)) + "]";
}

// True when folder is path itself or one of its ancestors, comparing whole folder names.
bool holds(const std::string& folder, const std::string& path) {
    if (folder.empty() || path.compare(0, folder.size(), folder) != 0)
        return false;
    return path.size() == folder.size() || folder.back() == '/' || path[folder.size()] == '/';
}

} // namespace

namespace drive_box {

std::string driveText(char letter) {
    letter = lowerLetters(std::string(1, letter))[0];
    const std::string head = std::string(1, letter) + ":";
    switch (platform::driveType(letter)) {
    case platform::driveRemovable:
        return head;
    case platform::driveFixed:
    case platform::driveCdrom:
    case platform::driveRamdisk:
        return head + bracketedLabel(letter);
    case platform::driveRemote: {
        const std::string connection = platform::networkConnection(letter);
        return connection.empty() ? head + bracketedLabel(letter)
                                  : head + " " + lowerLetters(connection);
    }
    default:
        return {};
    }
}

std::vector<std::string> driveTexts() {
    std::vector<std::string> texts;
    const std::uint32_t mapped = platform::logicalDrives();
    for (int bit = 0; bit < 26; ++bit) {
        if ((mapped & (1u << bit)) == 0)
            continue;
        std::string text = driveText(static_cast<char>('a' + bit));
        if (!text.empty())
            texts.push_back(std::move(text));
    }
    return texts;
}

char currentDriveLetter() {
    std::error_code error;
    const std::string cwd = std::filesystem::current_path(error).string();
    if (error)
        return 0;
    char best = 0;
    std::size_t bestLength = 0;
    const std::uint32_t mapped = platform::logicalDrives();
    for (int bit = 0; bit < 26; ++bit) {
        const char letter = static_cast<char>('a' + bit);
        if ((mapped & (1u << bit)) == 0)
            continue;
        const auto folder = platform::driveDirectory(letter);
        if (!folder)
            continue;
        std::string normal = *folder;
        while (normal.size() > 1 && normal.back() == '/')
            normal.pop_back();
        if (holds(normal, cwd) && (best == 0 || normal.size() > bestLength)) {
            best = letter;
            bestLength = normal.size();
        }
    }
    return best;
}

std::string currentText() {
    const char letter = currentDriveLetter();
    return letter == 0 ? std::string() : driveText(letter);
}

} // namespace drive_box
