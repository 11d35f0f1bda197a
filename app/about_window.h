#pragma once
// The About window, TfrmAbout ("How to contact us"): who offers the program and how to reach
// them, five of the maker's other products with an arrow button each that opens a sample
// screen shot, and the maker's web page, opened in the user's browser from the address label
// or the home-page button. Created for one showing by the main window.

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;
class QToolButton;

class TfrmAbout final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmAbout)

public:
    explicit TfrmAbout(QWidget* parent = nullptr);

    // Opens the maker's web address; a failure is reported in an error box.
    void btWebClick();
    // The click of any arrow button: shows the sample of the product beside the sender.
    void arrowClick(const QObject* sender);

    [[nodiscard]] QPushButton* okButton() const { return m_OKButton; }
    [[nodiscard]] QPushButton* btWeb() const { return m_btWeb; }
    [[nodiscard]] QLabel* webLabel() const { return m_lblWeb; }
    [[nodiscard]] QToolButton* arrowButton(int product) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* m_OKButton = nullptr;
    QPushButton* m_btWeb = nullptr;
    QLabel* m_lblWeb = nullptr;
    std::array<QToolButton*, 5> m_arrows{};
};
