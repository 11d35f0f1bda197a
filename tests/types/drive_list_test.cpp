#include "collect/fake_drives.h"
#include "types/drive_list.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> texts(const std::vector<DriveListEntry>& entries) {
    std::vector<std::string> result;
    for (const auto& entry : entries)
        result.push_back(entry.text);
    return result;
}

std::vector<bool> marks(const std::vector<DriveListEntry>& entries) {
    std::vector<bool> result;
    for (const auto& entry : entries)
        result.push_back(entry.marked);
    return result;
}

// a removable, b and c fixed without label, d CD-ROM without label, e CD-ROM with a label,
// f removable, g RAM disk without label.
class DriveListTest : public ::testing::Test {
protected:
    void SetUp() override {
        drives.map('a', "removable");
        drives.map('b', "fixed");
        drives.map('c', "fixed", "Work");
        drives.map('d', "cdrom");
        drives.map('e', "cdrom", "Disc_1");
        drives.map('f', "removable");
        drives.map('g', "ramdisk");
    }

    tally_test::FakeDrives drives;
    const std::vector<std::string> source{"a:",          "b: []", "c: [work]", "d: []",
                                          "e: [disc_1]", "f:",    "g: []"};
};

TEST_F(DriveListTest, FloppiesAreLeftOutAndEmptyLabelsBecomeTypeNames) {
    EXPECT_EQ(texts(buildDriveList(source, "c: [work]", DriveListKind::wizard)),
              (std::vector<std::string>{"c: [work]", "d: (CD-ROM)", "e: [disc_1]",
                                        "f:", "g: (RAM-Disk)"}));
    EXPECT_EQ(texts(buildDriveList({"A: []", "B:"}, "", DriveListKind::wizard)),
              std::vector<std::string>{})
        << "upper-case floppy letters are left out too";
}

TEST_F(DriveListTest, OnlyTheSpacePageLeavesOutCdRomsWithoutLabel) {
    EXPECT_EQ(texts(buildDriveList(source, "c: [work]", DriveListKind::spacePage)),
              (std::vector<std::string>{"c: [work]", "e: [disc_1]", "f:", "g: (RAM-Disk)"}));
}

TEST_F(DriveListTest, TheCurrentDrivesEntryAloneIsMarkedWhenItIsListed) {
    EXPECT_EQ(marks(buildDriveList(source, "e: [disc_1]", DriveListKind::wizard)),
              (std::vector<bool>{false, false, true, false, false}));
}

TEST_F(DriveListTest, EveryEntryIsMarkedWhenTheCurrentTextWasRewrittenOrIsAFloppy) {
    for (const std::string current : {"g: []", "a:", ""}) {
        const auto entries = buildDriveList(source, current, DriveListKind::spacePage);
        EXPECT_EQ(marks(entries), (std::vector<bool>{true, true, true, true})) << current;
    }
}

TEST_F(DriveListTest, TheMachineListFollowsTheDriveTableAndTheCurrentDirectory) {
    drives.enter('c');
    const auto wizard = machineDriveList(DriveListKind::wizard);
    EXPECT_EQ(texts(wizard), (std::vector<std::string>{"c: [work]", "d: (CD-ROM)", "e: [disc_1]",
                                                       "f:", "g: (RAM-Disk)"}));
    EXPECT_EQ(marks(wizard), (std::vector<bool>{true, false, false, false, false}));

    drives.enter('g');
    EXPECT_EQ(marks(machineDriveList(DriveListKind::spacePage)),
              (std::vector<bool>{true, true, true, true}))
        << "the current drive g has no label, so its entry was rewritten";
}

} // namespace
