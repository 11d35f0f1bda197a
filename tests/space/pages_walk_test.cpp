// A walk over a folder mapped as a drive, with a host that forwards the walk's fills to the
// four pages as the statistics window does; afterwards every page shows what the accumulators
// hold, and the accumulators what the folder holds.
#include "app/helpers.h"
#include "collect/drive_scan.h"
#include "platform/drives.h"
#include "platform/temp_folder.h"
#include "space/attribute_page.h"
#include "space/bar_palette.h"
#include "space/overhang.h"
#include "space/overhang_page.h"
#include "space/page_samples.h"
#include "space/sizes_page.h"
#include "types/selection_filter.h"
#include "types/types_page.h"
#include "ui/chart.h"
#include "ui/named_child.h"
#include "ui/string_grid.h"

#include <QAction>
#include <QLabel>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class PageHost final : public ScanHost {
public:
    PageHost(DriveStatistics& stats, const SelectionFilter& selection, BarPalette& palette)
        : types(stats, selection, palette), sizes(stats, palette), overhang(stats),
          attributes(stats), m_selection(selection) {}

    const std::string& currentDrive() const override { return m_drive; }
    bool abortRequested() const override { return false; }
    bool isThisSelected(std::string_view name) const override {
        return m_selection.isThisSelected(name);
    }
    bool overhangEnabled() const override { return true; }
    int chosenDriveCount() const override { return 1; }
    void setStatusText(const std::string& text) override { status = text; }
    void doOverHang() override { overhang.doOverHang(); }
    void doFileTypes() override { types.doFileTypes(); }
    void doFileSizes() override { sizes.doFileSizes(); }
    void doFileAttrs() override { attributes.doFileAttrs(); }
    void sortTypesByExtension() override { types.sortBy(TypesSortItem::SortbyExtension); }

    TypesPage types;
    SizesPage sizes;
    OverhangPage overhang;
    AttributePage attributes;
    std::string status;

private:
    const SelectionFilter& m_selection;
    std::string m_drive = "d: [pages]";
};

void writeFile(const fs::path& path, std::uintmax_t size) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << std::string(std::min<std::uintmax_t>(size, 4096), 'x');
    fs::resize_file(path, size); // large files stay sparse
}

std::string text(const QLabel* label) {
    return label->text().toStdString();
}

} // namespace

