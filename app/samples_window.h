#pragma once
// The sample window, SamplesWindow ("Sample screen shots"): one screen shot of one of the
// maker's products. It holds a panel per product in the same place; the opener makes the one
// it wants visible before showing the window, and the title then names that product.

#include <QDialog>

#include <array>

class EffectLabel;
class QPushButton;

class SamplesWindow final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SamplesWindow)

public:
    explicit SamplesWindow(QWidget* parent = nullptr);

    [[nodiscard]] QWidget* panel(int product) const;
    [[nodiscard]] EffectLabel* titleLabel() const { return m_titleLabel; }
    [[nodiscard]] QPushButton* okButton() const { return m_okButton; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void setUpControls();
    void onShown();

    EffectLabel* m_titleLabel = nullptr;
    QPushButton* m_okButton = nullptr;
    std::array<QWidget*, 5> m_panels{};
};
