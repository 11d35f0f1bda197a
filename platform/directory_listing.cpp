#include "platform/directory_listing.h"

#include "platform/directory_search.h"
#include "platform/hot_path.h"
#include "platform/linux_dirent.h"
#include "platform/walk_log.h"
#include "platform/walk_position.h"

#include <array>
#include <bit>
#include <cerrno>
#include <cstddef>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace platform {

namespace {

// What one getdents64 reads at most.
constexpr std::size_t readSize = 64 * 1024;
// Each record is padded to a multiple of this after its name's terminating zero.
constexpr std::size_t nameWord = 8;
// What copyName moves at once.
constexpr std::size_t copyChunk = 16;
constexpr std::size_t nameStart = offsetof(LinuxDirent64, d_name);
// A record with a name of one character.
constexpr std::size_t smallestRecord = (nameStart + 2 + nameWord - 1) / nameWord * nameWord;
static_assert(copyChunk <= nameStart);
// The bytes of the smallest record's last word that belong to its header (the record length
// and the type), set so that they are never taken for the name's zero.
static_assert(smallestRecord - nameWord + 3 == nameStart);
constexpr std::uint64_t headerInLastWord =
    std::bit_cast<std::uint64_t>(std::array<unsigned char, 8>{0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0});

// The length of a record's name, from the record's last word alone: the padding ends at the
// first multiple of eight after the name's terminating zero, so that zero is in the last word
// and every byte before it there is the name's (or the header's, in the smallest record).
// Cheaper than strlen over the whole name, on the walk's per-entry path.
std::size_t nameLength(const char* record, std::size_t recordLength) {
    const std::size_t lastWord = recordLength - nameWord;
    std::uint64_t word;
    std::memcpy(&word, record + lastWord, sizeof word);
    word |= lastWord < nameStart ? headerInLastWord : 0;
    // 0x80 in each byte that is zero, nothing elsewhere.
    constexpr std::uint64_t low7 = 0x7F7F7F7F7F7F7F7F;
    const std::uint64_t zeroBytes = ~(((word & low7) + low7) | word | low7);
    const int zeroBit = std::endian::native == std::endian::little ? std::countr_zero(zeroBytes)
                                                                   : std::countl_zero(zeroBytes);
    return lastWord + static_cast<std::size_t>(zeroBit) / 8 - nameStart;
}

// Copies a name with its terminating zero in chunks of sixteen bytes (names are short, and a
// call of memcpy costs more than the copy). It reads and writes up to a chunk less one byte
// past the zero: both buffers have room for that.
void copyName(char* to, const char* from, std::size_t length) {
    for (std::size_t copied = 0; copied <= length; copied += copyChunk)
        std::memcpy(to + copied, from + copied, copyChunk);
}

} // namespace

TALLY_WALK_PATH bool DirectoryListing::push() {
    // Only the top directory can be read in batches: a new top ends the batches of the one
    // below (the walk has found what it needed in it by then).
    stopReading();
    m_partial = false;
    m_levels.push_back(
        {static_cast<std::uint32_t>(m_entries.size()), static_cast<std::uint32_t>(m_names.size())});
    // The walk has the directory it just entered open already; anything else opens it anew.
    const int borrowed = borrowEnteredDirectoryDescriptor();
    const int fd = borrowed >= 0 ? borrowed
                                 : ::openat(walkDirectoryDescriptor(), ".",
                                            O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        logWalkFailure("cannot open the folder", currentDirectory(), {}, errno);
        showTop();
        return false;
    }
    bool readable = true;
    for (;;) {
        const long read = readBatch(fd);
        if (read <= 0) {
            if (read < 0)
                logWalkFailure("cannot read the folder", currentDirectory(), {}, errno);
            readable = read == 0 || m_entries.size() > m_levels.back().firstEntry;
            break;
        }
        if (overBudget()) {
            // The rest comes in batches from a descriptor of the directory's own (the walk
            // may close the one it lent when it moves on).
            m_partial = true;
            m_readingFd = borrowed >= 0 ? ::fcntl(fd, F_DUPFD_CLOEXEC, 0) : fd;
            if (m_readingFd < 0)
                readable = false;
            break;
        }
    }
    if (borrowed < 0 && m_readingFd != fd)
        ::close(fd);
    showTop();
    return readable;
}

TALLY_WALK_PATH bool DirectoryListing::readMore() {
    if (m_readingFd < 0 || m_levels.empty())
        return false;
    dropFrom(m_levels.back());
    const long read = readBatch(m_readingFd);
    if (read < 0)
        logWalkFailure("cannot read on in the folder", currentDirectory(), {}, errno);
    if (read <= 0)
        stopReading();
    showTop();
    return read > 0;
}

TALLY_WALK_INLINE long DirectoryListing::readBatch(int fd) {
    // Room past what getdents64 fills for the last chunk copyName reads.
    alignas(LinuxDirent64) static thread_local std::array<char, readSize + copyChunk> buffer;
    const long bytes = ::syscall(SYS_getdents64, fd, buffer.data(), readSize);
    if (bytes <= 0)
        return bytes;
    return static_cast<long>(append(buffer.data(), static_cast<std::size_t>(bytes)));
}

TALLY_WALK_PATH std::size_t DirectoryListing::append(const char* records, std::size_t bytes) {
    // Room for the most the records can give (a record's header is longer than copyName
    // writes past a name), trimmed to what they gave below.
    const std::size_t firstEntry = m_entries.size();
    std::size_t nameEnd = m_names.size();
    m_entries.resize(firstEntry + bytes / smallestRecord);
    m_names.resize(nameEnd + bytes);
    // Through plain pointers: the names are written as bytes, which the compiler must
    // otherwise assume may change the buffers' own pointers.
    char* const names = m_names.data();
    Entry* const first = m_entries.data() + firstEntry;
    Entry* entry = first;
    for (std::size_t offset = 0; offset < bytes; ++entry) {
        const auto* record = reinterpret_cast<const LinuxDirent64*>(records + offset);
        const std::size_t recordLength = record->d_reclen;
        const std::size_t length = nameLength(records + offset, recordLength);
        *entry = {static_cast<std::uint32_t>(nameEnd), static_cast<std::uint16_t>(length),
                  record->d_type};
        copyName(names + nameEnd, record->d_name, length);
        nameEnd += length + 1;
        offset += recordLength;
    }
    dropFrom({static_cast<std::uint32_t>(entry - m_entries.data()),
              static_cast<std::uint32_t>(nameEnd)});
    return static_cast<std::size_t>(entry - first);
}

void DirectoryListing::stopReading() {
    if (m_readingFd >= 0)
        ::close(m_readingFd);
    m_readingFd = -1;
}

TALLY_WALK_PATH void DirectoryListing::pop() {
    stopReading();
    m_partial = false;
    if (m_levels.empty())
        return;
    dropFrom(m_levels.back());
    m_levels.pop_back();
    showTop();
}

TALLY_WALK_PATH void DirectoryListing::dropFrom(Level start) {
    m_entries.erase(m_entries.begin() + start.firstEntry, m_entries.end());
    m_names.erase(m_names.begin() + start.firstName, m_names.end());
}

TALLY_WALK_PATH void DirectoryListing::showTop() {
    const std::size_t first = m_levels.empty() ? m_entries.size() : m_levels.back().firstEntry;
    m_top = m_entries.data() + first;
    m_topSize = m_entries.size() - first;
}

} // namespace platform
