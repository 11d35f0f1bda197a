#pragma once
// The wizard's answer that most window tests give: every file on the drives named.

#include "types/wizard_answer.h"

#include <string>
#include <vector>

namespace tally_test {

inline WizardAnswer allFilesOn(std::vector<std::string> drives) {
    WizardAnswer answer;
    answer.drives = std::move(drives);
    answer.allFiles = true;
    return answer;
}

} // namespace tally_test
