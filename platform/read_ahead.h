#pragma once
// Reading ahead of the walk for a cold cache. The walk counts on its own thread, one directory
// after another; on a cache that does not hold the tree yet, nearly all of its time is the
// kernel waiting for the disk: a directory's blocks, then its files' inodes. Threads of this
// class go through the same directories a little earlier (read the entries, look up each
// file's status and drop the answers), several at once, so that the disk has many requests to
// serve together and the walk finds what it asks for cached. They never touch the walk's
// figures or its order: they only warm the kernel's caches.
//
// Bounded: the threads take directories in the walk's order (depth first, subdirectories in
// the order the directory lists them, hidden ones and other file systems left out) and never
// more than `window` directories beyond those the walk has entered (entered() tells them).
// They stop at once on stop() or destruction, and give up by themselves when their first
// reads (directories opened, batches of entries looked up) hardly ever waited for the disk: on
// a warm cache they would only double the work. TALLY99_READ_AHEAD=0 in the environment switches
// reading ahead off.

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace platform {

class ReadAhead final {
public:
    struct Settings {
        std::size_t threads = 4;
        std::size_t window = 1024;
        // Give up after this many reads (a directory opened, or every entriesPerProbe entries
        // of a batch looked up) when hardly any of them had to wait for the disk.
        std::size_t probes = 512;
    };

    // Starts reading ahead below directory; does nothing when it cannot be opened.
    ReadAhead(const std::string& directory, const Settings& settings);
    ~ReadAhead();
    ReadAhead(const ReadAhead&) = delete;
    ReadAhead& operator=(const ReadAhead&) = delete;

    // The walk has entered one more directory (the first call is for the top one).
    void entered();
    // Ends reading ahead; returns once every thread has ended.
    void stop();

    // Whether TALLY99_READ_AHEAD leaves reading ahead on (anything but "0").
    [[nodiscard]] static bool wanted();

    // For measurements and tests: the directories read, and the most read beyond those the
    // walk had entered at any moment.
    [[nodiscard]] std::size_t directoriesRead() const;
    [[nodiscard]] std::size_t largestLead() const;
    [[nodiscard]] bool gaveUp() const;

private:
    void work();
    // Reads one directory (a path relative to the top, "" for the top itself) and appends the
    // subdirectories to walk to found, in listed order.
    void readDirectory(const std::string& path, std::vector<std::string>& found);
    // Counts one read for giving up: whether it had to wait for the disk.
    void probe(bool waited, std::size_t weight = 1);
    [[nodiscard]] bool mayTake() const;
    [[nodiscard]] bool ending() const { return m_stopping || m_gaveUp; }

    Settings m_settings;
    int m_top = -1;
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<std::string> m_pending; // paths to read, the next one last
    std::size_t m_read = 0;             // directories taken by the threads
    std::size_t m_walked = 0;           // directories the walk has entered
    std::size_t m_busy = 0;             // threads reading a directory now
    std::size_t m_parked = 0;           // threads waiting for the walk to catch up
    std::size_t m_largestLead = 0;
    std::atomic<std::size_t> m_probed{0}; // reads measured for giving up
    std::atomic<std::size_t> m_slow{0};   // of which had to wait for the disk
    std::atomic<bool> m_gaveUp{false};
    std::atomic<bool> m_stopping{false};
    std::vector<std::thread> m_threads;
};

} // namespace platform
