#pragma once
// The sample window, TfrmSamples ("Sample screen shots"): one screen shot of one of the
// maker's products. It holds a panel per product in the same place; the opener makes the one
// it wants visible before showing the window, and the title then names that product.

#include <QDialog>

#include <array>

class EffectLabel;
class QPushButton;

class TfrmSamples final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmSamples)

public:
    explicit TfrmSamples(QWidget* parent = nullptr);

    [[nodiscard]] QWidget* panel(int product) const;
    [[nodiscard]] EffectLabel* lblTitle() const { return m_lblTitle; }
    [[nodiscard]] QPushButton* okButton() const { return m_OKButton; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void FormShow();

    EffectLabel* m_lblTitle = nullptr;
    QPushButton* m_OKButton = nullptr;
    std::array<QWidget*, 5> m_panels{};
};
