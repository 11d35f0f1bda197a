#pragma once
// The four age pages (Access, Created, Modified, Combined) redraw their charts together: a chart
// mode chosen on any of them refills all four, each from its own page's buttons. This small
// coordinator creates the four pages, hears their requests and runs doFileAges.

#include "dates/date_kind.h"

#include <array>

struct DriveStatistics;
class BarPalette;
class CombinedPage;
class DatePage;
class QWidget;

class DatePages final {
public:
    // The pages are created under parent; the notebook that shows them takes them over.
    DatePages(const DriveStatistics& stats, BarPalette& barColors, QWidget* parent = nullptr);
    DatePages(const DatePages&) = delete;
    DatePages& operator=(const DatePages&) = delete;

    [[nodiscard]] DatePage* page(DateKind kind) const {
        return m_pages[static_cast<std::size_t>(kind)];
    }
    [[nodiscard]] CombinedPage* combined() const { return m_combined; }

    // Resets the combined chart's zoom, then per kind (Accessed, Created, Modified) refills the
    // page's chart and the kind's bars of the combined chart.
    void doFileAges();

private:
    std::array<DatePage*, 3> m_pages{};
    CombinedPage* m_combined = nullptr;
};