TEST(PagesWalk, EveryPageShowsTheAccumulatorsOfTheWalk) {
    page_samples::useEnglishLocale();
    tally_test::TempFolder config;
    tally_test::TempFolder tree;
    const fs::path root = tree.path();
    const std::vector<std::pair<std::string, std::uintmax_t>> files = {
        {"a.txt", 100},
        {"b.txt", 20000},
        {"c.TXT", 5000},
        {"d.jpg", 70000},
        {"e.jpg", 1},
        {"noext", 4096 * 3},
        {"sub/f.cpp", 300000},
        {"sub/deep/g.h", 2000000},
        {".hidden", 50},
        {"ro.dat", 777},
        {"sub/big.bin", 17 * 1048576}};
    std::uintmax_t totalBytes = 0;
    for (const auto& [name, size] : files) {
        writeFile(root / name, size);
        totalBytes += size;
    }
    fs::permissions(root / "ro.dat",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::create_directories(config.path() + "/tally99");
    std::ofstream(config.path() + "/tally99/drives.ini")
        << "[Drives]\nauto=0\nd=" << root.string()
        << "\n[Space]\nd=40000000000,10000000000,16384\n";
    tally_test::XdgConfigHome home(config.path());
    platform::reloadDriveTable();

    DriveStatistics stats;
    SelectionFilter selection;
    selection.allFiles = true;
    BarPalette palette;
    PageHost host(stats, selection, palette);
    computeClusterSize(stats, host.currentDrive());
    DriveScan(stats, host).scan();
    ::chdir("/");
    platform::reloadDriveTable();

    // The accumulators hold the folder.
    ASSERT_EQ(stats.filesSelected, static_cast<int>(files.size()));
    EXPECT_EQ(stats.clusterSize, 16384);
    EXPECT_EQ(stats.hiddenCount, 1);
    EXPECT_EQ(stats.readOnlyCount, 1);
    double classBytes = 0;
    for (int c = 1; c <= 12; ++c)
        classBytes += stats.sizeClassBytes[static_cast<std::size_t>(c)];
    EXPECT_EQ(classBytes, static_cast<double>(totalBytes));
    EXPECT_EQ(host.status, "Finished - 11 files processed");

    // Sizes: the listing and the chart by megabytes.
    const TextGrid& sizesGrid =
        tally_test::namedChild<StringGrid>(host.sizes, "gridSizes")->model();
    const ChartSeries& sizeBars =
        tally_test::namedChild<Chart>(host.sizes, "Chart1")->model().series(0);
    ASSERT_EQ(sizeBars.count(), 12);
    for (int c = 1; c <= 12; ++c) {
        const auto i = static_cast<std::size_t>(c);
        EXPECT_EQ(sizesGrid.cell(1, 13 - c), formatBytes(stats.sizeClassBytes[i])) << c;
        EXPECT_EQ(sizesGrid.cell(2, 13 - c), formatBytes(stats.sizeClassCount[i])) << c;
        EXPECT_NEAR(sizeBars.value(c - 1), stats.sizeClassBytes[i] / 1048576.0, 1e-6) << c;
    }
    EXPECT_EQ(sizesGrid.cell(2, 1), "1"); // the 17 MB file

    // Types: one row per extension, sorted by extension at the end of the run.
    const TextGrid& typesGrid = host.types.gridTypes().model();
    const auto& rows = stats.fileTypes.rows();
    ASSERT_EQ(typesGrid.rowCount(), static_cast<int>(rows.size()) + 2);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        EXPECT_EQ(typesGrid.cell(0, row), rows[i].extension);
        EXPECT_EQ(typesGrid.cell(2, row), formatBytes(static_cast<double>(rows[i].totalBytes)));
        EXPECT_EQ(typesGrid.cell(3, row), formatCount(rows[i].fileCount));
    }
    EXPECT_EQ(stats.fileTypes.rows()[static_cast<std::size_t>(stats.fileTypes.findTypeRow(".TXT"))]
                  .fileCount,
              3);
    EXPECT_TRUE(tally_test::namedChild<QAction>(host.types, "SortbyExtension")->isChecked());
    EXPECT_FALSE(tally_test::namedChild<QAction>(host.types, "SortbySize")->isChecked());
    // The pie was built from the rows sorted by size, largest first.
    std::vector<double> sizesDown;
    for (const auto& type : rows)
        sizesDown.push_back(static_cast<double>(type.totalBytes));
    std::sort(sizesDown.rbegin(), sizesDown.rend());
    const ChartSeries& pie = host.types.pieSeries();
    ASSERT_EQ(pie.count(), static_cast<int>(sizesDown.size()));
    for (int k = 0; k < pie.count(); ++k)
        EXPECT_EQ(pie.value(k), sizesDown[static_cast<std::size_t>(k)]) << k;

    // Overhang: the five sums, the arrow at 16K, the bars.
    const std::array<double, 5> sums = {stats.overhang4K, stats.overhang8K, stats.overhang16K,
                                        stats.overhang32K, stats.overhang64K};
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(text(tally_test::namedChild<QLabel>(host.overhang,
                                                      ("lblOver" + std::to_string(i + 1)).c_str())),
                  formatBytes(sums[i]))
            << i;
    EXPECT_FALSE(tally_test::namedChild<QLabel>(host.overhang, "imArrow")->isHidden());
    EXPECT_EQ(tally_test::namedChild<QLabel>(host.overhang, "imArrow")->y(),
              tally_test::namedChild<QLabel>(host.overhang, "lblCSize3")->y());
    EXPECT_EQ(text(tally_test::namedChild<QLabel>(host.overhang, "lblNumFiles")),
              "Number of files scanned: 11");
    EXPECT_EQ(text(tally_test::namedChild<QLabel>(host.overhang, "lblSize")),
              formatBytes(static_cast<double>(totalBytes) * 9.536743e-7) + " MB");
    ASSERT_EQ(host.overhang.wasteSeries().count(), 5);
    EXPECT_DOUBLE_EQ(host.overhang.wasteSeries().value(0),
                     100.0 * sums[4] / (static_cast<double>(totalBytes) + sums[4]));

    // Attribute: figures and shares.
    EXPECT_EQ(text(tally_test::namedChild<QLabel>(host.attributes, "lblNHidden")),
              formatCount(stats.hiddenCount));
    EXPECT_EQ(text(tally_test::namedChild<QLabel>(host.attributes, "lblNReadOnly")),
              formatCount(stats.readOnlyCount));
    EXPECT_EQ(text(tally_test::namedChild<QLabel>(host.attributes, "lblNArchive")),
              formatCount(stats.archiveCount));
    EXPECT_EQ(text(tally_test::namedChild<QLabel>(host.attributes, "lblSzHidden")),
              formatBytes(stats.hiddenBytes));
    const double marks = stats.hiddenCount + stats.readOnlyCount + stats.systemCount +
                         static_cast<double>(stats.archiveCount);
    ASSERT_EQ(host.attributes.countShares().count(), 4);
    EXPECT_DOUBLE_EQ(host.attributes.countShares().value(3), 100.0 * stats.hiddenCount / marks);
    EXPECT_NEAR(host.attributes.byteShares().total(), 100.0, 1e-9);
}
