#pragma once
// TypeListEditor, "File types": the editor of one persisted file-type list (settings section
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

class TypeListEditor final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TypeListEditor)

public:
    // section: the settings section the editor loads when shown and stores on "Close".
    explicit TypeListEditor(std::string section, QWidget* parent = nullptr);

    // The list as it stands in the editor, pattern TAB description per line, in shown order.
    [[nodiscard]] std::vector<std::string> entries() const;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void loadList();
    void onAddClicked();
    void onDeleteClicked();
    void onClearClicked();
    void onCloseClicked();

    // Adds line unless lines (the entries as they stand) holds it already; keeps lines current.
    void addEntry(std::vector<std::string>& lines, const std::string& line);
    void setCounter();

    EffectLabel* m_heading;      // "Label1"
    EffectLabel* m_counter;      // "lblCount"
    PickList* m_typeList;        // "PickList1"
    QPushButton* m_addButton;    // "btAdd"
    QPushButton* m_deleteButton; // "btDelete"
    QPushButton* m_clearButton;  // "btClear"
    QPushButton* m_closeButton;  // "btClose"
    QLabel* m_hint;              // "Label2"

    std::string m_section;
    bool m_loaded = false;
};
