#include "collect/statistics_window.h"

#include "app/helpers.h"
#include "collect/drive_scan.h"
#include "collect/named_controls.h"
#include "collect/page_printing.h"
#include "dates/combined_page.h"
#include "dates/date_page.h"
#include "dates/date_pages.h"
#include "dates/time_page.h"
#include "platform/ad_library.h"
#include "platform/hot_path.h"
#include "platform/user_registry.h"
#include "space/attribute_page.h"
#include "space/overhang.h"
#include "space/overhang_page.h"
#include "space/sizes_page.h"
#include "space/space_page.h"
#include "types/dialog_frame.h"
#include "types/drive_list.h"
#include "types/types_fill.h"
#include "types/types_page.h"
#include "types/which_drive_dialog.h"
#include "ui/effect_label.h"
#include "ui/notebook.h"
#include "ui/overlay_panel.h"
#include "ui/pick_list.h"
#include "ui/raised_panel.h"
#include "ui/string_grid.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

namespace {

constexpr const char* notYetCaption = "Statistics haven't been collected yet!";
constexpr const char* collectingCaption =
    "Collecting statistics ... standby.  Press Esc or click Abort to stop.";
constexpr const char* adKey = "Software\\Cydoor\\Adwr_53\\Loct_0";
constexpr int notebookHeight = 382;
constexpr int overlayTop = 19;

const char* const pageCaptions[StatisticsWindow::pageCount] = {
    "Space",   "Types",    "Sizes",    "Overhang",  "Access",
    "Created", "Modified", "Combined", "Attribute", "Time"};

std::string upperLetters(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::optional<WizardAnswer> runWizard(QWidget* owner) {
    WhichDriveWizard wizard(owner);
    if (wizard.exec() != QDialog::Accepted)
        return std::nullopt;
    return wizard.answer();
}

QPushButton* makeButton(QWidget* owner, const char* name, const char* caption, const char* hint,
                        const QRect& geometry) {
    auto* button = new QPushButton(QString::fromLatin1(caption), owner);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(QString::fromLatin1(hint));
    button->setGeometry(geometry);
    return button;
}

// The advertisement plug-in draws into the panel's native window, so the panel gets one when the
// window is shown. A native widget makes its siblings native and, unless told otherwise, its
// ancestors too: the overlay's caption would then be a window of its own, and a translucent one
// gets a 32-bit visual that an X server without a compositor never blends, showing stale pixels.
// A holder of its own keeps the panel without siblings, and its ancestors stay as they are.
RaisedPanel* makeAdvertisementPanel(QWidget* overlay, const QRect& geometry) {
    auto* holder = new QWidget(overlay);
    holder->setObjectName(QStringLiteral("pnlAdHolder"));
    holder->setGeometry(geometry);
    auto* panel = new RaisedPanel(holder);
    panel->setAttribute(Qt::WA_DontCreateNativeAncestors);
    panel->setGeometry(0, 0, geometry.width(), geometry.height());
    return panel;
}

} // namespace

StatisticsWindow::StatisticsWindow(QWidget* parent)
    : QDialog(parent), m_notebook(new Notebook(this)),
      m_collectButton(makeButton(this, "btOK", "&Collect statistics", "Start collecting statistics",
                                 QRect(322, 387, 120, 25))),
      m_printButton(makeButton(this, "btPrint", "&Print page", "Print this page only",
                               QRect(448, 387, 86, 25))),
      m_closeButton(makeButton(this, "btCancel", "Close", "Cancel operation or close window",
                               QRect(540, 387, 86, 25))),
      m_statusBar(new QStatusBar(this)), m_notYetPanel(new OverlayPanel(this)),
      m_notYetCaption(new EffectLabel(QString::fromLatin1(notYetCaption), m_notYetPanel)),
      m_abortButton(new QPushButton(QStringLiteral("Abort"), m_notYetPanel)),
      m_sponsorLabel(new QLabel(QStringLiteral("Freeware sponsored by Velmor Corporation and :"),
                                m_notYetPanel)),
      m_adPanel(makeAdvertisementPanel(m_notYetPanel, QRect(76, 272, 472, 65))),
      m_pieTimer(new QTimer(this)), m_barTimer(new QTimer(this)), m_spaceDriveList(new PickList),
      m_wizardRunner(runWizard), m_statusLabel(new QLabel) {
    setObjectName(QStringLiteral("frmStatistics"));
    setWindowTitle(QStringLiteral("File Statistics Not Yet Collected"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(clientWidth, clientHeight);

    m_notebook->setObjectName(QStringLiteral("OvcNotebook1"));
    m_notebook->setGeometry(0, 0, clientWidth, notebookHeight);
    m_notebook->setTabSize(QSize(63, 18));
    m_notebook->setActiveCaptionColor(Qt::red);
    m_spaceDriveList->setObjectName(QStringLiteral("pckStatDrive"));
    m_spaceDriveList->setMarkStyle(PickList::MarkStyle::checkBox);
    createPages();
    resolveNamedControls();

    m_collectButton->setDefault(true);

    m_statusBar->setObjectName(QStringLiteral("StatusBar1"));
    m_statusBar->setSizeGripEnabled(false);
    m_statusBar->setGeometry(0, clientHeight - 19, clientWidth, 19);
    m_statusLabel->setObjectName(QStringLiteral("StatusBar1Text"));
    m_statusBar->addWidget(m_statusLabel, 1);

    m_notYetPanel->setObjectName(QStringLiteral("pnlNotYet"));
    m_notYetPanel->resize(625, 359);
    m_notYetCaption->setObjectName(QStringLiteral("lblNotYet"));
    m_notYetCaption->setGeometry(16, 24, 593, 140);
    m_notYetCaption->setFontFace(QStringLiteral("Times New Roman"), 36);
    m_notYetCaption->setTextColor(Qt::blue);
    m_notYetCaption->setEffect(EffectLabel::TextEffect::extruded);
    m_notYetCaption->setShadowColor(QColor(0x80, 0x80, 0x00)); // olive
    m_notYetCaption->setDepth(4);
    m_notYetCaption->setAlignment(Qt::AlignCenter);
    m_notYetCaption->setWordWrap(true);
    m_notYetCaption->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_abortButton->setObjectName(QStringLiteral("btAbort"));
    m_abortButton->setGeometry(270, 176, 85, 25);
    m_sponsorLabel->setObjectName(QStringLiteral("EsLabel1"));
    m_sponsorLabel->setGeometry(76, 252, 472, 16);
    m_sponsorLabel->setStyleSheet(QStringLiteral("color: gray; background: transparent;"));
    m_adPanel->setObjectName(QStringLiteral("pnlAd"));
    m_adPanel->setBevels(RaisedPanel::Bevel::lowered, RaisedPanel::Bevel::none, 1);
    m_adPanel->setCursor(Qt::PointingHandCursor);

    m_pieTimer->setObjectName(QStringLiteral("Timer1"));
    m_pieTimer->setInterval(50);
    m_barTimer->setObjectName(QStringLiteral("Timer2"));
    m_barTimer->setInterval(50);

    connect(m_collectButton, &QPushButton::clicked, this, &StatisticsWindow::collectStatistics);
    connect(m_abortButton, &QPushButton::clicked, this, &StatisticsWindow::onAbortClicked);
    connect(m_printButton, &QPushButton::clicked, this, &StatisticsWindow::printCurrentPage);
    connect(m_closeButton, &QPushButton::clicked, this, &StatisticsWindow::onCloseClicked);
    connect(m_notebook, &Notebook::pageChanged, this, &StatisticsWindow::onPageChanged);
    connect(m_pieTimer, &QTimer::timeout, this, &StatisticsWindow::onPieTimerTick);
    // The event loop runs every few milliseconds during a walk, but a new text four times a
    // second is all a person can read: showing each one cost the X server a repaint per run.
    m_pump.setBeforeRun([this] { showStatusText(); }, std::chrono::milliseconds(250));
    qApp->installEventFilter(this);

    showNotYetCollected();
}

StatisticsWindow::~StatisticsWindow() = default;

void StatisticsWindow::createPages() {
    // The pages are created here, in tab order, and the hooks the walk and the window call are
    // pointed at them.
    m_spacePage = new SpacePage(*m_spaceDriveList, *m_pieTimer, *m_barTimer);
    m_typesPage = new TypesPage(m_stats, m_selection, m_barColors);
    m_sizesPage = new SizesPage(m_stats, m_barColors);
    m_overhangPage = new OverhangPage(m_stats);
    m_attributePage = new AttributePage(m_stats);
    m_datePages = std::make_unique<DatePages>(m_stats, m_barColors);
    m_accessPage = m_datePages->page(DateKind::Accessed);
    m_createdPage = m_datePages->page(DateKind::Created);
    m_modifiedPage = m_datePages->page(DateKind::Modified);
    m_combinedPage = m_datePages->combined();
    m_timePage = new TimePage(m_stats);
    QWidget* const pages[pageCount] = {
        m_spacePage,   m_typesPage,    m_sizesPage,    m_overhangPage,  m_accessPage,
        m_createdPage, m_modifiedPage, m_combinedPage, m_attributePage, m_timePage};
    for (int index = 0; index < pageCount; ++index)
        m_notebook->addPage(QString::fromLatin1(pageCaptions[index]), pages[index]);

    m_hooks.clearSpaceFigures = [this] { m_spacePage->clearFigures(); };
    m_hooks.doDiskSize = [this] { m_spacePage->doDiskSize(); };
    m_hooks.restartSpaceBar = [this] { m_spacePage->restartBar(); };
    m_hooks.turnSpacePies = [this] { m_spacePage->pieTick(); };
    // The bar grows only while the Space page is in front; elsewhere the timer stops itself.
    connect(
        m_barTimer, &QTimer::timeout, this,
        [this] {
            if (m_notebook->currentIndex() == pageSpace)
                m_spacePage->growTick();
            else
                m_barTimer->stop();
        });

    m_hooks.loadPalette = [this] { m_barColors.initAColors(true, 0); };
    m_hooks.doOverHang = [this] { m_overhangPage->doOverHang(); };
    m_hooks.doFileTypes = [this] { m_typesPage->doFileTypes(); };
    m_hooks.doFileSizes = [this] { m_sizesPage->doFileSizes(); };
    m_hooks.doFileAttrs = [this] { m_attributePage->doFileAttrs(); };
    for (DatePage* page : {m_accessPage, m_createdPage, m_modifiedPage})
        m_hooks.fillGridDates[static_cast<std::size_t>(page->kind())] = [page] {
            page->fillGridDates();
        };
    m_hooks.fillCombinedGridDates = [this] { m_combinedPage->fillCombinedGridDates(); };
    m_hooks.doFileTimes = [this] { m_timePage->doFileTimes(); };
    m_hooks.doFileAges = [this] { m_datePages->doFileAges(); };
    m_hooks.sortTypesByExtension = [this] { m_typesPage->sortBy(TypesSortItem::SortbyExtension); };
    m_hooks.turnTypesPie = [this] { m_typesPage->pieTick(); };

    // The pie timer is shared: the Types pie and the Space pies both turn on it.
    connect(
        m_typesPage, &TypesPage::pieTimerEnabled, m_pieTimer,
        [this](bool on) {
            if (on)
                m_pieTimer->start();
            else
                m_pieTimer->stop();
        });
    connect(
        m_typesPage, &TypesPage::pieTimerToggled, m_pieTimer,
        [this] {
            if (m_pieTimer->isActive())
                m_pieTimer->stop();
            else
                m_pieTimer->start();
        });
    connect(m_overhangPage, &OverhangPage::overhangPageDisabled, m_notebook,
            [this] { m_notebook->setPageEnabled(pageOverhang, false); });
}

void StatisticsWindow::resolveNamedControls() {
    NamedControls runSensitive = findNamedControls(*this, runSensitiveControls);
    requireNamedControls(runSensitive, "The statistics window");
    m_runSensitive = std::move(runSensitive.found);
    for (int index = 0; index < pageCount; ++index) {
        const char* const chart = printedChartName(index);
        if (*chart != '\0')
            requireNamedControls(findNamedControls(*m_notebook->page(index), {&chart, 1}),
                                 pageCaptions[index]);
    }
}

QWidget* StatisticsWindow::notebookPage(PageIndex index) const {
    return m_notebook->page(index);
}

TextGrid& StatisticsWindow::gridTypes() {
    return m_typesPage->gridTypes().model();
}

void StatisticsWindow::showNotYetCollected() {
    m_notebook->setCurrentIndex(pageSpace);
    m_collected = false;
    m_notYetPanel->cover();
    m_abortButton->hide();
    m_notYetPanel->move(0, overlayTop);
    callHook(m_hooks.clearSpaceFigures);
    m_spaceDriveList->clear();
    for (const DriveListEntry& entry : machineDriveList(DriveListKind::spacePage))
        m_spaceDriveList->setMarked(m_spaceDriveList->addItem(toText(entry.text)), entry.marked);
    callHook(m_hooks.loadPalette);
}

void StatisticsWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    onShown();
}

void StatisticsWindow::onShown() {
    writeTypesHeadings(gridTypes());
    callHook(m_hooks.doDiskSize);
    onPageChanged(m_notebook->currentIndex());
    if (platform::userKeyExists(adKey))
        platform::writeUserInteger(adKey, "DeftExpsLen", 45);
    const auto panel = static_cast<std::intptr_t>(m_adPanel->winId());
    platform::AdShow({53, 1, 0, panel, 1, 1, 470, 65, 1, 0, 1, 1, 0, 0});
}

void StatisticsWindow::closeEvent(QCloseEvent* event) {
    onClosing();
    event->accept();
}

void StatisticsWindow::onClosing() {
    platform::AdClose(0, 0, 0);
}

void StatisticsWindow::reject() {
    onCloseClicked();
}

void StatisticsWindow::onAbortClicked() {
    if (m_collecting)
        m_abortRequested = true;
}

void StatisticsWindow::onCloseClicked() {
    if (m_collecting) {
        m_abortRequested = true;
        return;
    }
    QDialog::reject();
}

void StatisticsWindow::onPageChanged(int index) {
    if (index == pageSpace) {
        callHook(m_hooks.restartSpaceBar);
        callHook(m_hooks.doDiskSize);
        m_notYetPanel->hide();
        m_barTimer->start();
    } else {
        m_notYetPanel->setVisible(!m_collected);
    }
    if (m_collecting)
        m_notYetPanel->cover();
}

void StatisticsWindow::onPieTimerTick() {
    if (m_inPieTick)
        return;
    m_inPieTick = true;
    if (m_notebook->currentIndex() == pageSpace)
        callHook(m_hooks.turnSpacePies);
    else if (m_notebook->currentIndex() == pageTypes)
        callHook(m_hooks.turnTypesPie);
    m_inPieTick = false;
}

void StatisticsWindow::printCurrentPage() {
    const int index = m_notebook->currentIndex();
    printStatisticsPage(*this, *m_notebook->page(index), index, m_typesPage->gridTypes(),
                        m_currentDrive);
}

void StatisticsWindow::disenable(bool enabled) {
    for (QWidget* control : m_runSensitive)
        control->setEnabled(enabled);
}

TALLY_WALK_PATH void StatisticsWindow::setStatusText(const std::string& text) {
    m_statusText = text;
    m_statusShown = false;
}

QString StatisticsWindow::shownStatusText() const {
    return m_statusLabel->text();
}

void StatisticsWindow::showStatusText() {
    if (m_statusShown)
        return;
    m_statusLabel->setText(toText(m_statusText));
    m_statusShown = true;
}

bool StatisticsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == qApp && event->type() == QEvent::Quit)
        m_terminating = true;
    return QDialog::eventFilter(watched, event);
}

