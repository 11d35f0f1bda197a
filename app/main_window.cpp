#include "app/main_window.h"

#include "app/about_window.h"
#include "app/disk_size_bars.h"
#include "app/maker.h"
#include "platform/ad_library.h"
#include "ui/chart.h"
#include "ui/effect_label.h"
#include "ui/gradient_background.h"
#include "ui/hint_style.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {

constexpr int clientWidth = 642;
constexpr int clientHeight = 482;
constexpr int buttonGap = 6;    // between the buttons and from the right edge
constexpr int buttonBottom = 5; // from the bottom edge to the buttons' bottom
constexpr int buttonHeight = 25;
constexpr int titleHeight = 57;
constexpr int bottomLabelHeight = 41;

// The chart's two series, in the order they were added: used space forms the lower part of
// each stack.
constexpr int series5 = 0; // used space
constexpr int series4 = 1; // free space

void setTimerActive(QTimer& timer, bool on) {
    if (on && !timer.isActive()) {
        timer.start();
    } else if (!on && timer.isActive()) {
        timer.stop();
    }
}

} // namespace

TfrmMain::TfrmMain(DriveEntries statDriveEntries, std::function<void()> showStatistics,
                   QWidget* parent)
    : QWidget(parent), m_statDriveEntries(std::move(statDriveEntries)),
      m_showStatistics(std::move(showStatistics)) {
    resize(clientWidth, clientHeight);
    m_gradientBack1 = new GradientBackground(this);
    m_gradientBack1->setColors(QColor(0x00, 0x00, 0xFF), QColor(0x00, 0x00, 0x40));

    m_chartSpaceBar = new Chart(this);
    buildChart();
    connect(m_chartSpaceBar, &Chart::doubleClicked, this, &TfrmMain::chartSpaceBarDblClick);

    m_lblTitle = new EffectLabel(QStringLiteral("Tally 99 - Disk Statistics"), this);
    m_lblTitle->setFontFace(QStringLiteral("Times New Roman"), 29);
    m_lblTitle->setTextColor(QColor(0x80, 0x80, 0x00));
    m_lblTitle->setHighlightColor(Qt::yellow);
    m_lblTitle->setEffect(EffectLabel::TextEffect::extruded);
    m_lblTitle->setShadowColor(QColor(0x20, 0x20, 0x20));
    m_lblTitle->setDepth(3);
    m_lblTitle->setAlignment(Qt::AlignCenter);

    m_lblBottom = new EffectLabel(QString::fromLatin1(maker::webAddress), this);
    m_lblBottom->setFontFace(QStringLiteral("Times New Roman"), 27);
    m_lblBottom->setTextColor(QColor(0xFF, 0x00, 0xFF));
    m_lblBottom->setEffect(EffectLabel::TextEffect::extruded);
    m_lblBottom->setShadowColor(QColor(0x00, 0x00, 0x80));
    m_lblBottom->setDepth(7);
    // The buttons share the bottom edge at the right, so the address keeps to the left.
    m_lblBottom->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_btStatistic = new QPushButton(QStringLiteral("&Collect disk statistics"), this);
    m_btStatistic->resize(150, buttonHeight);
    m_btReach = new QPushButton(QStringLiteral("&About"), this);
    m_btReach->resize(75, buttonHeight);
    m_btClose = new QPushButton(QStringLiteral("E&xit"), this);
    m_btClose->resize(75, buttonHeight);
    m_btClose->setToolTip(QStringLiteral("Quit and close "));
    for (QPushButton* button : {m_btStatistic, m_btReach, m_btClose}) {
        button->setAutoDefault(true);
    }
    m_btStatistic->setDefault(true);
    connect(m_btStatistic, &QPushButton::clicked, this, &TfrmMain::btStatisticClick);
    connect(m_btReach, &QPushButton::clicked, this, &TfrmMain::btReachClick);
    connect(m_btClose, &QPushButton::clicked, this, &TfrmMain::btCloseClick);

    m_timer1 = new QTimer(this);
    m_timer1->setInterval(ChartAnimation::depthTimerMs);
    connect(m_timer1, &QTimer::timeout, this, &TfrmMain::Timer1Timer);
    m_timer2 = new QTimer(this);
    m_timer2->setInterval(ChartAnimation::zoomTimerMs);
    connect(m_timer2, &QTimer::timeout, this, &TfrmMain::Timer2Timer);

    FormCreate();
}

