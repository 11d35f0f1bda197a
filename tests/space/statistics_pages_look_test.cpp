// The four pages as the statistics window shows them, in every view: nothing of their text may
// be cut off. With TALLY_PAGE_PICTURES naming a folder, each view is also saved there as a PNG
// for a person to look at.
#include "space/attribute_page.h"
#include "space/bar_palette.h"
#include "space/overhang_page.h"
#include "space/page_look.h"
#include "space/page_samples.h"
#include "space/sizes_page.h"
#include "types/selection_filter.h"
#include "types/types_page.h"
#include "ui/font_twins.h"
#include "ui/named_child.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

constexpr int sizesIndex = 2;

class PagesLook : public ::testing::Test {
protected:
    void SetUp() override {
        page_samples::useEnglishLocale();
        installFontTwins();
        QApplication::setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
        m_barColors.initAColors(true, 0);
        m_stats = page_samples::sizedRun();
        m_stats.hiddenCount = 412;
        m_stats.readOnlyCount = 1210;
        m_stats.systemCount = 37;
        m_stats.archiveCount = 15034;
        m_stats.hiddenBytes = 81234567;
        m_stats.readOnlyBytes = 456789012;
        m_stats.systemBytes = 1234567;
        m_stats.archiveBytes = 9876543210.0;
        m_stats.overhang4K = 61234567;
        m_stats.overhang8K = 125678901;
        m_stats.overhang16K = 254321987;
        m_stats.overhang32K = 512345678;
        m_stats.overhang64K = 1034567890;
        m_stats.filesSelected = 16694;
        m_stats.clusterSize = 16384;
        const std::array<std::pair<const char*, int>, 15> types = {{{".MP4", 40},
                                                                    {".ISO", 6},
                                                                    {".SO", 900},
                                                                    {".JPG", 1200},
                                                                    {".PDF", 300},
                                                                    {".ZIP", 80},
                                                                    {".PNG", 2400},
                                                                    {".TXT", 3100},
                                                                    {".CPP", 1800},
                                                                    {".H", 2200},
                                                                    {".HTML", 500},
                                                                    {".MD", 400},
                                                                    {"", 150},
                                                                    {".XCF", 12},
                                                                    {".WAV", 30}}};
        std::int64_t size = 900000000;
        for (const auto& [extension, files] : types) {
            page_samples::addType(m_stats, extension, files, size / files);
            size = size * 2 / 3;
        }
    }

    DriveStatistics m_stats;
    BarPalette m_barColors;
    SelectionFilter m_selection;
};

TEST_F(PagesLook, SizesInEachView) {
    for (int view = 0; view < 3; ++view) {
        auto* page = new SizesPage(m_stats, m_barColors);
        QRadioButton* buttons[] = {tally_test::namedChild<QRadioButton>(*page, "rgSize0"),
                                   tally_test::namedChild<QRadioButton>(*page, "rgSize1"),
                                   tally_test::namedChild<QRadioButton>(*page, "rgSize2")};
        buttons[view]->setChecked(true);
        page->doFileSizes();
        const char* names[] = {"sizes_listing", "sizes_chart_mb", "sizes_chart_files"};
        page_look::look(page, sizesIndex, QString::fromLatin1(names[view]));
        delete page;
    }
}

TEST_F(PagesLook, OverhangWithArrowAndNotApplicable) {
    for (const std::int32_t cluster : {16384, 4096, 65536, 2048}) {
        m_stats.clusterSize = cluster;
        auto* page = new OverhangPage(m_stats);
        page->doOverHang();
        page_look::look(page, 3, QStringLiteral("overhang_%1").arg(cluster));
        delete page;
    }
}

TEST_F(PagesLook, TypesInEachView) {
    for (int view = 0; view < 4; ++view) {
        auto* page = new TypesPage(m_stats, m_selection, m_barColors);
        page->setTypesView(static_cast<TypesView>(view));
        page->doFileTypes();
        const char* names[] = {"types_listing", "types_pie_size", "types_pie_files",
                               "types_pie_average"};
        page_look::look(page, 1, QString::fromLatin1(names[view]));
        delete page;
    }
}

TEST_F(PagesLook, Attribute) {
    auto* page = new AttributePage(m_stats);
    page->doFileAttrs();
    page_look::look(page, 8, QStringLiteral("attribute"));
    delete page;
}

} // namespace
