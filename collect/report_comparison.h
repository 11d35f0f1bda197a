#pragma once
// What changed between two reports, say of one machine a month apart: for every row of the
// figure table (figure_rows) the files and bytes before and after; the types joined by
// extension, with those that appeared or vanished named. Within the class tables (sizes, the
// three ages, attributes, overhang, types) the rows run from the largest change in bytes down
// (then the largest change in files); totals and half hours keep their order.
// Reports of different selections are compared all the same; selectionNote then says so, and
// every output puts it first.

#include "collect/figure_rows.h"
#include "collect/report.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct FigureChange {
    std::int64_t before = 0;
    std::int64_t after = 0;

    [[nodiscard]] std::int64_t difference() const { return after - before; }
    bool operator==(const FigureChange&) const = default;
};

struct ComparisonRow {
    std::string section;
    int index = 0;
    std::string label;
    std::string stamp;
    std::optional<FigureChange> files;
    std::optional<FigureChange> bytes;
    std::string note; // types: "appeared" or "vanished"
};

struct ComparedReport {
    std::string file;
    std::string created;
    std::string host;
    ReportSelection selection;
};

struct ReportComparison {
    ComparedReport older;
    ComparedReport newer;
    std::string selectionNote; // empty when both count the same files
    std::string overhangNote;  // why the overhang is not compared; empty when it is
    std::vector<ComparisonRow> rows;
    std::vector<std::string> typesAppeared; // extensions, in the type table's order
    std::vector<std::string> typesVanished;
};

[[nodiscard]] ReportComparison compareReports(const NamedReport& older, const NamedReport& newer);
