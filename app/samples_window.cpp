#include "app/samples_window.h"

#include "app/maker.h"
#include "app/sample_pictures.h"
#include "ui/effect_label.h"
#include "ui/raised_panel.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace {

constexpr int margin = 12;
constexpr int titleHeight = 44;
constexpr int bevel = 2;

} // namespace

SamplesWindow::SamplesWindow(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Sample screen shots"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    const QSize picture = samplePictureSize();
    const int width = picture.width() + 2 * bevel + 2 * margin;
    const int panelTop = margin + titleHeight;
    const int height = panelTop + picture.height() + 2 * bevel + margin + 25 + margin;
    setFixedSize(width, height);

    m_titleLabel = new EffectLabel(QStringLiteral("Tally 99"), this);
    m_titleLabel->setFontFace(QStringLiteral("Times New Roman"), 30, true);
    m_titleLabel->setTextColor(QColor(0x80, 0x80, 0x00));
    m_titleLabel->setEffect(EffectLabel::TextEffect::shadow);
    m_titleLabel->setShadowColor(QColor(0x80, 0x80, 0x80));
    m_titleLabel->setDepth(2);
    m_titleLabel->setAlignment(Qt::AlignCenter);
    m_titleLabel->setGeometry(margin, margin, width - 2 * margin, titleHeight);

    for (std::size_t i = 0; i < m_panels.size(); ++i) {
        auto* panel = new RaisedPanel(this);
        panel->setBevels(RaisedPanel::Bevel::lowered, RaisedPanel::Bevel::none, bevel);
        panel->setGeometry(margin, panelTop, picture.width() + 2 * bevel,
                           picture.height() + 2 * bevel);
        auto* shot = new QLabel(panel);
        shot->setPixmap(samplePicture(static_cast<int>(i)));
        shot->setGeometry(bevel, bevel, picture.width(), picture.height());
        m_panels.at(i) = panel;
    }

    m_okButton = new QPushButton(QStringLiteral("OK"), this);
    m_okButton->setObjectName(QStringLiteral("OKButton"));
    m_okButton->setGeometry((width - 90) / 2, height - margin - 25, 90, 25);
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);

    setUpControls();
}

QWidget* SamplesWindow::panel(int product) const {
    return m_panels.at(static_cast<std::size_t>(product));
}

void SamplesWindow::setUpControls() {
    for (QWidget* panel : m_panels)
        panel->hide();
    if (const QScreen* screen = QGuiApplication::primaryScreen(); screen != nullptr)
        move(screen->availableGeometry().center() - rect().center());
}

void SamplesWindow::onShown() {
    for (std::size_t i = 0; i < m_panels.size(); ++i) {
        if (m_panels.at(i)->isVisibleTo(this)) {
            const std::string_view name = maker::products.at(i).name;
            m_titleLabel->setText(
                QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
            return;
        }
    }
}

void SamplesWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        onShown();
}