void StatisticsWindow::collectStatistics() {
    m_selection.drives.clear();
    if (const std::optional<WizardAnswer> answer = m_wizardRunner(this))
        handOverWizardAnswer(*answer, m_selection);
    if (m_selection.drives.empty())
        return;

    m_selectedCapacity = 0;
    for (const std::string& entry : m_selection.drives)
        if (driveReady(entry.front()))
            m_selectedCapacity += diskSpace(std::string(1, entry.front()) + ":\\").totalBytes;
    if (!(m_selectedCapacity > 0)) {
        showError("Could not compute the total size of the disk drives selected.  Cannot proceed "
                  "with statistics.");
        return;
    }

    m_abortRequested = false;
    std::string driveListText;
    if (m_selection.drives.size() == 1)
        showInfo("Disk Drive " + m_selection.drives.front() +
                 " will be scanned.  The analysis may take some time.  You may quit at any time by "
                 "clicking Abort or pressing ESC.");
    else
        showInfo("Since you selected more than one drive to analyze, the Cluster Overhang tab will "
                 "be disabled.  You may quit the analysis at any time by clicking CANCEL or by "
                 "pressing ESC.");
    m_stats.clearVariables(&gridTypes());
    m_notebook->setPageEnabled(pageOverhang, m_selection.drives.size() == 1);

    for (const std::string& entry : m_selection.drives)
        if (!collectDrive(entry, driveListText))
            break;
    // The Space page needs no run, so it stays uncovered even when no drive could be walked.
    m_notYetPanel->setVisible(!m_collected && m_notebook->currentIndex() != pageSpace);
}

