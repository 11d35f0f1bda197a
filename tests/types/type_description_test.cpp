#include "types/type_description.h"

#include "platform/class_registry.h"
#include "platform/memory_class_registry.h"
#include "types/type_pattern.h"

#include <QMimeDatabase>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

class TestRegistry : public ::testing::Test {
protected:
    void SetUp() override { platform::setClassRegistry(m_registry); }
    void TearDown() override { platform::setClassRegistry(nullptr); }
    platform::MemoryClassRegistry& registry() { return *m_registry; }

private:
    std::shared_ptr<platform::MemoryClassRegistry> m_registry =
        std::make_shared<platform::MemoryClassRegistry>();
};

} // namespace

TEST_F(TestRegistry, DescriptionComesFromTheClassKeyElseTheClassName) {
    registry().setValue(".doc", "", "Word.Document.8");
    registry().setValue("Word.Document.8", "", "Microsoft Word Document");
    registry().setValue(".abc", "", "abc_auto_file");
    registry().addKey("abc_auto_file");            // class key without a description
    registry().setValue(".pqr", "", "Pqr.Orphan"); // class key missing altogether

    EXPECT_EQ(typeDescription(".doc"), "Microsoft Word Document");
    EXPECT_EQ(typeDescription(".DOC"), "Microsoft Word Document");
    EXPECT_EQ(typeDescription(".abc"), "abc_auto_file");
    EXPECT_EQ(typeDescription(".pqr"), "Pqr.Orphan");
}

TEST_F(TestRegistry, UnknownExtensionsFallBackToTheirNameInCapitals) {
    EXPECT_EQ(typeDescription(".xyz"), "XYZ File");
    EXPECT_EQ(typeDescription(".xYz1"), "XYZ1 File");
    registry().addKey(".emp"); // a key with no class name is no better than none
    EXPECT_EQ(typeDescription(".emp"), "EMP File");
}

TEST_F(TestRegistry, SpecialExtensionsGetNoNameFallback) {
    registry().setValue("", "", "root default");
    EXPECT_EQ(typeDescription("*."), "No extension");
    EXPECT_EQ(typeDescription(""), "");
    EXPECT_EQ(typeDescription(".a*"), "");
    EXPECT_EQ(typeDescription("*"), "");
}

TEST_F(TestRegistry, TheFirstReadNamesTheValueTheSecondReadTakes) {
    registry().setValue(".odd", ".odd", "Alias");
    registry().setValue(".odd", "Alias", "Odd.Class");
    registry().setValue(".odd", "", "Ignored.Class");
    registry().setValue("Odd.Class", "", "Odd things");
    EXPECT_EQ(typeDescription(".odd"), "Odd things");
}

TEST_F(TestRegistry, RegisteredExtensionsAreShortDotKeysSortedWithoutCase) {
    for (const char* name : {".doc", "Word.Document.8", ".class", ".B", ".a", ".html", ".C", "a.b"})
        registry().addKey(name);
    EXPECT_EQ(listRegisteredExtensions(),
              (std::vector<std::string>{"*.a", "*.B", "*.C", "*.doc", "*.html"}));
}

TEST(TypeDescriptionMime, DocIsDescribedByTheDatabaseComment) {
    const QMimeDatabase database;
    const QMimeType type = database.mimeTypeForFile("x.doc", QMimeDatabase::MatchExtension);
    ASSERT_FALSE(type.isDefault()) << "the shared MIME database does not know .doc";
    const std::string comment = type.comment().toStdString();
    EXPECT_FALSE(comment.empty());
    EXPECT_EQ(typeDescription(".doc"), comment);
    EXPECT_EQ(typeDescription(".DOC"), comment);
    EXPECT_EQ(typeDescription(".qqqz"), "QQQZ File");
}

TEST(TypeDescriptionMime, RegisteredExtensionsOfTheDatabase) {
    const std::vector<std::string> patterns = listRegisteredExtensions();
    EXPECT_NE(std::ranges::find(patterns, "*.doc"), patterns.end());
    EXPECT_NE(std::ranges::find(patterns, "*.html"), patterns.end());
    EXPECT_EQ(std::ranges::find(patterns, "*.class"), patterns.end());
    for (const std::string& pattern : patterns) {
        ASSERT_TRUE(pattern.starts_with("*.")) << pattern;
        ASSERT_LE(pattern.size(), 6u) << pattern;
    }
    EXPECT_TRUE(std::ranges::is_sorted(patterns, lineLessIgnoringCase));
}
