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
    if (on && !timer.isActive())
        timer.start();
    else if (!on && timer.isActive())
        timer.stop();
}

} // namespace

MainWindow::MainWindow(DriveEntries statDriveEntries, std::function<void()> showStatistics,
                       QWidget* parent)
    : QWidget(parent), m_statDriveEntries(std::move(statDriveEntries)),
      m_showStatistics(std::move(showStatistics)) {
    resize(clientWidth, clientHeight);
    setObjectName(QStringLiteral("frmMain"));
    m_background = new GradientBackground(this);
    m_background->setObjectName(QStringLiteral("GradientBack1"));
    m_background->setColors(QColor(0x00, 0x00, 0xFF), QColor(0x00, 0x00, 0x40));

    m_chartSpaceBar = new Chart(this);
    m_chartSpaceBar->setObjectName(QStringLiteral("chartSpaceBar"));
    buildChart();
    connect(m_chartSpaceBar, &Chart::doubleClicked, this, &MainWindow::onChartDoubleClicked);

    m_titleLabel = new EffectLabel(QStringLiteral("Tally 99 - Disk Statistics"), this);
    m_titleLabel->setObjectName(QStringLiteral("lblTitle"));
    m_titleLabel->setFontFace(QStringLiteral("Times New Roman"), 29);
    m_titleLabel->setTextColor(QColor(0x80, 0x80, 0x00));
    m_titleLabel->setHighlightColor(Qt::yellow);
    m_titleLabel->setEffect(EffectLabel::TextEffect::extruded);
    m_titleLabel->setShadowColor(QColor(0x20, 0x20, 0x20));
    m_titleLabel->setDepth(3);
    m_titleLabel->setAlignment(Qt::AlignCenter);

    m_bottomLabel = new EffectLabel(QString::fromLatin1(maker::webAddress), this);
    m_bottomLabel->setObjectName(QStringLiteral("lblBottom"));
    m_bottomLabel->setFontFace(QStringLiteral("Times New Roman"), 27);
    m_bottomLabel->setTextColor(QColor(0xFF, 0x00, 0xFF));
    m_bottomLabel->setEffect(EffectLabel::TextEffect::extruded);
    m_bottomLabel->setShadowColor(QColor(0x00, 0x00, 0x80));
    m_bottomLabel->setDepth(7);
    // The buttons share the bottom edge at the right, so the address keeps to the left.
    m_bottomLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_statisticsButton = new QPushButton(QStringLiteral("&Collect disk statistics"), this);
    m_statisticsButton->setObjectName(QStringLiteral("btStatistic"));
    m_statisticsButton->resize(150, buttonHeight);
    m_aboutButton = new QPushButton(QStringLiteral("&About"), this);
    m_aboutButton->setObjectName(QStringLiteral("btReach"));
    m_aboutButton->resize(75, buttonHeight);
    m_exitButton = new QPushButton(QStringLiteral("E&xit"), this);
    m_exitButton->setObjectName(QStringLiteral("btClose"));
    m_exitButton->resize(75, buttonHeight);
    m_exitButton->setToolTip(QStringLiteral("Quit and close "));
    for (QPushButton* button : {m_statisticsButton, m_aboutButton, m_exitButton})
        button->setAutoDefault(true);
    m_statisticsButton->setDefault(true);
    connect(m_statisticsButton, &QPushButton::clicked, this, &MainWindow::onStatisticsClicked);
    connect(m_aboutButton, &QPushButton::clicked, this, &MainWindow::onAboutClicked);
    connect(m_exitButton, &QPushButton::clicked, this, &MainWindow::onExitClicked);

    m_depthTimer = new QTimer(this);
    m_depthTimer->setObjectName(QStringLiteral("Timer1"));
    m_depthTimer->setInterval(ChartAnimation::depthTimerMs);
    connect(m_depthTimer, &QTimer::timeout, this, &MainWindow::onDepthTimerTick);
    m_zoomTimer = new QTimer(this);
    m_zoomTimer->setObjectName(QStringLiteral("Timer2"));
    m_zoomTimer->setInterval(ChartAnimation::zoomTimerMs);
    connect(m_zoomTimer, &QTimer::timeout, this, &MainWindow::onZoomTimerTick);

    setUpControls();
}

void MainWindow::buildChart() {
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

void MainWindow::setUpControls() {
    m_chartSpaceBar->model().view3D = m_animation.view();
    m_titleLabel->hide();
    m_bottomLabel->hide();
    setWindowTitle(QStringLiteral("Tally 99"));
    applyHintSettings();
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        const QRect available = screen->availableGeometry();
        move(available.center() - rect().center());
        if (screen->geometry().width() <= narrowScreenWidth)
            setWindowState(Qt::WindowMaximized);
    }
    m_statisticsButton->setFocus();
}

void MainWindow::applyHintSettings() {
    auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (application != nullptr && qobject_cast<HintStyle*>(QApplication::style()) == nullptr)
        applyHintStyle(*application);
}

void MainWindow::onShown() {
    applyHintSettings();
    layoutControls();
    doDiskSize();
    m_animation.start();
    showAnimationState();
}

void MainWindow::layoutControls() {
    const int top = height() - buttonBottom - buttonHeight;
    int right = width() - buttonGap;
    for (QPushButton* button : {m_exitButton, m_aboutButton, m_statisticsButton}) {
        button->move(right - button->width(), top);
        right -= button->width() + buttonGap;
    }
    m_background->setGeometry(rect());
    m_chartSpaceBar->setGeometry(rect());
    m_titleLabel->setGeometry(0, 0, width(), titleHeight);
    m_bottomLabel->setGeometry(8, height() - bottomLabelHeight, width() - 8, bottomLabelHeight);
}

void MainWindow::doDiskSize() {
    ChartModel& chart = m_chartSpaceBar->model();
    fillDiskSizeBars(chart.series(series5), chart.series(series4), m_statDriveEntries());
}

void MainWindow::onDepthTimerTick() {
    m_animation.depthTick(static_cast<int>(m_statDriveEntries().size()));
    showAnimationState();
}

void MainWindow::onZoomTimerTick() {
    const bool closeNow = m_animation.zoomTick();
    showAnimationState();
    if (closeNow)
        close();
}

void MainWindow::onChartDoubleClicked() {
    m_animation.replay();
    showAnimationState();
}

void MainWindow::onCloseRequested(bool& canClose) {
    platform::AdClose(0, 0, 0);
    canClose = m_animation.closeRequested();
    showAnimationState();
}

void MainWindow::onStatisticsClicked() {
    if (m_showStatistics)
        m_showStatistics();
}

void MainWindow::onAboutClicked() {
    AboutWindow about(this);
    about.exec();
}

void MainWindow::onExitClicked() {
    close();
}

void MainWindow::showAnimationState() {
    ChartModel& chart = m_chartSpaceBar->model();
    chart.view3D = m_animation.view();
    chart.hint = m_animation.chartHint();
    m_titleLabel->setVisible(m_animation.labelsVisible());
    m_bottomLabel->setVisible(m_animation.labelsVisible());
    for (QPushButton* button : {m_statisticsButton, m_aboutButton, m_exitButton})
        button->setVisible(m_animation.buttonsVisible());
    setTimerActive(*m_depthTimer, m_animation.depthTimerOn());
    setTimerActive(*m_zoomTimer, m_animation.zoomTimerOn());
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        onShown();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutControls();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    bool canClose = true;
    onCloseRequested(canClose);
    event->setAccepted(canClose);
    if (canClose)
        emit closed();
}
