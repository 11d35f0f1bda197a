#pragma once
// TfrmSelectExtension, "Select a file extension": the picker the file-type list editor opens
// with "&Add". It lists every registered extension with its description; the user types a
// pattern into Edit1 (a click on a line puts that line's pattern there) or selects several
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

class TfrmSelectExtension final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmSelectExtension)

public:
    explicit TfrmSelectExtension(QWidget* parent = nullptr);

    [[nodiscard]] bool multiple() const { return m_multiple; }
    [[nodiscard]] const std::string& pattern() const { return m_pattern; }
    [[nodiscard]] const std::string& description() const { return m_description; }
    // The selected lines of lBox in list order, each pattern TAB description.
    [[nodiscard]] std::vector<std::string> selectedLines() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void lBoxClick(int index);
    void lBoxDblClick();
    void BitBtn1Click();
    // The choice of OK and of a double click; true when the picker may close with OK.
    [[nodiscard]] bool takeChoice();

    QLabel* Label1;
    QLineEdit* Edit1;
    PickList* lBox;
    QLabel* Label2;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    // The bare patterns, one per line of lBox and in the same order (never shown).
    std::vector<std::string> cbWildCard;

    bool m_filled = false;
    bool m_multiple = false;
    std::string m_pattern;
    std::string m_description;
};
