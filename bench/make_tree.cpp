// make_tree: builds a deterministic test tree for timing directory walks.
//
// Usage: make_tree OUTPUT_FOLDER FILE_COUNT [SEED]
//
// The same arguments always give the same tree: names, sizes, time stamps, symbolic links and the
// order of creation come from one seeded generator, never from the clock or from the file system.
// FILE_COUNT is the number of non-directory entries made (regular files and symbolic links, hidden
// directories included). Files are sparse: their size is set with ftruncate and no data is
// written, so a million files with gigabytes of apparent size cost only inodes.
//
// On success it prints what the walk of a program that skips hidden directories should find:
// "visible <files> <bytes>", where bytes sums the sizes of the visible regular files (symbolic
// links count 0), followed by a summary line.

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// xoshiro256** seeded through splitmix64: fast, and the same numbers on every machine.
class Random final {
public:
    explicit Random(uint64_t seed) {
        for (auto& s : m_state) {
            seed += 0x9e3779b97f4a7c15ULL;
            uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
            z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
            s = z ^ (z >> 31);
        }
    }
    uint64_t next() {
        const uint64_t result = rotl(m_state[1] * 5, 7) * 9;
        const uint64_t t = m_state[1] << 17;
        m_state[2] ^= m_state[0];
        m_state[3] ^= m_state[1];
        m_state[1] ^= m_state[2];
        m_state[0] ^= m_state[3];
        m_state[2] ^= t;
        m_state[3] = rotl(m_state[3], 45);
        return result;
    }
    // Uniform in [0, n); the tiny modulo bias does not matter here.
    uint64_t below(uint64_t n) { return n == 0 ? 0 : next() % n; }
    // Uniform in [0, 1).
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    bool chance(double p) { return unit() < p; }
    // Standard normal (Box-Muller; one value per call keeps the sequence simple).
    double normal() {
        const double u1 = 1.0 - unit();
        const double u2 = unit();
        return std::sqrt(-2.0 * std::log(u1)) * std::cos(6.283185307179586 * u2);
    }

private:
    static uint64_t rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    uint64_t m_state[4];
};

const char* const words[] = {
    "report",  "budget", "photo",    "Invoice", "notes",   "draft",   "backup",  "Holiday",
    "summary", "main",   "util",     "config",  "README",  "index",   "style",   "module",
    "test",    "data",   "Letter",   "scan",    "archive", "final",   "old",     "new",
    "copy",    "image",  "Untitled", "thesis",  "chapter", "music",   "track",   "video",
    "server",  "client", "parser",   "lexer",   "widget",  "Render",  "physics", "Kernel",
    "driver",  "sample", "readme",   "MANUAL",  "setup",   "install", "cache",   "log",
    "Q3",      "résumé", "naïve",    "Ünïcode", "日本語",  "файл",    "plan",    "meeting",
};

// Names from a legacy code page (Latin-1 bytes), which are not valid UTF-8.
const char* const latin1Words[] = {"caf\xe9",
                                   "r\xe9sum\xe9",
                                   "\xfc"
                                   "ber",
                                   "na\xefve",
                                   "stra\xdf"
                                   "e",
                                   "\xff\xfe"};

struct Extension final {
    const char* text;
    int weight;
};

// A rough mix of what a developer's or office worker's disk holds.
const Extension extensions[] = {
    {".c", 60},         {".h", 50},    {".txt", 60},       {".jpg", 70},   {".png", 50},
    {".pdf", 30},       {".doc", 20},  {".so", 15},        {".py", 40},    {".js", 50},
    {".html", 25},      {".json", 35}, {"", 40},           {".class", 20}, {".tar.gz", 8},
    {".JPG", 10},       {".cpp", 30},  {".o", 25},         {".md", 15},    {".xml", 15},
    {".mp3", 15},       {".log", 15},  {".DOCX", 5},       {".gz", 8},     {".jpeg", 5},
    {".properties", 3}, {".", 2},      {".backup.old", 2}, {".Py", 2},     {".ts", 10},
};

const char* const directoryWords[] = {
    "src",          "include", "lib",     "docs",      "Documents", "Pictures", "Music", "build",
    "tests",        "assets",  "images",  "Projects",  "old stuff", "2019",     "2023",  "vendor",
    "node_modules", "bin",     "share",   "Downloads", "Backup",    "tmp",      "data",  "photos",
    "Éàü",          "misc",    "Archive", "scripts",   "config",    "Desktop",  "work",  "release",
};

const char* const hiddenDirectoryWords[] = {".git", ".cache", ".config", ".svn", ".local", ".idea"};

const char* const hiddenFileWords[] = {".bashrc", ".DS_Store", ".gitignore",
                                       ".env",    ".profile",  ".hidden file"};

