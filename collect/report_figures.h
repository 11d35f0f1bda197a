#pragma once
// The figures of a report: everything a run counts, as whole numbers that can be added and
// subtracted exactly, so that reports of many runs merge and compare without rounding. A run's
// DriveStatistics becomes one (figuresOf); the reader makes one from a report file.
// Counts and byte sums are 64-bit here (a run keeps some as doubles and 32-bit counters), so a
// merge of many machines cannot wrap; a report file carries them as JSON numbers, which hold
// whole numbers exactly up to maxExactFigure.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct DriveStatistics;

// 2^53 - 1: the largest whole number that every JSON reader (a double) holds exactly.
inline constexpr std::int64_t maxExactFigure = (std::int64_t(1) << 53) - 1;

struct TypeFigures {
    std::string extension; // upper-cased, dot included; empty for names without a dot
    std::int64_t fileCount = 0;
    std::int64_t totalBytes = 0;

    bool operator==(const TypeFigures&) const = default;
};

struct ReportFigures {
    using Sizes = std::array<std::int64_t, 12>;   // entry c - 1 holds size class c
    using Hours = std::array<std::int64_t, 48>;   // half-hour slots
    using Ages = std::array<std::int64_t, 10>;    // age classes 0 to 9
    using Overhang = std::array<std::int64_t, 5>; // waste with 4K, 8K, 16K, 32K, 64K clusters

    Sizes sizeClassCount{};
    Sizes sizeClassBytes{};
    Hours modifyHours{};
    Hours createHours{};
    Hours accessHours{};
    Ages accessAgeCount{};
    Ages accessAgeBytes{};
    Ages createAgeCount{};
    Ages createAgeBytes{};
    Ages modifyAgeCount{};
    Ages modifyAgeBytes{};
    std::int64_t hiddenCount = 0;
    std::int64_t readOnlyCount = 0;
    std::int64_t systemCount = 0;
    std::int64_t archiveCount = 0;
    std::int64_t hiddenBytes = 0;
    std::int64_t readOnlyBytes = 0;
    std::int64_t systemBytes = 0;
    std::int64_t archiveBytes = 0;
    // Kept only for one walked drive (or reports of one drive each with one cluster size);
    // otherwise nothing, and overhangLeftOut says why.
    std::optional<Overhang> overhang;
    std::string overhangLeftOut;
    std::int64_t clusterSize = 0; // 0: not determined, or the merged reports differ
    std::int64_t filesFound = 0;
    std::int64_t filesSelected = 0;
    std::vector<TypeFigures> fileTypes; // in the order of the type table (case-blind)

    bool operator==(const ReportFigures&) const = default;

    // The sum of the size classes' bytes: the total size of the selected files.
    [[nodiscard]] std::int64_t totalBytes() const;
};

// The figures of a run. overhangLeftOut empty: the run kept the overhang sums.
[[nodiscard]] ReportFigures figuresOf(const DriveStatistics& stats,
                                      const std::string& overhangLeftOut);

// Calls visit(key, spans...) for every array of figures, with its key in a report file, in the
// order a report file lists them: one span of each of the figures given (ReportFigures or
// const ReportFigures), so that a merge walks two at once.
template <typename Visit, typename... Figures> void forEachFigureArray(Visit visit, Figures&... f) {
    visit("sizeClassCount", std::span(f.sizeClassCount)...);
    visit("sizeClassBytes", std::span(f.sizeClassBytes)...);
    visit("modifyHours", std::span(f.modifyHours)...);
    visit("createHours", std::span(f.createHours)...);
    visit("accessHours", std::span(f.accessHours)...);
    visit("accessAgeCount", std::span(f.accessAgeCount)...);
    visit("accessAgeBytes", std::span(f.accessAgeBytes)...);
    visit("createAgeCount", std::span(f.createAgeCount)...);
    visit("createAgeBytes", std::span(f.createAgeBytes)...);
    visit("modifyAgeCount", std::span(f.modifyAgeCount)...);
    visit("modifyAgeBytes", std::span(f.modifyAgeBytes)...);
}

// The same for the single figures that are sums (the attribute figures and the file counters).
template <typename Visit, typename... Figures> void forEachFigureSum(Visit visit, Figures&... f) {
    visit("hiddenCount", f.hiddenCount...);
    visit("readOnlyCount", f.readOnlyCount...);
    visit("systemCount", f.systemCount...);
    visit("archiveCount", f.archiveCount...);
    visit("hiddenBytes", f.hiddenBytes...);
    visit("readOnlyBytes", f.readOnlyBytes...);
    visit("systemBytes", f.systemBytes...);
    visit("archiveBytes", f.archiveBytes...);
    visit("filesFound", f.filesFound...);
    visit("filesSelected", f.filesSelected...);
}

// The keys of the five overhang sums in a report file, 4K first.
[[nodiscard]] const std::array<const char*, 5>& overhangKeys();

// The key (as "sizeClassBytes[11]", counted from 0 as in the file, or "fileTypes[3].totalBytes") of
// the first figure above maxExactFigure, which a report file cannot carry; nothing when every
// figure fits.
[[nodiscard]] std::optional<std::string> figureOverLimit(const ReportFigures& figures);