void TfrmMain::buildChart() {
    ChartModel& chart = m_chartSpaceBar->model();
    chart.title.visible = false;
    chart.legend.visible = false;
    chart.background.gradient = true;
    chart.background.startColor = clBlack;
    chart.background.endColor = clBlue;
    chart.background.direction = ChartBackground::Direction::BottomTop;
    chart.walls.bottomColor = 16744576;
    chart.walls.leftColor = 12615808;
    chart.walls.backFilled = false;
    for (ChartAxis* axis : {&chart.leftAxis, &chart.rightAxis}) {
        axis->visible = true;
        axis->valueFormat = "#,##0.0## GB";
        axis->labelColor = clWhite;
    }
    chart.leftAxis.axisLineVisible = false;
    chart.bottomAxis.labelColor = clWhite;
    // Room above and below the plot for the two labels that appear when the chart rests.
    chart.margins = ChartMargins{3, 13, 3, 10};
    chart.clearSeries();
    ChartSeries& used = chart.addSeries(ChartSeries::Kind::Bar, "Series5");
    ChartSeries& free = chart.addSeries(ChartSeries::Kind::Bar, "Series4");
    for (ChartSeries* series : {&used, &free}) {
        series->multiBar = ChartSeries::MultiBar::Stacked;
        series->barWidthPercent = 65;
        series->axis = ChartSeries::AxisBinding::Both;
        series->marks.visible = true;
        series->marks.format = "#,##0.00 GB";
    }
    used.color = clBlue;
    used.gradientFill = true;
    free.color = clFuchsia;
}

void TfrmMain::FormCreate() {
    m_chartSpaceBar->model().view3D = m_animation.view();
    m_lblTitle->hide();
    m_lblBottom->hide();
    setWindowTitle(QStringLiteral("Tally 99"));
    applyHintSettings();
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        const QRect available = screen->availableGeometry();
        move(available.center() - rect().center());
        if (screen->geometry().width() <= narrowScreenWidth) {
            setWindowState(Qt::WindowMaximized);
        }
    }
    m_btStatistic->setFocus();
}

void TfrmMain::applyHintSettings() {
    auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (application != nullptr && qobject_cast<HintStyle*>(QApplication::style()) == nullptr) {
        applyHintStyle(*application);
    }
}

void TfrmMain::FormShow() {
    applyHintSettings();
    FormResize();
    doDiskSize();
    m_animation.start();
    showAnimationState();
}

void TfrmMain::FormResize() {
    const int top = height() - buttonBottom - buttonHeight;
    int right = width() - buttonGap;
    for (QPushButton* button : {m_btClose, m_btReach, m_btStatistic}) {
        button->move(right - button->width(), top);
        right -= button->width() + buttonGap;
    }
    m_gradientBack1->setGeometry(rect());
    m_chartSpaceBar->setGeometry(rect());
    m_lblTitle->setGeometry(0, 0, width(), titleHeight);
    m_lblBottom->setGeometry(8, height() - bottomLabelHeight, width() - 8, bottomLabelHeight);
}

void TfrmMain::doDiskSize() {
    ChartModel& chart = m_chartSpaceBar->model();
    fillDiskSizeBars(chart.series(series5), chart.series(series4), m_statDriveEntries());
}

void TfrmMain::Timer1Timer() {
    m_animation.depthTick(static_cast<int>(m_statDriveEntries().size()));
    showAnimationState();
}

void TfrmMain::Timer2Timer() {
    const bool closeNow = m_animation.zoomTick();
    showAnimationState();
    if (closeNow) {
        close();
    }
}

void TfrmMain::chartSpaceBarDblClick() {
    m_animation.replay();
    showAnimationState();
}

void TfrmMain::FormCloseQuery(bool& canClose) {
    platform::AdClose(0, 0, 0);
    canClose = m_animation.closeRequested();
    showAnimationState();
}

void TfrmMain::btStatisticClick() {
    if (m_showStatistics) {
        m_showStatistics();
    }
}

void TfrmMain::btReachClick() {
    TfrmAbout about(this);
    about.exec();
}

void TfrmMain::btCloseClick() {
    close();
}

void TfrmMain::showAnimationState() {
    ChartModel& chart = m_chartSpaceBar->model();
    chart.view3D = m_animation.view();
    chart.hint = m_animation.chartHint();
    m_lblTitle->setVisible(m_animation.labelsVisible());
    m_lblBottom->setVisible(m_animation.labelsVisible());
    for (QPushButton* button : {m_btStatistic, m_btReach, m_btClose}) {
        button->setVisible(m_animation.buttonsVisible());
    }
    setTimerActive(*m_timer1, m_animation.depthTimerOn());
    setTimerActive(*m_timer2, m_animation.zoomTimerOn());
}

void TfrmMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        FormShow();
    }
}

void TfrmMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FormResize();
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    bool canClose = true;
    FormCloseQuery(canClose);
    event->setAccepted(canClose);
    if (canClose) {
        emit closed();
    }
}