class TreeMaker final {
public:
    TreeMaker(uint64_t seed, uint64_t files) : m_random(seed), m_budget(files) {
        int total = 0;
        for (const auto& e : extensions)
            total += e.weight;
        m_extensionWeightTotal = total;
        // The reference point for every time stamp: fixed, so that the tree never depends on
        // when it was made (2026-01-01 00:00:00 UTC).
        m_now = 1767225600;
    }

    void make(int rootFd) {
        // A few deep chains first, so that they exist even in small trees.
        const uint64_t chains = m_budget >= 100000 ? 3 : m_budget >= 1000 ? 1 : 0;
        for (uint64_t i = 0; i < chains; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "deep%llu", static_cast<unsigned long long>(i));
            m_budget -= makeChain(rootFd, name);
        }
        fillDirectory(rootFd, m_budget, 0, false);
        setTimes(rootFd, true);
    }

    [[nodiscard]] uint64_t visibleFiles() const { return m_visibleFiles; }
    [[nodiscard]] uint64_t visibleBytes() const { return m_visibleBytes; }
    [[nodiscard]] uint64_t made() const { return m_made; }
    [[nodiscard]] uint64_t directories() const { return m_directories; }
    [[nodiscard]] uint64_t links() const { return m_links; }

private:
    // Puts `files` entries into the directory `fd` and the subdirectories it makes.
    void fillDirectory(int fd, uint64_t files, int depth, bool hidden) {
        uint64_t here;
        uint64_t subdirectories = 0;
        if (files <= 12 || (depth >= 12 && files < 3000)) {
            here = files;
        } else {
            // Most directories hold a handful of files, some hold many.
            here = m_random.chance(0.02) ? 100 + m_random.below(1000) : 1 + m_random.below(20);
            if (here > files)
                here = files;
            const uint64_t rest = files - here;
            const uint64_t fanOut = depth == 0 ? 12 + m_random.below(10) : 2 + m_random.below(8);
            subdirectories = rest < fanOut ? rest : fanOut;
        }
        makeEntries(fd, here, hidden);
        uint64_t rest = files - here;
        if (subdirectories > 0) {
            // Uneven shares: some subtrees are large, most are small.
            std::vector<double> weights(subdirectories);
            double sum = 0;
            for (auto& w : weights) {
                w = std::pow(m_random.unit() + 0.05, 3.0);
                sum += w;
            }
            for (uint64_t i = 0; i < subdirectories; ++i) {
                const bool last = i + 1 == subdirectories;
                uint64_t share =
                    last ? rest
                         : static_cast<uint64_t>(static_cast<double>(rest) * weights[i] / sum);
                if (share > rest)
                    share = rest;
                // Hidden folders (version control, caches) stay small; the last share is never
                // hidden so that no file of the budget is lost.
                const bool hiddenChild = !last && m_random.chance(0.04);
                if (hiddenChild)
                    share = std::min<uint64_t>(share, 20 + m_random.below(2000));
                sum -= weights[i];
                rest -= share;
                if (share == 0)
                    continue;
                const std::string name = hiddenChild ? hiddenDirectoryName() : directoryName();
                const int child = makeDirectory(fd, name);
                fillDirectory(child, share, depth + 1, hidden || hiddenChild);
                setTimes(child, true);
                close(child);
            }
        }
        if (depth > 0 && m_random.chance(0.02)) {
            // An empty directory now and then.
            const int empty = makeDirectory(fd, directoryName());
            setTimes(empty, true);
            close(empty);
        }
    }

    void makeEntries(int fd, uint64_t count, bool hidden) {
        std::vector<std::string> made;
        for (uint64_t i = 0; i < count; ++i) {
            if (!made.empty() && m_random.chance(0.004)) {
                makeLink(fd, made[m_random.below(made.size())], hidden);
                continue;
            }
            if (m_random.chance(0.0005)) {
                // Links that lead nowhere or back up the tree; a walker must never follow them.
                makeLink(fd, m_random.chance(0.5) ? "../.." : "missing target", hidden);
                continue;
            }
            std::string name = m_random.chance(0.01) ? hiddenFileName() : fileName();
            const uint64_t size = fileSize();
            const int file = createFile(fd, name);
            if (size > 0 && ftruncate(file, static_cast<off_t>(size)) != 0)
                fail("ftruncate", name.c_str());
            setTimes(file, false);
            close(file);
            ++m_made;
            if (!hidden) {
                ++m_visibleFiles;
                m_visibleBytes += size;
            }
            if (made.size() < 64)
                made.push_back(std::move(name));
        }
    }

    // A chain of 200 nested directories with a file at every tenth level; returns the number of
    // entries made.
    uint64_t makeChain(int parent, const char* name) {
        const int levels = 200;
        std::vector<int> fds;
        uint64_t entries = 0;
        int fd = makeDirectory(parent, name);
        for (int level = 0; level < levels; ++level) {
            fds.push_back(fd);
            if (level % 10 == 9) {
                makeEntries(fd, 1, false);
                ++entries;
            }
            fd = makeDirectory(fd, "d");
        }
        makeEntries(fd, 3, false);
        entries += 3;
        fds.push_back(fd);
        for (auto it = fds.rbegin(); it != fds.rend(); ++it) {
            setTimes(*it, true);
            close(*it);
        }
        return entries;
    }

    void makeLink(int fd, const std::string& target, bool hidden) {
        std::string base = "link to " + target;
        std::replace(base.begin(), base.end(), '/', '_');
        std::string name = base;
        for (int attempt = 1; symlinkat(target.c_str(), fd, name.c_str()) != 0; ++attempt) {
            if (errno != EEXIST || attempt > 100)
                fail("symlinkat", name.c_str());
            name = base + " " + std::to_string(attempt + 1);
        }
        timespec times[2];
        stamps(times);
        if (utimensat(fd, name.c_str(), times, AT_SYMLINK_NOFOLLOW) != 0)
            fail("utimensat", name.c_str());
        ++m_made;
        ++m_links;
        if (!hidden)
            ++m_visibleFiles;
    }

    // Creates a new file, changing the name when it is taken.
    int createFile(int fd, std::string& name) {
        const std::string base = name;
        for (int attempt = 1;; ++attempt) {
            const int file = openat(fd, name.c_str(),
                                    O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644);
            if (file >= 0)
                return file;
            if (errno != EEXIST || attempt > 1000)
                fail("openat", name.c_str());
            // "name (2).ext" like a desktop does it.
            const auto dot = base.find('.', 1);
            const std::string suffix = " (" + std::to_string(attempt + 1) + ")";
            name = dot == std::string::npos ? base + suffix
                                            : base.substr(0, dot) + suffix + base.substr(dot);
        }
    }

    int makeDirectory(int parent, std::string name) {
        const std::string base = name;
        for (int attempt = 1; mkdirat(parent, name.c_str(), 0755) != 0; ++attempt) {
            if (errno != EEXIST || attempt > 1000)
                fail("mkdirat", name.c_str());
            name = base + " " + std::to_string(attempt + 1);
        }
        ++m_directories;
        const int fd =
            openat(parent, name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0)
            fail("openat", name.c_str());
        return fd;
    }

    std::string word() {
        if (m_random.chance(0.01))
            return latin1Words[m_random.below(std::size(latin1Words))];
        return words[m_random.below(std::size(words))];
    }

    std::string fileName() {
        std::string name;
        const uint64_t style = m_random.below(100);
        char number[48];
        if (style < 15) {
            std::snprintf(number, sizeof number, "IMG_%04llu%02llu%02llu_%06llu",
                          static_cast<unsigned long long>(2005 + m_random.below(20)),
                          static_cast<unsigned long long>(1 + m_random.below(12)),
                          static_cast<unsigned long long>(1 + m_random.below(28)),
                          static_cast<unsigned long long>(m_random.below(1000000)));
            name = number;
        } else if (style < 40) {
            name = word() + "_" + word();
        } else if (style < 55) {
            name = word() + " " + word(); // spaces, as in "Holiday photo"
        } else if (style < 70) {
            std::snprintf(number, sizeof number, "%llu",
                          static_cast<unsigned long long>(m_random.below(100000)));
            name = word() + number;
        } else if (style < 78) {
            name = word();
            for (auto& c : name)
                if (c >= 'a' && c <= 'z')
                    c = static_cast<char>(c - 'a' + 'A');
        } else if (style < 80) {
            // A long name, close to what most file systems allow.
            while (name.size() < 180)
                name += word() + "-";
        } else {
            name = word();
        }
        return name + extension();
    }

    std::string hiddenFileName() {
        std::string name = hiddenFileWords[m_random.below(std::size(hiddenFileWords))];
        if (m_random.chance(0.3))
            name += ".swp";
        return name;
    }

    std::string directoryName() {
        const uint64_t style = m_random.below(10);
        if (style < 6)
            return directoryWords[m_random.below(std::size(directoryWords))];
        if (style < 8)
            return word() + " " + std::to_string(m_random.below(100));
        return word();
    }

    std::string hiddenDirectoryName() {
        return hiddenDirectoryWords[m_random.below(std::size(hiddenDirectoryWords))];
    }

    const char* extension() {
        int pick = static_cast<int>(m_random.below(static_cast<uint64_t>(m_extensionWeightTotal)));
        for (const auto& e : extensions) {
            if (pick < e.weight)
                return e.text;
            pick -= e.weight;
        }
        return "";
    }

    // Heavy-tailed: many small files, some empty, a few of tens or hundreds of megabytes.
    // Sizes stay below 2 GiB so that every walker agrees on the total.
    uint64_t fileSize() {
        const double r = m_random.unit();
        if (r < 0.03)
            return 0;
        if (r < 0.9995) {
            const double size = std::exp(std::log(4000.0) + 2.2 * m_random.normal());
            return size < 1                    ? 1
                   : size > 16.0 * 1024 * 1024 ? 16 * 1024 * 1024
                                               : static_cast<uint64_t>(size);
        }
        const double low = std::log(16.0 * 1024 * 1024 + 1);
        const double high = std::log(1.5 * 1024 * 1024 * 1024);
        return static_cast<uint64_t>(std::exp(low + (high - low) * m_random.unit()));
    }

    // Access and modification times: mostly the last few years, some recent, some before 1980
    // (and a few before 1970), some in the future.
    void stamps(timespec times[2]) {
        const int64_t day = 86400;
        const int64_t year = 365 * day;
        const double r = m_random.unit();
        int64_t modified;
        if (r < 0.15)
            modified = m_now - static_cast<int64_t>(m_random.below(30 * day));
        else if (r < 0.70)
            modified = m_now - static_cast<int64_t>(m_random.below(5 * year));
        else if (r < 0.92)
            modified = m_now - 5 * year - static_cast<int64_t>(m_random.below(25 * year));
        else if (r < 0.96)
            modified = 315532800 - 1 - static_cast<int64_t>(m_random.below(10 * year)); // 1970s
        else if (r < 0.965)
            modified = -static_cast<int64_t>(m_random.below(20 * year)); // before 1970
        else if (r < 0.995)
            modified = m_now + static_cast<int64_t>(m_random.below(2 * year));
        else
            modified = m_now + 13 * year + static_cast<int64_t>(m_random.below(60 * year));
        int64_t accessed = modified + static_cast<int64_t>(m_random.below(2 * year));
        if (m_random.chance(0.05))
            accessed = modified - static_cast<int64_t>(m_random.below(year)); // read before written
        times[0].tv_sec = accessed;
        times[0].tv_nsec = static_cast<long>(m_random.below(1000000000));
        times[1].tv_sec = modified;
        times[1].tv_nsec = static_cast<long>(m_random.below(1000000000));
    }

    void setTimes(int fd, bool directory) {
        timespec times[2];
        stamps(times);
        if (directory)
            times[1].tv_nsec = 0;
        if (futimens(fd, times) != 0)
            fail("futimens", "");
    }

    [[noreturn]] static void fail(const char* call, const char* name) {
        std::fprintf(stderr, "make_tree: %s \"%s\": %s\n", call, name, std::strerror(errno));
        std::exit(1);
    }

    Random m_random;
    uint64_t m_budget;
    int m_extensionWeightTotal = 0;
    int64_t m_now = 0;
    uint64_t m_visibleFiles = 0;
    uint64_t m_visibleBytes = 0;
    uint64_t m_made = 0;
    uint64_t m_directories = 0;
    uint64_t m_links = 0;
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: make_tree OUTPUT_FOLDER FILE_COUNT [SEED]\n");
        return 2;
    }
    char* end = nullptr;
    const unsigned long long files = std::strtoull(argv[2], &end, 10);
    if (*end != '\0' || files == 0) {
        std::fprintf(stderr, "make_tree: the file count must be a positive whole number\n");
        return 2;
    }
    unsigned long long seed = 1;
    if (argc == 4) {
        seed = std::strtoull(argv[3], &end, 10);
        if (*end != '\0') {
            std::fprintf(stderr, "make_tree: the seed must be a whole number\n");
            return 2;
        }
    }
    if (mkdir(argv[1], 0755) != 0 && errno != EEXIST) {
        std::fprintf(stderr, "make_tree: cannot make %s: %s\n", argv[1], std::strerror(errno));
        return 1;
    }
    // Refuse a folder that holds anything: the tree is only reproducible when made from nothing.
    if (rmdir(argv[1]) != 0 || mkdir(argv[1], 0755) != 0) {
        std::fprintf(stderr, "make_tree: %s must be a new or empty folder\n", argv[1]);
        return 1;
    }
    const int root = open(argv[1], O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (root < 0) {
        std::fprintf(stderr, "make_tree: cannot open %s: %s\n", argv[1], std::strerror(errno));
        return 1;
    }
    TreeMaker maker(seed, files);
    maker.make(root);
    close(root);
    std::printf("visible %llu %llu\n", static_cast<unsigned long long>(maker.visibleFiles()),
                static_cast<unsigned long long>(maker.visibleBytes()));
    std::printf("make_tree seed %llu: %llu files and links (%llu links) in %llu folders\n", seed,
                static_cast<unsigned long long>(maker.made()),
                static_cast<unsigned long long>(maker.links()),
                static_cast<unsigned long long>(maker.directories()));
    return 0;
}
