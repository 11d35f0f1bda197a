#pragma once
// TfrmStatList, "File types": the editor of one persisted file-type list (settings section
// "Include" or "Exclude"), opened by the selection wizard's "&Add/Delete". It edits its own copy
// of the list, kept sorted without regard to case: "&Add" opens the extension picker,
// "&Delete" and "&Clear all" ask for confirmation through the message hook, "Close" (or Esc)
// stores the list and closes with OK (with Cancel if the settings file cannot be written), and
// the title bar's close box closes with Cancel without storing anything.

#include <QDialog>

#include <string>
#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;

class TfrmStatList final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmStatList)

public:
    // section: the settings section the editor loads when shown and stores on "Close".
    explicit TfrmStatList(std::string section, QWidget* parent = nullptr);

    // The list as it stands in the editor, pattern TAB description per line, in shown order.
    [[nodiscard]] const std::vector<std::string>& entries() const { return m_entries; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormShow();
    void btAddClick();
    void btDeleteClick();
    void btClearClick();
    void btCloseClick();

    void addEntry(const std::string& line);
    void showEntries();
    void setCounter();

    QLabel* Label1;
    QLabel* lblCount;
    QTreeWidget* PickList1;
    QPushButton* btAdd;
    QPushButton* btDelete;
    QPushButton* btClear;
    QPushButton* btClose;
    QLabel* Label2;

    std::string m_section;
    std::vector<std::string> m_entries;
    bool m_loaded = false;
};
