#include "types/type_text.h"

#include "platform/locale_settings.h"

#include <gtest/gtest.h>

namespace {
class WithLocale : public ::testing::Test {
protected:
    void TearDown() override { platform::setCurrentLocale(m_saved); }
    static void use(const std::string& thousands, const std::string& decimal) {
        platform::Locale locale;
        locale.thousandsSeparator = thousands;
        locale.decimalSeparator = decimal;
        platform::setCurrentLocale(locale);
    }

private:
    platform::Locale m_saved = platform::currentLocale();
};
} // namespace

TEST_F(WithLocale, AverageOfNoFilesIsZeroAndLargeSumsStayExact) {
    use(",", ".");
    EXPECT_EQ(averageSizeText(0, 0), "0");
    EXPECT_EQ(averageSizeText(1234, -1), "0");
    EXPECT_EQ(averageSizeText(1000, 3), "333");
    EXPECT_EQ(averageSizeText(2000, 3), "667");
    EXPECT_EQ(averageSizeText(3 * 2147483648LL, 1), "6,442,450,944");
}

TEST_F(WithLocale, StripCommasRemovesTheLocalesSeparatorOnly) {
    use(",", ".");
    EXPECT_EQ(stripCommas("1,234,567"), "1234567");
    EXPECT_EQ(stripCommas("1.5 KB"), "1.5 KB");
    use(".", ",");
    EXPECT_EQ(stripCommas("1.234.567,5"), "1234567,5");
    use("\xE2\x80\xAF", ","); // narrow no-break space: three bytes
    EXPECT_EQ(stripCommas("12\xE2\x80\xAF"
                          "345\xE2\x80\xAF"
                          "678"),
              "12345678");
    EXPECT_EQ(stripCommas("\xE2\x80\xA0"), "\xE2\x80\xA0"); // a different character stays whole
    use("", ".");
    EXPECT_EQ(stripCommas("1 234"), "1 234");
}