bool StatisticsWindow::collectDrive(const std::string& entry, std::string& driveListText) {
    if (m_abortRequested)
        return false;
    m_currentDrive = entry;
    driveListText += std::string(1, entry.front()) + ": ";
    if (!driveReady(entry.front()))
        return true;
    computeClusterSize(m_stats, entry);

    m_collecting = true;
    m_notYetCaption->setText(QString::fromLatin1(collectingCaption));
    m_abortButton->show();
    m_notYetPanel->cover();
    const bool pieTurning = m_pieTimer->isActive();
    m_pieTimer->stop();
    m_pump.restart();
    DriveScan(m_stats, *this).scan();
    showStatusText();
    // The Types page's fill starts the timer for its pie view: put back exactly what was before.
    if (pieTurning)
        m_pieTimer->start();
    else
        m_pieTimer->stop();
    m_collected = true;
    m_collecting = false;

    if (m_abortRequested) {
        setWindowTitle(QStringLiteral("File Statistics for drive(s) incomplete ... aborted."));
        return false;
    }
    setWindowTitle(QStringLiteral("Statistics completed for drives ") +
                   QString::fromLatin1(upperLetters(driveListText)));
    return true;
}

TALLY_WALK_PATH bool StatisticsWindow::isThisSelected(std::string_view fileName) const {
    return m_selection.isThisSelected(fileName);
}

