#pragma once
// ExtensionPicker, "Select a file extension": the picker the file-type list editor opens
// with "&Add". It lists every registered extension with its description; the user types a
// pattern into the edit field (a click on a line puts that line's pattern there) or selects several
// lines. After it closes with OK the opener reads multiple(), and then either pattern() and
// description() (one typed or clicked choice; an empty pattern means nothing was chosen) or
// selectedLines() (several lines, each "pattern TAB description").
//
// Filling the list asks the class registry for every registered extension, once per showing.

#include <QDialog>

#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class PickList;

class ExtensionPicker final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ExtensionPicker)

public:
    explicit ExtensionPicker(QWidget* parent = nullptr);

    [[nodiscard]] bool multiple() const { return m_multiple; }
    [[nodiscard]] const std::string& pattern() const { return m_pattern; }
    [[nodiscard]] const std::string& description() const { return m_description; }
    // The selected lines of the list in list order, each pattern TAB description.
    [[nodiscard]] std::vector<std::string> selectedLines() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillList();
    void onExtensionClicked(int index);
    void onExtensionDoubleClicked();
    void onOkClicked();
    // The choice of OK and of a double click; true when the picker may close with OK.
    [[nodiscard]] bool takeChoice();

    QLabel* m_prompt;            // "Label1"
    QLineEdit* m_patternEdit;    // "Edit1"
    PickList* m_extensionList;   // "lBox"
    QLabel* m_hint;              // "Label2"
    QPushButton* m_okButton;     // "BitBtn1"
    QPushButton* m_cancelButton; // "BitBtn2"
    // The bare patterns, one per line of the list and in the same order (never shown).
    std::vector<std::string> m_patterns;

    bool m_filled = false;
    bool m_multiple = false;
    std::string m_pattern;
    std::string m_description;
};
