// The escapes of names in reports: hexadecimal that gives every byte back, and CSV fields that
// keep every byte visible, UTF-8 as it is.
#include "collect/name_escapes.h"

#include <gtest/gtest.h>

#include <string>

TEST(NameEscapes, HexGivesBackEveryByteAndRefusesWhatIsNotHex) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte)
        all += static_cast<char>(byte);
    EXPECT_EQ(hexOf(std::string_view("\x00\x7f\xff", 3)), "007fff");
    EXPECT_EQ(bytesOfHex(hexOf(all)), all);
    EXPECT_EQ(bytesOfHex("C3A9"), "\xc3\xa9");
    EXPECT_EQ(bytesOfHex(""), "");
    for (const char* bad : {"a", "abc", "0g", "+1", " 1"})
        EXPECT_EQ(bytesOfHex(bad), std::nullopt) << bad;
}

TEST(NameEscapes, CsvFieldsEscapeBackslashControlAndStrayBytesAndQuoteWhereNeeded) {
    EXPECT_EQ(csvField(".DOC"), ".DOC");
    EXPECT_EQ(csvField("\xc3\xa9t\xc3\xa9 \xf0\x9f\x98\x80"), "\xc3\xa9t\xc3\xa9 \xf0\x9f\x98\x80");
    EXPECT_EQ(csvField("a\\b"), "a\\\\b");
    EXPECT_EQ(csvField("\xe9t\xc3\xa9"), "\\xe9t\xc3\xa9");
    EXPECT_EQ(csvField("\xed\xa0\x80"), "\\xed\\xa0\\x80"); // a surrogate is not UTF-8
    EXPECT_EQ(csvField("tab\there\x7f"), "tab\\x09here\\x7f");
    EXPECT_EQ(csvField("a,b"), "\"a,b\"");
    EXPECT_EQ(csvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(csvField(""), "");
}
