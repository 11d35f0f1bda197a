#pragma once
// TfrmWhichDrive, "Which drives and file types?": the three-page wizard in front of every
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

class TfrmWhichDrive final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmWhichDrive)

public:
    explicit TfrmWhichDrive(QWidget* owner = nullptr);

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

    RaisedPanel* const pnlPage1;
    EffectLabel* const lblDrives;
    PickList* const pckDrive;
    QPushButton* const btCancel1;
    QPushButton* const btNext1;

    RaisedPanel* const pnlPage2;
    EffectLabel* const lblTypes;
    QRadioButton* const rbAll;
    QRadioButton* const rbInclude;
    QRadioButton* const rbExclude;
    QPushButton* const btPrior2;
    QPushButton* const btNext2;

    RaisedPanel* const pnlPage3;
    EffectLabel* const lblSelect;
    EffectLabel* const lblOf;
    PickList* const PickList1;
    QPushButton* const btEdit;
    QPushButton* const btPrior3;
    QPushButton* const btOK;

    QMenu* const popDrives;
    QMenu* const popTypes;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void showPage(int page);
    void pckDriveClick();
    void PickList1Click();
    void btNext2Click();
    void btEditClick();
    void btOKClick();
    void SelectAll1Click();
    void Deselectall1Click();
    void SelectAll2Click();
    void DeselectAll2Click();
    // Loads the chosen mode's section into the type list, unmarked, with OK disabled.
    void loadTypes();
    void setCounter(int marked);

    bool m_shown = false;
};
