#pragma once
// The About window, AboutWindow ("How to contact us"): who offers the program and how to reach
// them, five of the maker's other products with an arrow button each that opens a sample
// screen shot, and the maker's web page, opened in the user's browser from the address label
// or the home-page button. Created for one showing by the main window.

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;
class QToolButton;

class AboutWindow final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutWindow)

public:
    explicit AboutWindow(QWidget* parent = nullptr);

    // Opens the maker's web address; a failure is reported in an error box.
    void onWebClicked();
    // The click of any arrow button: shows the sample of the product beside the sender.
    void onArrowClicked(const QObject* sender);

    [[nodiscard]] QPushButton* okButton() const { return m_okButton; }
    [[nodiscard]] QPushButton* webButton() const { return m_webButton; }
    [[nodiscard]] QLabel* webLabel() const { return m_webLabel; }
    [[nodiscard]] QToolButton* arrowButton(int product) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* m_okButton = nullptr;
    QPushButton* m_webButton = nullptr;
    QLabel* m_webLabel = nullptr;
    std::array<QToolButton*, 5> m_arrows{};
};
