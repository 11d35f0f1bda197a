#pragma once
// TfrmStatList, "File types": the editor of one persisted file-type list (settings section
// "Include" or "Exclude"), opened by the selection wizard's "&Add/Delete". It edits its own copy
// of the list, which its sorted pick list holds: "&Add" opens the extension picker, "&Delete"
// and "&Clear all" ask for confirmation through the message hook, "Close" (or Esc)
// stores the list and closes with OK (with Cancel if the settings file cannot be written), and
// the title bar's close box closes with Cancel without storing anything.

#include <QDialog>

#include <string>
#include <vector>

class EffectLabel;
class PickList;
class QLabel;
class QPushButton;

class TfrmStatList final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmStatList)

public:
    // section: the settings section the editor loads when shown and stores on "Close".
    explicit TfrmStatList(std::string section, QWidget* parent = nullptr);

    // The list as it stands in the editor, pattern TAB description per line, in shown order.
    [[nodiscard]] std::vector<std::string> entries() const;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormShow();
    void btAddClick();
    void btDeleteClick();
    void btClearClick();
    void btCloseClick();

    // Adds line unless lines (the entries as they stand) holds it already; keeps lines current.
    void addEntry(std::vector<std::string>& lines, const std::string& line);
    void setCounter();

    EffectLabel* Label1;
    EffectLabel* lblCount;
    PickList* PickList1;
    QPushButton* btAdd;
    QPushButton* btDelete;
    QPushButton* btClear;
    QPushButton* btClose;
    QLabel* Label2;

    std::string m_section;
    bool m_loaded = false;
};
