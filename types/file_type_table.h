#pragma once
// One row per file-name extension with the number of files and their total size, kept sorted
// by extension (letters a-z compared without regard to case) so that the walk finds a row by
// binary search and inserts a new one at its place: the per-file update never sorts and never
// parses text. Extensions are stored upper-cased, dot included, at most five characters.
// The rows found last are remembered by extension, so that the walk, which meets a handful of
// extensions over and over, mostly finds its row with one comparison.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct FileTypeRow {
    std::string extension;
    std::int32_t fileCount = 0;
    std::int64_t totalBytes = 0;
};

class FileTypeTable final {
public:
    static constexpr std::size_t maxExtensionLength = 5;

    // Counts one file (fromList false) or makes sure a chosen type has a row (fromList true).
    // An extension longer than five characters is ignored.
    void insertType(std::string_view extension, std::int64_t size, bool fromList);
    // Index of the row whose extension equals the argument without regard to case, or -1.
    [[nodiscard]] int findTypeRow(std::string_view extension) const;

    [[nodiscard]] const std::vector<FileTypeRow>& rows() const { return m_rows; }
    [[nodiscard]] int size() const { return static_cast<int>(m_rows.size()); }
    void clear() {
        m_rows.clear();
        forgetRows();
    }

private:
    // A row found, by its extension as written packed into a number (the bytes and the length).
    struct RememberedRow {
        std::uint64_t key = 0;
        int row = -1;
    };

    // Some thirty extensions in use spread over 64 places still met one another often enough
    // that a fifth of the look-ups went on to the binary search; 256 places (4 KB) nearly never.
    static constexpr int rememberedBits = 8;

    void forgetRows() { m_remembered.fill({}); }

    std::vector<FileTypeRow> m_rows;
    std::array<RememberedRow, 1 << rememberedBits> m_remembered{};
};
