#include "platform/profile_section.h"

#include "platform/profile_file.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace platform;

namespace {

std::string writeFile(const tally_test::TempFolder& temp, const std::string& text) {
    const auto path = temp.path() + "/t.ini";
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

} // namespace

TEST(ProfileSection, LooksUpAsGetPrivateProfileStringDoes) {
    tally_test::TempFolder temp;
    const auto path = writeFile(temp, "[Other]\nNumber=9\n[include]\nNUMBER=2\nnumber=3\nlong=" +
                                          std::string(1500, 'v') + "\n[Include]\nNumber=4\n");
    const auto section = ProfileSection::read("Include", path);
    for (const char* key : {"Number", "long"})
        EXPECT_EQ(section.value(key), getPrivateProfileString("Include", key, "", path)) << key;
    EXPECT_EQ(section.value("number"), "2");
    EXPECT_EQ(section.value("long")->size(), maxProfileValueLength);
    EXPECT_EQ(section.value("missing"), std::nullopt);
    EXPECT_EQ(ProfileSection::read("Nowhere", path).value("Number"), std::nullopt);
    EXPECT_EQ(ProfileSection::read("Include", temp.path() + "/none.ini").value("Number"),
              std::nullopt);
}

TEST(ProfileSection, NumberedValuesAreWhatLookingUpEachNumberFinds) {
    tally_test::TempFolder temp;
    const auto path = writeFile(temp, "[S]\nKey3=c\nkey1=a\nKEY1=x\nKey2=\nKey02=no\nKey-4=no\n"
                                      "Key+5=no\nKey 6=no\nKey7=beyond\nKey=no\nKeyx=no\n"
                                      "Key2000000000=far\n");
    const auto section = ProfileSection::read("S", path);
    std::vector<std::string> oneByOne;
    for (int k = 1; k <= 7; ++k) {
        const auto value = getPrivateProfileString("S", "Key" + std::to_string(k), "<none>", path);
        if (value != "<none>")
            oneByOne.push_back(value);
    }
    EXPECT_EQ(section.numberedValues("key", 7), oneByOne);
    EXPECT_EQ(oneByOne, (std::vector<std::string>{"a", "", "c", "beyond"}));
    EXPECT_EQ(section.numberedValues("Key", 6), (std::vector<std::string>{"a", "", "c"}));
    EXPECT_TRUE(section.numberedValues("Key", 0).empty());
    EXPECT_EQ(section.numberedValues("Key", 2000000000).back(), "far");
}
