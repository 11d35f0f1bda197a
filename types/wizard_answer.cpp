#include "types/wizard_answer.h"

#include "types/selection_filter.h"

void handOverWizardAnswer(const WizardAnswer& answer, SelectionFilter& filter) {
    filter.drives.insert(filter.drives.end(), answer.drives.begin(), answer.drives.end());
    filter.allFiles = false;
    filter.includeTypes = false;
    filter.excludeTypes = false;
    if (answer.allFiles) {
        filter.allFiles = true;
        filter.setTypeEntries({});
        return;
    }
    filter.includeTypes = answer.includeTypes;
    filter.excludeTypes = answer.excludeTypes;
    filter.setTypeEntries(answer.typeEntries);
}
