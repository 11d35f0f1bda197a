#include "types/selection_filter.h"
#include "types/wizard_answer.h"

#include <gtest/gtest.h>

TEST(WizardAnswer, ATypeModeReplacesTheWholeSelectionAndAppendsTheDrives) {
    SelectionFilter filter;
    filter.allFiles = true;
    filter.drives = {"c: [work]"}; // what a caller that forgot to empty the list would keep
    handOverWizardAnswer(
        {{"d: (Fixed disk)", "e:"}, false, false, true, {"*.doc\tWord", "*.gz\tGZ"}}, filter);
    EXPECT_EQ(filter.drives, (std::vector<std::string>{"c: [work]", "d: (Fixed disk)", "e:"}));
    EXPECT_FALSE(filter.allFiles);
    EXPECT_FALSE(filter.includeTypes);
    EXPECT_TRUE(filter.excludeTypes);
    EXPECT_EQ(filter.typeEntries(), (std::vector<std::string>{"*.doc\tWord", "*.gz\tGZ"}));
    EXPECT_FALSE(filter.isThisSelected("REPORT.DOC"));
    EXPECT_TRUE(filter.isThisSelected("notes.txt"));
}

TEST(WizardAnswer, AllFilesDropsTheTypesOfAnEarlierRun) {
    SelectionFilter filter;
    filter.includeTypes = true;
    filter.setTypeEntries({"*.doc\tWord"});
    handOverWizardAnswer({{"c: [work]"}, true, false, false, {"*.exe\tProgram"}}, filter);
    EXPECT_TRUE(filter.allFiles);
    EXPECT_FALSE(filter.includeTypes);
    EXPECT_FALSE(filter.excludeTypes);
    EXPECT_TRUE(filter.typeEntries().empty());
    EXPECT_TRUE(filter.isThisSelected("README"));
}
