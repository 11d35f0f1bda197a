#include "collect/drive_statistics.h"

#include "ui/text_grid.h"

void DriveStatistics::clearVariables(TextGrid* typesGrid) {
    fileTypes.clear();
    for (auto* ages : {&accessAgeCount, &accessAgeBytes, &createAgeCount, &createAgeBytes,
                       &modifyAgeCount, &modifyAgeBytes})
        ages->fill(0);
    sizeClassCount.fill(0);
    sizeClassBytes.fill(0);
    modifyHours.fill(0);
    createHours.fill(0);
    accessHours.fill(0);
    if (typesGrid != nullptr)
        for (int row = 1; row < typesGrid->rowCount(); ++row)
            for (int column = 0; column <= 4; ++column)
                typesGrid->setCell(column, row, {});
    hiddenCount = readOnlyCount = systemCount = archiveCount = 0;
    hiddenBytes = readOnlyBytes = systemBytes = archiveBytes = 0;
    overhang4K = overhang8K = overhang16K = overhang32K = overhang64K = 0;
    filesFound = 0;
    filesSelected = 0;
}
