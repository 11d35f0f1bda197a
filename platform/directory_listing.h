#pragma once
// The entries of the current directory, read in one go with the entry types the file system
// gives. The walk reads each directory once: its subdirectories are found in the listing, and
// after they have been walked its files are examined from the same listing instead of reading
// the directory a second time. Names are kept back to back in one buffer, so a listing costs
// about the length of its names plus eight bytes an entry and allocates twice at most per
// growth, never per entry.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class DirectoryListing final {
public:
    // Replaces the listing with the entries of the current directory, "." and ".." included.
    // False when the directory cannot be read; a read that fails in the middle keeps what was
    // read before it.
    bool read();
    // Empties the listing, keeping its buffers for the next read.
    void clear() {
        m_names.clear();
        m_entries.clear();
    }

    [[nodiscard]] std::size_t size() const { return m_entries.size(); }
    [[nodiscard]] std::string_view name(std::size_t index) const {
        const Entry& entry = m_entries[index];
        return {m_names.data() + entry.nameOffset, entry.nameLength};
    }
    // The name as a C string, for the system calls.
    [[nodiscard]] const char* cName(std::size_t index) const {
        return m_names.data() + m_entries[index].nameOffset;
    }
    // The entry type as the directory gives it (DT_DIR, DT_REG, ... or DT_UNKNOWN).
    [[nodiscard]] unsigned char type(std::size_t index) const { return m_entries[index].type; }

private:
    struct Entry {
        std::uint32_t nameOffset;
        std::uint16_t nameLength;
        unsigned char type;
    };

    std::string m_names; // each name followed by its terminating zero
    std::vector<Entry> m_entries;
};

} // namespace platform
