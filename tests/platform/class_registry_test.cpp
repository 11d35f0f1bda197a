#include "platform/class_registry.h"
#include "platform/memory_class_registry.h"
#include "platform/mime_class_registry.h"

#include <QMimeDatabase>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using platform::MemoryClassRegistry;
using platform::MimeClassRegistry;

TEST(MemoryClassRegistry, NamesCompareWithoutCaseAndTheEmptyNameIsTheRoot) {
    MemoryClassRegistry registry;
    registry.setValue(".Doc", "", "Word.Document");
    registry.setValue(".doc", "Content Type", "application/msword");
    registry.setValue("", "", "root text");

    const auto key = registry.openKey(".DOC");
    ASSERT_TRUE(key.has_value());
    EXPECT_EQ(key->value(""), "Word.Document");
    EXPECT_EQ(key->value("content type"), "application/msword");
    EXPECT_EQ(key->value("missing"), "");
    EXPECT_FALSE(registry.openKey(".xyz").has_value());
    EXPECT_EQ(registry.openKey("")->value(""), "root text");
    EXPECT_EQ(registry.subkeyNames(), std::vector<std::string>{".Doc"});
}

TEST(ClassRegistry, AnInstalledRegistryServesUntilTheDefaultIsRestored) {
    auto registry = std::make_shared<MemoryClassRegistry>();
    registry->setValue(".qqqz", "", "only/here");
    platform::setClassRegistry(registry);
    EXPECT_EQ(platform::classRegistry().openKey(".qqqz")->value(""), "only/here");
    platform::setClassRegistry(nullptr);
    EXPECT_FALSE(platform::classRegistry().openKey(".qqqz").has_value());
    EXPECT_TRUE(platform::classRegistry().openKey(".html").has_value());
}

TEST(MimeClassRegistry, SuffixKeysNameTheirTypeAndTypeKeysGiveTheComment) {
    const MimeClassRegistry registry;
    const QMimeType pdf = QMimeDatabase().mimeTypeForName("application/pdf");
    ASSERT_TRUE(pdf.isValid()) << "the shared MIME database is not installed";

    const auto suffixKey = registry.openKey(".PDF");
    ASSERT_TRUE(suffixKey.has_value());
    EXPECT_EQ(suffixKey->value(""), "application/pdf");
    EXPECT_EQ(suffixKey->value(".pdf"), "");
    const auto typeKey = registry.openKey("application/pdf");
    ASSERT_TRUE(typeKey.has_value());
    EXPECT_EQ(typeKey->value(""), pdf.comment().toStdString());
    EXPECT_FALSE(typeKey->value("").empty());

    EXPECT_FALSE(registry.openKey(".qqqz").has_value()); // application/octet-stream
    EXPECT_FALSE(registry.openKey(".").has_value());
    EXPECT_FALSE(registry.openKey(".a/b").has_value());
    EXPECT_FALSE(registry.openKey("no/such-type").has_value());
    EXPECT_EQ(registry.openKey("")->value(""), "");
}

TEST(MimeClassRegistry, TypeNamesWithCapitalsAreFoundInAnyCase) {
    const MimeClassRegistry registry;
    for (const QMimeType& type : QMimeDatabase().allMimeTypes()) {
        if (type.name() != type.name().toLower()) {
            const std::string lower = type.name().toLower().toStdString();
            EXPECT_TRUE(registry.openKey(lower).has_value()) << lower;
            return;
        }
    }
    GTEST_SKIP() << "this MIME database has no type name with capitals";
}

TEST(MimeClassRegistry, SubkeysListTypesAndKnownSuffixesOnce) {
    const MimeClassRegistry registry;
    const std::vector<std::string> names = registry.subkeyNames();
    EXPECT_EQ(std::ranges::count(names, ".pdf"), 1);
    EXPECT_EQ(std::ranges::count(names, "application/pdf"), 1);
    EXPECT_EQ(std::ranges::count(names, ".PDF"), 0);
    for (const std::string& name : names) {
        if (!name.starts_with('.'))
            continue;
        ASSERT_TRUE(registry.openKey(name).has_value()) << name;
    }
}
