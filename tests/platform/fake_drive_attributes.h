#pragma once
// Makes the walk believe that the next drives it enters keep attributes of their own, as FAT
// and NTFS do: the words come from a table by entry name, and every question is recorded.
// Removing the guard puts the real choice back.

#include "platform/drive_attributes.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tally_test {

class FakeDriveAttributes final {
public:
    // words: the word each name has on the drive; a name not listed cannot be read.
    // onDrives: whether a drive root entered gets the source (false: a drive without one).
    explicit FakeDriveAttributes(std::map<std::string, std::uint32_t> words)
        : m_words(std::move(words)) {
        platform::setDriveAttributeSourceFactory([this](int) {
            ++rootsEntered;
            return hasSource ? std::make_unique<Source>(*this) : nullptr;
        });
    }
    ~FakeDriveAttributes() { platform::setDriveAttributeSourceFactory({}); }
    FakeDriveAttributes(const FakeDriveAttributes&) = delete;
    FakeDriveAttributes& operator=(const FakeDriveAttributes&) = delete;

    bool hasSource = true;
    int rootsEntered = 0;
    std::vector<std::pair<std::string, bool>> asked; // name and isDirectory, in order

private:
    class Source final : public platform::DriveAttributeSource {
    public:
        explicit Source(FakeDriveAttributes& owner) : m_owner(owner) {}
        std::optional<std::uint32_t> attributesOf(int, const char* name,
                                                  bool isDirectory) const override {
            m_owner.asked.emplace_back(name, isDirectory);
            const auto found = m_owner.m_words.find(name);
            if (found == m_owner.m_words.end())
                return std::nullopt;
            return found->second;
        }

    private:
        FakeDriveAttributes& m_owner;
    };

    std::map<std::string, std::uint32_t> m_words;
};

} // namespace tally_test
