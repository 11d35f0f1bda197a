#pragma once
// What a confirmed drive and file-type wizard answers: the marked drive entries in list order,
// the file-type mode, and in the two type modes the marked type entries in list order. The
// statistics window takes it over into its SelectionFilter; keeping it a plain value lets the
// run be driven without the modal wizard.

#include <string>
#include <vector>

class SelectionFilter;

struct WizardAnswer {
    std::vector<std::string> drives;
    bool allFiles = false;
    bool includeTypes = false;
    bool excludeTypes = false;
    std::vector<std::string> typeEntries; // pattern TAB description; ignored with allFiles
};

// Appends the answer's drives to the filter's (emptied before the wizard was shown) and replaces
// the mode and the type entries whole: with allFiles no type entry is kept.
void handOverWizardAnswer(const WizardAnswer& answer, SelectionFilter& filter);
