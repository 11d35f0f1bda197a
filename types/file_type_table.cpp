#include "types/file_type_table.h"
#include "platform/hot_path.h"

namespace {

unsigned char upperAscii(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 'a' && u <= 'z' ? static_cast<unsigned char>(u - 'a' + 'A') : u;
}

// Byte order after folding a-z; a prefix sorts first.
int compareFolded(std::string_view a, std::string_view b) {
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = upperAscii(a[i]);
        const unsigned char y = upperAscii(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

} // namespace

int FileTypeTable::findTypeRow(std::string_view extension) const {
    int low = 0;
    int high = size() - 1;
    while (low <= high) {
        const int mid = (low + high) / 2;
        const int order = compareFolded(extension, m_rows[static_cast<std::size_t>(mid)].extension);
        if (order == 0)
            return mid;
        if (order < 0)
            high = mid - 1;
        else
            low = mid + 1;
    }
    return -1;
}

TALLY_WALK_PATH void FileTypeTable::insertType(std::string_view extension, std::int64_t size,
                                               bool fromList) {
    if (extension.size() > maxExtensionLength)
        return;
    // Remembered as written: ".jpg" and ".JPG" may each remember the same row, and the walk
    // folds the letters only when it has to search.
    std::uint64_t key = std::uint64_t(extension.size()) << (8 * maxExtensionLength);
    for (std::size_t i = 0; i < extension.size(); ++i)
        key |= std::uint64_t(static_cast<unsigned char>(extension[i])) << (8 * i);
    auto count = [&](FileTypeRow& row) {
        if (!fromList) {
            row.fileCount += 1;
            row.totalBytes += size;
        }
    };
    RememberedRow& remembered =
        m_remembered[(key * 0x9E3779B97F4A7C15ULL) >> (64 - rememberedBits)];
    if (remembered.key == key && remembered.row >= 0) {
        count(m_rows[static_cast<std::size_t>(remembered.row)]);
        return;
    }

    char folded[maxExtensionLength];
    for (std::size_t i = 0; i < extension.size(); ++i)
        folded[i] = static_cast<char>(upperAscii(extension[i]));
    const std::string_view wanted(folded, extension.size());
    int low = 0;
    int high = this->size() - 1;
    while (low <= high) {
        const int mid = (low + high) / 2;
        FileTypeRow& row = m_rows[static_cast<std::size_t>(mid)];
        const int order = compareFolded(wanted, row.extension);
        if (order == 0) {
            remembered = {key, mid};
            count(row);
            return;
        }
        if (order < 0)
            high = mid - 1;
        else
            low = mid + 1;
    }
    // The rows after the new one move: what was remembered of them is wrong now.
    m_rows.insert(m_rows.begin() + low, FileTypeRow{std::string(wanted), fromList ? 0 : 1, size});
    forgetRows();
}
