#pragma once
// The entries of directories, read in one go with the entry types the file system gives. The
// walk reads each directory once: its subdirectories are found in the listing, and after they
// have been walked its files are examined from the same listing instead of reading the
// directory a second time. So the listing is a stack: entering a directory reads it on top of
// the directories above it, and what the accessors show is the top one. Names are kept back
// to back in one buffer for the whole stack, so a directory costs about the length of its
// names plus eight bytes an entry, and a deep walk allocates nothing per level once the
// buffers have grown.
// What the stack keeps is bounded (keptBytes): a directory that does not fit is kept only in
// part. Its entries then come in batches (readMore), the directory read once from beginning to
// end, so a folder of millions of files costs no more memory than one that fits.

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace platform {

class DirectoryListing final {
public:
    // Names and entries of the whole stack, in bytes, beyond which a directory is read in
    // batches; some 200,000 entries of usual names.
    static constexpr std::size_t defaultKeptBytes = 4 << 20;

    explicit DirectoryListing(std::size_t keptBytes = defaultKeptBytes) : m_keptBytes(keptBytes) {}
    DirectoryListing(const DirectoryListing&) = delete;
    DirectoryListing& operator=(const DirectoryListing&) = delete;
    ~DirectoryListing() { stopReading(); }

    // Replaces the listing with the entries of the current directory, "." and ".." included.
    // False when the directory cannot be read; a read that fails in the middle keeps what was
    // read before it.
    bool read() {
        clear();
        return push();
    }
    // Reads the entries of the current directory on top of those read before; pop() drops
    // them again. An unreadable directory is pushed empty, and the result is false.
    bool push();
    void pop();
    // Whether the directory just pushed did not fit: its entries come in batches, each
    // readMore replacing the one before, so it can be gone through once only, and only until
    // the next push.
    [[nodiscard]] bool partial() const { return m_partial; }
    // The next batch of a partial top directory; false at its end (and for a whole one).
    bool readMore();
    // Empties the listing, keeping its buffers for the next read.
    void clear() {
        stopReading();
        m_partial = false;
        m_names.clear();
        m_entries.clear();
        m_levels.clear();
        showTop();
    }

    // The top directory's entries.
    [[nodiscard]] std::size_t size() const { return m_topSize; }
    [[nodiscard]] std::string_view name(std::size_t index) const {
        const Entry& entry = m_top[index];
        return {m_names.data() + entry.nameOffset, entry.nameLength};
    }
    // The name as a C string, for the system calls.
    [[nodiscard]] const char* cName(std::size_t index) const {
        return m_names.data() + m_top[index].nameOffset;
    }
    // The entry type as the directory gives it (DT_DIR, DT_REG, ... or DT_UNKNOWN).
    [[nodiscard]] unsigned char type(std::size_t index) const { return m_top[index].type; }

private:
    // Growing a buffer with it leaves the new elements unset: readBatch sizes its buffers for
    // the most a read can give, writes them itself and trims them to what it wrote, so
    // nothing is written twice.
    template <class T> struct LeftUnset : std::allocator<T> {
        LeftUnset() = default;
        template <class U> explicit LeftUnset(const LeftUnset<U>&) noexcept {}
        template <class U> void construct(U* place) noexcept {
            ::new (static_cast<void*>(place)) U;
        }
    };
    struct Entry {
        std::uint32_t nameOffset;
        std::uint16_t nameLength;
        unsigned char type;
    };
    // Where a directory of the stack starts in the two buffers.
    struct Level {
        std::uint32_t firstEntry;
        std::uint32_t firstName;
    };

    // Points the accessors at the top directory; after every change of the stack, since the
    // entries may have moved (the accessors are on the walk's per-file path, so they do not
    // look the top up each time).
    void showTop();
    // Drops what follows start in the two buffers; by erase, which unlike resize has no growing
    // to do and so is done in line.
    void dropFrom(Level start);
    // Appends what one read of fd gives to the top directory: > 0 entries read, 0 at the end,
    // < 0 on failure.
    inline long readBatch(int fd);
    // Appends the entries of the records getdents64 wrote (bytes of them); how many.
    std::size_t append(const char* records, std::size_t bytes);
    [[nodiscard]] bool overBudget() const {
        return m_names.size() + m_entries.size() * sizeof(Entry) > m_keptBytes;
    }
    void stopReading();

    std::vector<char, LeftUnset<char>> m_names; // each name followed by its terminating zero
    std::vector<Entry, LeftUnset<Entry>> m_entries;
    std::vector<Level> m_levels;
    const Entry* m_top = nullptr;
    std::size_t m_topSize = 0;
    std::size_t m_keptBytes;
    bool m_partial = false; // the top directory did not fit
    int m_readingFd = -1;   // a partial top directory with more to read, or -1
};

} // namespace platform
