#pragma once
// The look of hints (tool tips) across the program: black text on aqua (colour reference
// 0xFFFF00, #00FFFF), shown one second after the mouse comes to rest on a widget. The delay is
// a style hint, so a proxy over the platform style supplies it.

#include <QProxyStyle>

class QApplication;

class HintStyle final : public QProxyStyle {
    Q_OBJECT

public:
    static constexpr int hintDelayMs = 1000;

    HintStyle() = default;
    Q_DISABLE_COPY_MOVE(HintStyle)

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};

// Installs HintStyle on the application and gives hints their colours.
void applyHintStyle(QApplication& application);
