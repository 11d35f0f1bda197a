#pragma once
// The directory search that stands in for FindFirstFile/FindNextFile, and moving the walk's
// current directory through a drive (below the drive's root an open descriptor the walk keeps,
// not the process's current directory). A search lists the current directory ("*.*"), "." and
// ".." included, in the order the file system returns them. It builds no path strings.
//
// Attribute word: directory 0x10 for real directories; hidden 0x02 for names starting with a
// dot; read-only 0x01 when no write permission bit is set; system 0x04 for devices, FIFOs and
// sockets; reparse point 0x400 for symbolic links (never followed, size 0). On a drive that
// keeps attributes itself (FAT, NTFS: drive_attributes.h) read-only, hidden, system and archive
// come from the drive instead, for folders in every search and for files with details.
// Cost: with details, one statx (never following links, never opening the file) per entry that
// is not a directory; directories and every entry of a names-only search cost no system call
// beyond reading the directory (the entry type says what they are). The directory is read
// whole when the search starts. Entries are examined a batch at a time (up to 64, ended early
// when the clock moves on), so the status of an entry may be looked up a little before the
// caller reaches it.

#include "platform/file_time.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace platform {

class DirectoryListing;

inline constexpr std::uint32_t attrReadOnly = 0x01;
inline constexpr std::uint32_t attrHidden = 0x02;
inline constexpr std::uint32_t attrSystem = 0x04;
inline constexpr std::uint32_t attrVolumeLabel = 0x08;
inline constexpr std::uint32_t attrDirectory = 0x10;
inline constexpr std::uint32_t attrArchive = 0x20;
inline constexpr std::uint32_t attrReparsePoint = 0x400;

struct FindData {
    std::string_view name; // valid until the next findNext or close
    std::uint64_t size = 0;
    std::uint32_t attributes = 0;
    FileTime creationTime = 0; // birth time, 0 where the file system has none
    FileTime lastAccessTime = 0;
    FileTime lastWriteTime = 0;
};

class DirectorySearch final {
public:
    DirectorySearch();
    ~DirectorySearch();
    DirectorySearch(const DirectorySearch&) = delete;
    DirectorySearch& operator=(const DirectorySearch&) = delete;

    // Starts listing the current directory. Entries whose attribute word has a bit of skipMask
    // are passed over. withDetails false: size and times stay 0 and the attribute word comes
    // from the name and the entry type alone. False when nothing is found or the directory
    // cannot be read.
    [[nodiscard]] bool findFirst(std::uint32_t skipMask, bool withDetails);
    // The same over a listing of the current directory read before (it must outlive the
    // search): the entries are examined as they are now, those that have gone are passed over.
    // A partial listing's later batches are read as the search reaches them.
    [[nodiscard]] bool findFirst(DirectoryListing& listing, std::uint32_t skipMask,
                                 bool withDetails);
    // The same without details, finding only the subdirectories: an entry whose type the
    // listing gives and which is not a directory is passed over without being examined.
    [[nodiscard]] bool findFirstSubdirectory(DirectoryListing& listing, std::uint32_t skipMask);
    // False at the end, and when reading fails in the middle (treated as the end).
    [[nodiscard]] bool findNext() {
        if (++m_at < m_count)
            return true;
        return findMore();
    }
    // The entry found last; empty after a search that found nothing more.
    [[nodiscard]] const FindData& data() const { return m_found[m_at]; }
    void close();

private:
    struct State;
    // Examines the next batch of entries; false when there are none.
    bool findMore();
    inline bool start(DirectoryListing& listing, std::uint32_t skipMask, bool withDetails,
                      bool subdirectoriesOnly);

    std::unique_ptr<State> m_state;
    // Entries are examined a batch at a time: a step of the search is then an increment, inline
    // in the caller, and the look-ups of the entries' status follow one another without the
    // caller's work in between (the kernel's code and data for a look-up stay in the
    // processor's caches from one to the next, and so do the caller's for its entries).
    static constexpr std::size_t batchSize = 64;
    std::array<FindData, batchSize> m_found{};
    std::size_t m_at = 0;    // the entry data() shows
    std::size_t m_count = 0; // entries of the batch found
};

// Enters the root directory of a drive letter; remembers its mount so that enterDirectory
// never crosses into another file system, nor into a bind mount of the same one, and chooses
// where the drive's attributes come from. False when the letter is unmapped or the directory
// cannot be entered.
[[nodiscard]] bool enterDriveRoot(char letter);

// Enters a subdirectory of the current directory by name; never through a symbolic link,
// never off the drive root's mount. False leaves the current directory as it was, and so does
// any call while the walk has lost its way (see leaveDirectory).
[[nodiscard]] bool enterDirectory(std::string_view name);

// Returns to the directory that the last successful enterDirectory came from, even when the
// current directory has been removed or moved meanwhile, at any depth (a chain of 100,000
// levels included) without holding a file descriptor per level. False when the walk cannot
// prove it is back there (deep down, a directory was moved and another on the way renamed):
// the walk has lost its way, and the caller must not list or count anything until a later
// leaveDirectory returns true. Each call leaves exactly one level, whatever the outcome.
[[nodiscard]] bool leaveDirectory();

// The full path of the current directory, put together from the names the walk took ("" when
// it cannot be read). Valid until the walk moves; it changes in place as the walk moves.
[[nodiscard]] const std::string& currentDirectory();

} // namespace platform
