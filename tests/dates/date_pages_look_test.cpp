// The date pages as the statistics window shows them, in every view: no button text may be cut
// off and the strip of buttons stays inside the page. With TALLY_PAGE_PICTURES naming a folder,
// each view is also saved there as a PNG for a person to look at.
#include "collect/drive_statistics.h"
#include "dates/combined_page.h"
#include "dates/date_page.h"
#include "dates/date_pages.h"
#include "dates/time_page.h"
#include "platform/locale_settings.h"
#include "space/bar_palette.h"
#include "space/page_look.h"
#include "ui/font_twins.h"
#include "ui/named_child.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QRadioButton>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class DatePagesLook : public ::testing::Test {
protected:
    void SetUp() override {
        platform::setCurrentLocale(platform::Locale{});
        installFontTwins();
        QApplication::setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
        const double counts[10] = {312, 1840, 960, 512, 730, 2210, 1530, 870, 420, 3120};
        for (std::size_t c = 0; c < 10; ++c) {
            m_stats.accessAgeCount[c] = counts[c];
            m_stats.accessAgeBytes[c] = counts[c] * 734003.0;
            m_stats.createAgeCount[c] = counts[(c + 3) % 10];
            m_stats.createAgeBytes[c] = counts[(c + 3) % 10] * 1234567.0;
            m_stats.modifyAgeCount[c] = counts[(c + 6) % 10];
            m_stats.modifyAgeBytes[c] = counts[(c + 6) % 10] * 2345678.0;
        }
        for (std::size_t slot = 1; slot < 48; ++slot) {
            const double day = slot > 16 && slot < 40 ? 60.0 : 8.0;
            m_stats.modifyHours[slot] = day + static_cast<double>((slot * 7) % 13);
            m_stats.createHours[slot] = day / 2 + static_cast<double>((slot * 5) % 11);
            m_stats.accessHours[slot] = day * 1.5 + static_cast<double>((slot * 3) % 17);
        }
    }

    DriveStatistics m_stats;
    BarPalette m_barColors;
};

// The view buttons of the Access, Created, Modified and Combined pages by object name, in the
// order Listing, Chart by Size, Chart by Number of Files.
const char* const viewButtons[4][3] = {{"rgAccess0", "rgAccess1", "rgAccess2"},
                                       {"rgCreate0", "rgCreate1", "rgCreate2"},
                                       {"rgModify0", "rgModify1", "rgModify2"},
                                       {"rgCombine0", "rbCombine1", "rbCombine2"}};

} // namespace

TEST_F(DatePagesLook, AgePagesInEachView) {
    const char* views[] = {"listing", "chart_mb", "chart_files"};
    const char* kinds[] = {"access", "created", "modified"};
    for (int view = 0; view < 3; ++view) {
        DatePages pages(m_stats, m_barColors);
        for (const DateKind kind : {DateKind::Accessed, DateKind::Created, DateKind::Modified}) {
            DatePage* page = pages.page(kind);
            page->fillGridDates();
            tally_test::namedChild<QRadioButton>(*page, viewButtons[static_cast<int>(kind)][view])
                ->click();
        }
        pages.combined()->fillCombinedGridDates();
        tally_test::namedChild<QRadioButton>(*pages.combined(), viewButtons[3][view])->click();
        pages.doFileAges();
        for (const DateKind kind : {DateKind::Accessed, DateKind::Created, DateKind::Modified}) {
            const int k = static_cast<int>(kind);
            page_look::look(
                pages.page(kind), 4 + k,
                QStringLiteral("%1_%2").arg(QLatin1String(kinds[k]), QLatin1String(views[view])));
            delete pages.page(kind);
        }
        page_look::look(pages.combined(), 7,
                        QStringLiteral("combined_%1").arg(QLatin1String(views[view])));
        delete pages.combined();
    }
}

TEST_F(DatePagesLook, TimePage) {
    auto* page = new TimePage(m_stats);
    page->doFileTimes();
    page_look::look(page, 9, QStringLiteral("time"));
    delete page;
}
