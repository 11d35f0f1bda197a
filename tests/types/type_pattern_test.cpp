#include "types/type_pattern.h"

#include <gtest/gtest.h>

TEST(TypePattern, TypedTextBecomesThePickersPattern) {
    const std::pair<const char*, const char*> table[] = {
        {"tmp", "*.tmp"}, {".tmp", "*.tmp"}, {"*.tmp", "*.tmp"}, {"TMP", "*.TMP"},
        {"", "*."},       {"tmp*", "tmp*"},  {"a.b", "*a.b"},    {"*x", "*x"},
    };
    for (const auto& [typed, pattern] : table)
        EXPECT_EQ(normaliseTypedPattern(typed), std::optional<std::string>(pattern)) << typed;
    for (const char* nothing : {"*.*", ".*", "*"})
        EXPECT_EQ(normaliseTypedPattern(nothing), std::nullopt) << nothing;
}

TEST(TypePattern, PatternsAreDescribedByTheTextFromTheirLastDot) {
    EXPECT_EQ(patternExtension("*.tmp"), ".tmp");
    EXPECT_EQ(patternExtension("*.tar.gz"), ".gz");
    EXPECT_EQ(patternExtension("*."), ".");
    EXPECT_EQ(patternExtension("tmp*"), "");
    EXPECT_EQ(entryPattern("*.doc\tWord\tmore"), "*.doc");
    EXPECT_EQ(entryPattern("*.doc"), "*.doc");
    EXPECT_EQ(entryPattern("\tWord"), "");
}

TEST(TypePattern, DuplicatesAndOrderIgnoreCaseOfLettersOnly) {
    const std::vector<std::string> lines{"*.doc\tWord document", "*.exe\tProgram"};
    EXPECT_TRUE(containsLineIgnoringCase(lines, "*.DOC\tWORD DOCUMENT"));
    EXPECT_FALSE(containsLineIgnoringCase(lines, "*.doc\tWord"));
    EXPECT_FALSE(containsLineIgnoringCase(lines, "*.doc"));
    EXPECT_TRUE(lineLessIgnoringCase("*.B", "*.c"));
    EXPECT_TRUE(lineLessIgnoringCase("*.b", "*.C"));
    EXPECT_FALSE(lineLessIgnoringCase("*.c", "*.C"));
    EXPECT_TRUE(lineLessIgnoringCase("*.do", "*.doc"));
    EXPECT_TRUE(lineLessIgnoringCase("*.Z", "*._")); // '_' lies above the capitals
}