bool StatisticsWindow::overhangEnabled() const {
    return m_notebook->isPageEnabled(pageOverhang);
}

int StatisticsWindow::chosenDriveCount() const {
    return static_cast<int>(m_selection.drives.size());
}

TALLY_WALK_PATH void StatisticsWindow::pumpMessages() {
    if (m_pumpHook)
        m_pumpHook();
    m_pump.pump();
}

void StatisticsWindow::setBusyCursor(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void StatisticsWindow::doOverHang() {
    callHook(m_hooks.doOverHang);
}

void StatisticsWindow::doFileTypes() {
    callHook(m_hooks.doFileTypes);
}

void StatisticsWindow::doFileSizes() {
    callHook(m_hooks.doFileSizes);
}

void StatisticsWindow::doFileAttrs() {
    callHook(m_hooks.doFileAttrs);
}

void StatisticsWindow::fillGridDates(DateKind kind) {
    callHook(m_hooks.fillGridDates[static_cast<std::size_t>(kind)]);
}

void StatisticsWindow::fillCombinedGridDates() {
    callHook(m_hooks.fillCombinedGridDates);
}

void StatisticsWindow::doFileTimes() {
    callHook(m_hooks.doFileTimes);
}

void StatisticsWindow::doFileAges() {
    callHook(m_hooks.doFileAges);
}

void StatisticsWindow::sortTypesByExtension() {
    callHook(m_hooks.sortTypesByExtension);
}
