#include "app/helpers.h"
#include "platform/locale_settings.h"
#include "platform/message_hook.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// Sets a locale for one test and restores the English one afterwards.
class LocaleScope final {
public:
    LocaleScope(std::string thousands, std::string decimal) {
        platform::Locale locale;
        locale.thousandsSeparator = std::move(thousands);
        locale.decimalSeparator = std::move(decimal);
        platform::setCurrentLocale(locale);
    }
    ~LocaleScope() { platform::setCurrentLocale(platform::Locale{}); }
};

} // namespace

TEST(Helpers, CountsAndBytesCarryThousandsSeparatorsAndSigns) {
    LocaleScope english(",", ".");
    EXPECT_EQ(formatCount(1234567), "1,234,567");
    EXPECT_EQ(formatCount(-1234), "-1,234");
    EXPECT_EQ(formatCount(999), "999");
    EXPECT_EQ(formatCount(0), "0");
    EXPECT_EQ(formatCount(-2147483648LL), "-2,147,483,648");
    EXPECT_EQ(formatBytes(1234567.4), "1,234,567");
    EXPECT_EQ(formatBytes(2.5), "3");
    EXPECT_EQ(formatBytes(-2.5), "-3");
    EXPECT_EQ(formatBytes(-0.2), "0");
    EXPECT_EQ(formatBytes(5368709120.0), "5,368,709,120");
    // Fourteen significant digits, the rest shown as zeros.
    EXPECT_EQ(formatBytes(123456789012345678.0), "123,456,789,012,350,000");
    EXPECT_EQ(formatBytes(std::nan("")), "");
    EXPECT_EQ(formatNumber2(45.678), "45.68");
    EXPECT_EQ(formatNumber2(-1234.5), "-1,234.50");
}

TEST(Helpers, OtherLocalesSeparatorsAreUsedEvenWhenSeveralBytesLong) {
    LocaleScope german(".", ",");
    EXPECT_EQ(formatCount(1234567), "1.234.567");
    EXPECT_EQ(formatNumber2(1234.5), "1.234,50");
    EXPECT_DOUBLE_EQ(safeStrToFloat("1,5"), 1.5);
    EXPECT_EQ(safeStrToFloat("1.5"), 0.0);
    LocaleScope french("\u202f", ",");
    EXPECT_EQ(formatBytes(1234567), "1\u202f234\u202f567");
}

TEST(Helpers, ConversionsNeverRaiseAndGiveZeroForBadText) {
    LocaleScope english(",", ".");
    EXPECT_EQ(safeStrToInt("12"), 12);
    EXPECT_EQ(safeStrToInt("-7"), -7);
    EXPECT_EQ(safeStrToInt("+3"), 3);
    EXPECT_EQ(safeStrToInt("-2147483648"), -2147483648LL);
    for (const char* bad :
         {"", "12a", "2147483648", " ", "0x10", "1.5", "+-5", "-+5", "--5", "++5"})
        EXPECT_EQ(safeStrToInt(bad), 0) << bad;
    EXPECT_DOUBLE_EQ(safeStrToFloat("1.5"), 1.5);
    EXPECT_DOUBLE_EQ(safeStrToFloat("-2.5e3"), -2500);
    EXPECT_DOUBLE_EQ(safeStrToFloat("+2.5E+3"), 2500);
    EXPECT_DOUBLE_EQ(safeStrToFloat("1e-2"), 0.01);
    for (const char* bad : {"", "inf", "nan", "1,234", "12 KB", "-", "--5", "+-5", "-+5", "++5",
                            "5-", "1-2", "1e--2", "-e5"})
        EXPECT_EQ(safeStrToFloat(bad), 0.0) << bad;
    EXPECT_EQ(digitsOnly("1,234 KB"), "1234");
}

TEST(Helpers, TabFieldsAreNumberedFromOneAndTrimmed) {
    const std::string text = "a\t b \tc";
    EXPECT_EQ(tabField(text, 1), "a");
    EXPECT_EQ(tabField(text, 2), "b");
    EXPECT_EQ(tabField(text, 3), "c");
    EXPECT_EQ(tabField(text, 4), "");
    EXPECT_EQ(tabField(text, 0), "");
    EXPECT_EQ(tabField("x\t   \ty", 2), "");
    EXPECT_EQ(tabField("whole", 1), "whole");
    EXPECT_EQ(tabField("", 1), "");
}

TEST(Helpers, EntriesAreClassifiedByNameAndDirectoryBit) {
    EXPECT_EQ(classifyEntry(FileRecord{".", 0, 0x10}), EntryKind::DotEntry);
    EXPECT_EQ(classifyEntry(FileRecord{"..", 0, 0x10}), EntryKind::DotEntry);
    EXPECT_EQ(classifyEntry(FileRecord{".config", 0, 0x12}), EntryKind::Directory);
    EXPECT_EQ(classifyEntry(FileRecord{"...", 0, 0x02}), EntryKind::File);
    EXPECT_EQ(classifyEntry(FileRecord{"sys", 0, 0x06}), EntryKind::File);
}

TEST(Helpers, DriveNamesAndReadiness) {
    EXPECT_EQ(driveTypeName(1), "");
    EXPECT_EQ(driveTypeName(0), "");
    EXPECT_EQ(driveTypeName(3), "(Fixed disk)");
    EXPECT_EQ(driveTypeName(6), "(RAM-Disk)");
    EXPECT_EQ(driveReady('c'), driveReady('C'));
    EXPECT_TRUE(driveReady('c'));
    try {
        (void)driveReady('1');
        FAIL() << "a digit is not a drive";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "Not a valid drive ID");
    }
}

TEST(Helpers, ErrorBoxBeepsFirstAndInformationBoxDoesNot) {
    std::vector<std::string> events;
    platform::setBeepHook([&] { events.push_back("beep"); });
    platform::setMessageHook(
        [&](platform::MessageKind kind, const std::string& title, const std::string& text) {
            events.push_back((kind == platform::MessageKind::Error ? "error:" : "info:") + title +
                             ":" + text);
            return platform::MessageResult::Ok;
        });
    showError("bad");
    showInfo("fine");
    platform::setMessageHook({});
    platform::setBeepHook({});
    EXPECT_EQ(events,
              (std::vector<std::string>{"beep", "error:Error:bad", "info:Information:fine"}));
}

TEST(Helpers, UnrecordedStampsConvertToZero) {
    FileRecord record{"f", 0, 0, 0, 0, 0};
    EXPECT_EQ(accessDosTime(record).packed(), 0u);
    EXPECT_EQ(createDosTime(record).packed(), 0u);
    EXPECT_EQ(modifyDosTime(record).packed(), 0u);
}
