#include "app/about_window.h"

#include "app/helpers.h"
#include "app/maker.h"
#include "app/samples_window.h"
#include "app/shell_open.h"
#include "ui/effect_label.h"
#include "ui/font_twins.h"
#include "ui/gradient_background.h"
#include "ui/raised_panel.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>
#include <string>

namespace {

constexpr int clientWidth = 440;
constexpr int clientHeight = 460;
constexpr int panelInset = 8;
constexpr const char* arrowHint = "Click to view a sample screen shot";

QString latin(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* textLine(QWidget* parent, const QString& text, int top, const QColor& color,
                 const QFont& font, Qt::Alignment alignment = Qt::AlignHCenter) {
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    QPalette colors = label->palette();
    colors.setColor(QPalette::WindowText, color);
    label->setPalette(colors);
    label->setAlignment(alignment | Qt::AlignVCenter);
    const int left = alignment == Qt::AlignHCenter ? 0 : 40;
    label->setGeometry(left, top, parent->width() - left, label->sizeHint().height());
    return label;
}

} // namespace

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("How to contact us"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(clientWidth, clientHeight);

    auto* background = new GradientBackground(this);
    background->setColors(QColor(0x10, 0x30, 0xA0), QColor(0x90, 0xB8, 0xF0));
    background->setGeometry(rect());

    auto* panel = new RaisedPanel(this);
    panel->setBevels(RaisedPanel::Bevel::raised, RaisedPanel::Bevel::lowered, 2);
    panel->setFillColor(QColor());
    panel->setGeometry(rect().adjusted(panelInset, panelInset, -panelInset, -panelInset));

    auto* title = new EffectLabel(QStringLiteral("Tally 99"), panel);
    title->setFontFace(QStringLiteral("Times New Roman"), 44, true);
    title->setTextColor(Qt::yellow);
    title->setEffect(EffectLabel::TextEffect::graduatedShadow);
    title->setShadowColor(Qt::black);
    title->setDepth(6);
    title->setAlignment(Qt::AlignCenter);
    title->setGeometry(0, 8, panel->width(), 60);
    title->setObjectName(QStringLiteral("lblTitle"));

    const QFont plain = pixelFont(QStringLiteral("Arial"), 13);
    const QFont bold = pixelFont(QStringLiteral("Arial"), 15, true);
    const QColor white(Qt::white);
    const QColor navy(0x00, 0x00, 0x80);
    textLine(panel, QStringLiteral("Version 1.7 compliments of:"), 74, white, plain);
    textLine(panel, latin(maker::company), 96, white, bold);
    textLine(panel, latin(maker::street), 118, white, plain);
    textLine(panel, latin(maker::city), 136, white, plain);

    int top = 170;
    for (std::size_t i = 0; i < m_arrows.size(); ++i) {
        const maker::Product& product = maker::products.at(i);
        auto* arrow = new QToolButton(panel);
        arrow->setArrowType(Qt::RightArrow);
        arrow->setAutoRaise(true);
        arrow->setToolTip(QString::fromLatin1(arrowHint));
        arrow->setGeometry(16, top, 20, 20);
        connect(arrow, &QToolButton::clicked, this, [this, arrow] { onArrowClicked(arrow); });
        m_arrows.at(i) = arrow;
        QLabel* line = textLine(
            panel, latin(product.name) + QStringLiteral(" - ") + latin(product.description), top,
            navy, plain, Qt::AlignLeft);
        line->setGeometry(line->x(), top, line->width(), 20);
        top += 24;
    }

    textLine(panel, QStringLiteral("Click on the arrows at the left to view screen shots"), 296,
             QColor(0xFF, 0x00, 0x00), pixelFont(QStringLiteral("Arial"), 13, true));
    textLine(panel, latin(maker::telephone), 324, navy, plain);

    m_webLabel = textLine(panel, latin(maker::webAddress), 346, QColor(0x00, 0x00, 0xFF), [&] {
        QFont underlined = plain;
        underlined.setUnderline(true);
        return underlined;
    }());
    // Only the address itself answers the mouse, not the empty width around it.
    const int webWidth = m_webLabel->sizeHint().width();
    m_webLabel->setGeometry((panel->width() - webWidth) / 2, m_webLabel->y(), webWidth,
                            m_webLabel->height());
    m_webLabel->setCursor(Qt::PointingHandCursor);
    m_webLabel->installEventFilter(this);

    m_okButton = new QPushButton(QStringLiteral("OK"), panel);
    m_okButton->setObjectName(QStringLiteral("OKButton"));
    m_webButton = new QPushButton(QStringLiteral("Velmor Home Page"), panel);
    m_webButton->setObjectName(QStringLiteral("btWeb"));
    m_webButton->setToolTip(QStringLiteral("Launch your browser to Velmor Home Page"));
    const int buttonTop = panel->height() - 25 - 16;
    const int buttonsWidth = 90 + 12 + 140;
    m_okButton->setGeometry((panel->width() - buttonsWidth) / 2, buttonTop, 90, 25);
    m_webButton->setGeometry(m_okButton->geometry().right() + 1 + 12, buttonTop, 140, 25);
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_webButton, &QPushButton::clicked, this, [this] {
        onWebClicked();
        accept();
    });
}

QToolButton* AboutWindow::arrowButton(int product) const {
    return m_arrows.at(static_cast<std::size_t>(product));
}

void AboutWindow::onWebClicked() {
    if (!shellOpen(std::string(maker::webAddress)))
        showError("Couldn't open web browser for home page.");
}

void AboutWindow::onArrowClicked(const QObject* sender) {
    const auto found = std::find(m_arrows.begin(), m_arrows.end(), sender);
    if (found == m_arrows.end())
        return;
    SamplesWindow samples(this);
    samples.panel(static_cast<int>(found - m_arrows.begin()))->show();
    samples.exec();
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_webLabel && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        onWebClicked();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
