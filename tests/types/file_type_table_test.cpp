#include "types/file_type_table.h"
#include "types/selection_filter.h"
#include "types/type_entry.h"

#include <gtest/gtest.h>

namespace {

// What the walk passes for a file name: from the last dot on, dot included.
std::string extensionOf(std::string_view name) {
    const auto dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot));
}

} // namespace

TEST(FileTypeTable, FilesLandInTheRowOfTheirUpperCasedExtension) {
    FileTypeTable table;
    for (const char* name :
         {"archive.tar.gz", "a.Doc", "b.DOC", "README", "Main.class", "page.html"})
        table.insertType(extensionOf(name), 100, false);
    ASSERT_EQ(table.size(), 4);
    EXPECT_EQ(table.rows()[0].extension, "");
    EXPECT_EQ(table.rows()[1].extension, ".DOC");
    EXPECT_EQ(table.rows()[1].fileCount, 2);
    EXPECT_EQ(table.rows()[2].extension, ".GZ");
    EXPECT_EQ(table.rows()[3].extension, ".HTML");
    EXPECT_EQ(table.findTypeRow(".class"), -1);
    EXPECT_EQ(table.findTypeRow(".doc"), 1);
    EXPECT_EQ(table.findTypeRow(".xyz"), -1);
    EXPECT_EQ(FileTypeTable().findTypeRow(""), -1);
}

TEST(FileTypeTable, EveryWritingOfAnExtensionCountsInItsOneRowAsRowsAreAdded) {
    // The walk remembers rows by the extension as written; a row added before them moves them.
    FileTypeTable table;
    for (int round = 0; round < 3; ++round) {
        for (const char* extension : {".doc", ".DOC", ".Doc", ".jpeg", ".JPEG"})
            table.insertType(extension, 5, false);
        table.insertType(round == 0 ? ".AAA" : round == 1 ? ".cab" : ".B", 1, false);
    }
    ASSERT_EQ(table.size(), 5);
    EXPECT_EQ(table.rows()[3].extension, ".DOC");
    EXPECT_EQ(table.rows()[3].fileCount, 9);
    EXPECT_EQ(table.rows()[3].totalBytes, 45);
    EXPECT_EQ(table.rows()[4].extension, ".JPEG");
    EXPECT_EQ(table.rows()[4].fileCount, 6);
}

TEST(FileTypeTable, ChosenTypesGetARowWithoutChangingOnesThatExist) {
    FileTypeTable table;
    table.insertType(".doc", 10, false);
    table.insertType(".doc", 0, true);
    table.insertType(".bak", 0, true);
    EXPECT_EQ(table.rows()[0].extension, ".BAK");
    EXPECT_EQ(table.rows()[0].fileCount, 0);
    EXPECT_EQ(table.rows()[0].totalBytes, 0);
    EXPECT_EQ(table.rows()[1].fileCount, 1);
    EXPECT_EQ(table.rows()[1].totalBytes, 10);
}

TEST(FileTypeTable, RowsStaySortedAndSumsGoBeyondThirtyTwoBits) {
    FileTypeTable table;
    const char* extensions[] = {".Z", ".A", ".M", "", ".B", ".Y", ".AB", ".A1", ".", ".zz"};
    for (int round = 0; round < 3; ++round)
        for (const char* extension : extensions)
            table.insertType(extension, 2147483647, false);
    ASSERT_EQ(table.size(), 10);
    for (int i = 1; i < table.size(); ++i)
        EXPECT_LT(table.rows()[static_cast<std::size_t>(i - 1)].extension,
                  table.rows()[static_cast<std::size_t>(i)].extension);
    for (const auto& row : table.rows()) {
        EXPECT_EQ(row.fileCount, 3);
        EXPECT_EQ(row.totalBytes, 3 * 2147483647LL);
        EXPECT_EQ(table.findTypeRow(row.extension), &row - table.rows().data());
    }
}

TEST(TypeEntries, TheExtensionIsThePatternWithoutItsFirstCharacter) {
    EXPECT_EQ(extractExtension("*.TMP\tTMP File"), ".tmp");
    EXPECT_EQ(extractExtension("*.doc"), "");
    EXPECT_EQ(extractExtension("\tx"), "");
    EXPECT_EQ(extractExtension("*\tx"), "");
    EXPECT_EQ(extractExtension("*.\tNo extension"), ".");
    EXPECT_EQ(extractExtension("tmp*\t"), "mp*");
}

TEST(SelectionFilter, ModesDecideWhatMatchingMeans) {
    SelectionFilter filter;
    filter.allFiles = true;
    EXPECT_TRUE(filter.isThisSelected("README"));

    filter.allFiles = false;
    filter.includeTypes = true;
    filter.setTypeEntries({"*.doc\tWord", "*.*\tAll", "*.gz\tArchive"});
    EXPECT_TRUE(filter.isThisSelected("REPORT.DOC"));
    EXPECT_TRUE(filter.isThisSelected("report.doc"));
    EXPECT_TRUE(filter.isThisSelected("archive.tar.gz"));
    EXPECT_FALSE(filter.isThisSelected("README"));
    EXPECT_FALSE(filter.isThisSelected("file.txt"));
    EXPECT_FALSE(filter.isThisSelected("x.docx"));

    filter.setTypeEntries({"*\tNo extension"});
    EXPECT_TRUE(filter.isThisSelected("README"));

    filter.includeTypes = false;
    filter.excludeTypes = true;
    filter.setTypeEntries({"*.doc\tWord"});
    EXPECT_FALSE(filter.isThisSelected("a.DOC"));
    EXPECT_TRUE(filter.isThisSelected("README"));
    filter.setTypeEntries({});
    EXPECT_TRUE(filter.isThisSelected("a.doc"));
}
