#pragma once
// WhichDriveWizard, "Which drives and file types?": the three-page wizard in front of every
// collection run. Page 1 marks drives, page 2 chooses all files, only chosen types, or all but
// chosen types, and page 3 (only in the two type modes) marks types from the settings file's
// "Include" or "Exclude" list, which "&Add/Delete" edits in TypeListEditor. The pages are panels
// of one size stacked at the top-left corner; only one is visible. The wizard is made for one
// showing, so every showing starts from "&All files" and a freshly built drive list. The close
// box and "Cancel" reject it; "OK" (or "&Next >>" with "&All files") accepts it.

#include "types/wizard_answer.h"

#include <QDialog>

#include <string>

class EffectLabel;
class PickList;
class QMenu;
class QPushButton;
class QRadioButton;
class RaisedPanel;

class WhichDriveWizard final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WhichDriveWizard)

public:
    explicit WhichDriveWizard(QWidget* owner = nullptr);

    // The answer after OK: marked drives, the mode and, without allFiles, the marked types.
    [[nodiscard]] WizardAnswer answer() const;
    // 1, 2 or 3.
    [[nodiscard]] int currentPage() const;
    // The settings section of the chosen type mode.
    [[nodiscard]] std::string typeSection() const;

    // Result fields, set by "&Next >>" with "&All files" or by "OK".
    bool allFiles = false;
    bool includeTypes = false;
    bool excludeTypes = false;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Each showing starts from the machine's drives as they are now.
    void fillDriveList();
    void showPage(int page);
    void onDriveListClicked();
    void onTypeListClicked();
    void onModeNextClicked();
    void onEditClicked();
    void onFinishClicked();
    void onSelectAllDrivesClicked();
    void onDeselectAllDrivesClicked();
    void onSelectAllTypesClicked();
    void onDeselectAllTypesClicked();
    // Loads the chosen mode's section into the type list, unmarked, with OK disabled.
    void loadTypes();
    void setCounter(int marked);

    // Page 1 ("pnlPage1"): the drives.
    RaisedPanel* const m_drivesPage;
    EffectLabel* const m_drivesHeading;    // "lblDrives"
    PickList* const m_driveList;           // "pckDrive"
    QPushButton* const m_cancelButton;     // "btCancel1"
    QPushButton* const m_drivesNextButton; // "btNext1"

    // Page 2 ("pnlPage2"): all files, chosen types or all but chosen types.
    RaisedPanel* const m_modePage;
    EffectLabel* const m_modeHeading;     // "lblTypes"
    QRadioButton* const m_allFilesButton; // "rbAll"
    QRadioButton* const m_includeButton;  // "rbInclude"
    QRadioButton* const m_excludeButton;  // "rbExclude"
    QPushButton* const m_modeBackButton;  // "btPrior2"
    QPushButton* const m_modeNextButton;  // "btNext2"

    // Page 3 ("pnlPage3"): the types of the chosen mode's list.
    RaisedPanel* const m_typesPage;
    EffectLabel* const m_typesHeading;    // "lblSelect"
    EffectLabel* const m_typesCounter;    // "lblOf", marked/all
    PickList* const m_typeList;           // "PickList1"
    QPushButton* const m_editButton;      // "btEdit"
    QPushButton* const m_typesBackButton; // "btPrior3"
    QPushButton* const m_finishButton;    // "btOK", the wizard's "OK"

    QMenu* const m_driveMenu; // "popDrives"
    QMenu* const m_typeMenu;  // "popTypes"

    bool m_shown = false;
};
