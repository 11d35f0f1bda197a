#include "platform/locale_settings.h"
#include "platform/message_hook.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(LocaleSettings, ShortTimeFollowsTheStoredFormat) {
    const Locale saved = currentLocale();
    Locale locale;
    locale.shortTimeFormat = "HH:mm";
    setCurrentLocale(locale);
    EXPECT_EQ(formatShortTime(7, 5), "07:05");
    EXPECT_EQ(formatShortTime(23, 30), "23:30");
    EXPECT_EQ(formatShortTime(24, 0), "");
    locale.shortTimeFormat = "h.mm";
    setCurrentLocale(locale);
    EXPECT_EQ(formatShortTime(7, 5), "7.05");
    setCurrentLocale(saved);
}

TEST(MessageHook, HooksReplaceAndRestoreTheDefaults) {
    std::string seen;
    int beeps = 0;
    setMessageHook([&](MessageKind kind, const std::string& title, const std::string& text) {
        seen = title + "|" + text;
        return kind == MessageKind::Confirmation ? MessageResult::Cancel : MessageResult::Ok;
    });
    setBeepHook([&] { ++beeps; });
    EXPECT_EQ(showMessageBox(MessageKind::Confirmation, "Tally 99", "Sure?"),
              MessageResult::Cancel);
    EXPECT_EQ(seen, "Tally 99|Sure?");
    messageBeep();
    EXPECT_EQ(beeps, 1);

    setMessageHook({});
    setBeepHook({});
    messageBeep();
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(showMessageBox(MessageKind::Confirmation, "Title", "default"), MessageResult::No);
    EXPECT_EQ(showMessageBox(MessageKind::Error, "Error", "default"), MessageResult::Ok);
    EXPECT_EQ(seen, "Tally 99|Sure?");
}
