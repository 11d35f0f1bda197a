#include "collect/statistics_window.h"

#include "app/helpers.h"
#include "collect/drive_scan.h"
#include "collect/page_printing.h"
#include "dates/combined_page.h"
#include "dates/date_page.h"
#include "dates/date_pages.h"
#include "dates/time_page.h"
#include "platform/ad_library.h"
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

const char* const pageCaptions[TfrmStatistics::pageCount] = {
    "Space",   "Types",    "Sizes",    "Overhang",  "Access",
    "Created", "Modified", "Combined", "Attribute", "Time"};

std::string upperLetters(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::optional<WizardAnswer> runWizard(QWidget* owner) {
    TfrmWhichDrive wizard(owner);
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

TfrmStatistics::TfrmStatistics(QWidget* parent)
    : QDialog(parent), OvcNotebook1(new Notebook(this)),
      btOK(makeButton(this, "btOK", "&Collect statistics", "Start collecting statistics",
                      QRect(322, 387, 120, 25))),
      btPrint(makeButton(this, "btPrint", "&Print page", "Print this page only",
                         QRect(448, 387, 86, 25))),
      btCancel(makeButton(this, "btCancel", "Close", "Cancel operation or close window",
                          QRect(540, 387, 86, 25))),
      StatusBar1(new QStatusBar(this)), pnlNotYet(new OverlayPanel(this)),
      lblNotYet(new EffectLabel(QString::fromLatin1(notYetCaption), pnlNotYet)),
      btAbort(new QPushButton(QStringLiteral("Abort"), pnlNotYet)),
      EsLabel1(
          new QLabel(QStringLiteral("Freeware sponsored by Velmor Corporation and :"), pnlNotYet)),
      pnlAd(makeAdvertisementPanel(pnlNotYet, QRect(76, 272, 472, 65))), Timer1(new QTimer(this)),
      Timer2(new QTimer(this)), pckStatDrive(new PickList), m_wizardRunner(runWizard),
      m_statusLabel(new QLabel) {
    setObjectName(QStringLiteral("frmStatistics"));
    setWindowTitle(QStringLiteral("File Statistics Not Yet Collected"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(clientWidth, clientHeight);

    OvcNotebook1->setObjectName(QStringLiteral("OvcNotebook1"));
    OvcNotebook1->setGeometry(0, 0, clientWidth, notebookHeight);
    OvcNotebook1->setTabSize(QSize(63, 18));
    OvcNotebook1->setActiveCaptionColor(Qt::red);
    pckStatDrive->setObjectName(QStringLiteral("pckStatDrive"));
    pckStatDrive->setMarkStyle(PickList::MarkStyle::checkBox);
    createPages();

    btOK->setDefault(true);

    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setGeometry(0, clientHeight - 19, clientWidth, 19);
    m_statusLabel->setObjectName(QStringLiteral("StatusBar1Text"));
    StatusBar1->addWidget(m_statusLabel, 1);

    pnlNotYet->setObjectName(QStringLiteral("pnlNotYet"));
    pnlNotYet->resize(625, 359);
    lblNotYet->setObjectName(QStringLiteral("lblNotYet"));
    lblNotYet->setGeometry(16, 24, 593, 140);
    lblNotYet->setFontFace(QStringLiteral("Times New Roman"), 36);
    lblNotYet->setTextColor(Qt::blue);
    lblNotYet->setEffect(EffectLabel::TextEffect::extruded);
    lblNotYet->setShadowColor(QColor(0x80, 0x80, 0x00)); // olive
    lblNotYet->setDepth(4);
    lblNotYet->setAlignment(Qt::AlignCenter);
    lblNotYet->setWordWrap(true);
    lblNotYet->setAttribute(Qt::WA_TransparentForMouseEvents);
    btAbort->setObjectName(QStringLiteral("btAbort"));
    btAbort->setGeometry(270, 176, 85, 25);
    EsLabel1->setObjectName(QStringLiteral("EsLabel1"));
    EsLabel1->setGeometry(76, 252, 472, 16);
    EsLabel1->setStyleSheet(QStringLiteral("color: gray; background: transparent;"));
    pnlAd->setObjectName(QStringLiteral("pnlAd"));
    pnlAd->setBevels(RaisedPanel::Bevel::lowered, RaisedPanel::Bevel::none, 1);
    pnlAd->setCursor(Qt::PointingHandCursor);

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(50);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(50);

    connect(btOK, &QPushButton::clicked, this, [this] { btOKClick(); });
    connect(btAbort, &QPushButton::clicked, this, [this] { btAbortClick(); });
    connect(btPrint, &QPushButton::clicked, this, [this] { btPrintClick(); });
    connect(btCancel, &QPushButton::clicked, this, [this] { btCancelClick(); });
    connect(OvcNotebook1, &Notebook::pageChanged, this,
            [this](int index) { OvcNotebook1PageChanged(index); });
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    // The event loop runs every few milliseconds during a walk, but a new text four times a
    // second is all a person can read: showing each one cost the X server a repaint per run.
    m_pump.setBeforeRun([this] { showStatusText(); }, std::chrono::milliseconds(250));
    qApp->installEventFilter(this);

    FormCreate();
}

TfrmStatistics::~TfrmStatistics() = default;

void TfrmStatistics::createPages() {
    // The pages are created here, in tab order, and the hooks the walk and the window call are
    // pointed at them.
    pgSpace = new SpacePage(*pckStatDrive, *Timer1, *Timer2);
    pgTypes = new TypesPage(m_stats, m_selection, m_barColors);
    pgSizes = new SizesPage(m_stats, m_barColors);
    pgOverhang = new OverhangPage(m_stats);
    pgAttribute = new AttributePage(m_stats);
    m_datePages = std::make_unique<DatePages>(m_stats, m_barColors);
    pgAccess = m_datePages->page(DateKind::Accessed);
    pgCreated = m_datePages->page(DateKind::Created);
    pgModified = m_datePages->page(DateKind::Modified);
    pgCombined = m_datePages->combined();
    pgTime = new TimePage(m_stats);
    QWidget* const pages[pageCount] = {pgSpace,   pgTypes,    pgSizes,    pgOverhang,  pgAccess,
                                       pgCreated, pgModified, pgCombined, pgAttribute, pgTime};
    for (int index = 0; index < pageCount; ++index)
        OvcNotebook1->addPage(QString::fromLatin1(pageCaptions[index]), pages[index]);

    m_hooks.clearSpaceFigures = [this] { pgSpace->clearFigures(); };
    m_hooks.doDiskSize = [this] { pgSpace->doDiskSize(); };
    m_hooks.restartSpaceBar = [this] { pgSpace->restartBar(); };
    m_hooks.turnSpacePies = [this] { pgSpace->pieTick(); };
    // The bar grows only while the Space page is in front; elsewhere the timer stops itself.
    connect(Timer2, &QTimer::timeout, this, [this] {
        if (OvcNotebook1->currentIndex() == pageSpace)
            pgSpace->growTick();
        else
            Timer2->stop();
    });

    m_hooks.loadPalette = [this] { m_barColors.initAColors(true, 0); };
    m_hooks.doOverHang = [this] { pgOverhang->doOverHang(); };
    m_hooks.doFileTypes = [this] { pgTypes->doFileTypes(); };
    m_hooks.doFileSizes = [this] { pgSizes->doFileSizes(); };
    m_hooks.doFileAttrs = [this] { pgAttribute->doFileAttrs(); };
    for (DatePage* page : {pgAccess, pgCreated, pgModified})
        m_hooks.fillGridDates[static_cast<std::size_t>(page->kind())] = [page] {
            page->fillGridDates();
        };
    m_hooks.fillCombinedGridDates = [this] { pgCombined->fillCombinedGridDates(); };
    m_hooks.doFileTimes = [this] { pgTime->doFileTimes(); };
    m_hooks.doFileAges = [this] { m_datePages->doFileAges(); };
    m_hooks.SortbyExtensionClick = [this] {
        pgTypes->SortbyExtensionClick(pgTypes->sortItem(TypesSortItem::SortbyExtension));
    };
    m_hooks.turnTypesPie = [this] { pgTypes->pieTick(); };

    // Timer1 is shared: the Types pie and the Space pies both turn on it.
    connect(pgTypes, &TypesPage::pieTimerEnabled, Timer1, [this](bool on) {
        if (on)
            Timer1->start();
        else
            Timer1->stop();
    });
    connect(pgTypes, &TypesPage::pieTimerToggled, Timer1, [this] {
        if (Timer1->isActive())
            Timer1->stop();
        else
            Timer1->start();
    });
    connect(pgOverhang, &OverhangPage::overhangPageDisabled, OvcNotebook1,
            [this] { OvcNotebook1->setPageEnabled(pageOverhang, false); });
}

TextGrid& TfrmStatistics::gridTypes() {
    return pgTypes->gridTypes->model();
}

void TfrmStatistics::FormCreate() {
    OvcNotebook1->setCurrentIndex(pageSpace);
    m_collected = false;
    pnlNotYet->cover();
    btAbort->hide();
    pnlNotYet->move(0, overlayTop);
    callHook(m_hooks.clearSpaceFigures);
    pckStatDrive->clear();
    for (const DriveListEntry& entry : machineDriveList(DriveListKind::spacePage))
        pckStatDrive->setMarked(pckStatDrive->addItem(toText(entry.text)), entry.marked);
    callHook(m_hooks.loadPalette);
}

void TfrmStatistics::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TfrmStatistics::FormShow() {
    writeTypesHeadings(gridTypes());
    callHook(m_hooks.doDiskSize);
    OvcNotebook1PageChanged(OvcNotebook1->currentIndex());
    if (platform::userKeyExists(adKey))
        platform::writeUserInteger(adKey, "DeftExpsLen", 45);
    const auto panel = static_cast<std::intptr_t>(pnlAd->winId());
    platform::AdShow({53, 1, 0, panel, 1, 1, 470, 65, 1, 0, 1, 1, 0, 0});
}

void TfrmStatistics::closeEvent(QCloseEvent* event) {
    FormCloseQuery();
    event->accept();
}

void TfrmStatistics::FormCloseQuery() {
    platform::AdClose(0, 0, 0);
}

void TfrmStatistics::reject() {
    btCancelClick();
}

void TfrmStatistics::btAbortClick() {
    if (m_collecting)
        m_abortRequested = true;
}

void TfrmStatistics::btCancelClick() {
    if (m_collecting) {
        m_abortRequested = true;
        return;
    }
    QDialog::reject();
}

void TfrmStatistics::OvcNotebook1PageChanged(int index) {
    if (index == pageSpace) {
        callHook(m_hooks.restartSpaceBar);
        callHook(m_hooks.doDiskSize);
        pnlNotYet->hide();
        Timer2->start();
    } else {
        pnlNotYet->setVisible(!m_collected);
    }
    if (m_collecting)
        pnlNotYet->cover();
}

void TfrmStatistics::Timer1Timer() {
    if (m_inTimer1Tick)
        return;
    m_inTimer1Tick = true;
    if (OvcNotebook1->currentIndex() == pageSpace)
        callHook(m_hooks.turnSpacePies);
    else if (OvcNotebook1->currentIndex() == pageTypes)
        callHook(m_hooks.turnTypesPie);
    m_inTimer1Tick = false;
}

void TfrmStatistics::btPrintClick() {
    const int index = OvcNotebook1->currentIndex();
    printStatisticsPage(*this, *OvcNotebook1->page(index), index, *pgTypes->gridTypes,
                        m_currentDrive);
}

void TfrmStatistics::disenable(bool enabled) {
    for (const char* name : runSensitiveControls)
        if (auto* control = findChild<QWidget*>(QString::fromLatin1(name)))
            control->setEnabled(enabled);
}

void TfrmStatistics::setStatusText(const std::string& text) {
    m_statusText = text;
    m_statusShown = false;
}

QString TfrmStatistics::shownStatusText() const {
    return m_statusLabel->text();
}

void TfrmStatistics::showStatusText() {
    if (m_statusShown)
        return;
    m_statusLabel->setText(toText(m_statusText));
    m_statusShown = true;
}

bool TfrmStatistics::eventFilter(QObject* watched, QEvent* event) {
    if (watched == qApp && event->type() == QEvent::Quit)
        m_terminating = true;
    return QDialog::eventFilter(watched, event);
}

void TfrmStatistics::btOKClick() {
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
    OvcNotebook1->setPageEnabled(pageOverhang, m_selection.drives.size() == 1);

    for (const std::string& entry : m_selection.drives)
        if (!collectDrive(entry, driveListText))
            break;
    // The Space page needs no run, so it stays uncovered even when no drive could be walked.
    pnlNotYet->setVisible(!m_collected && OvcNotebook1->currentIndex() != pageSpace);
}

bool TfrmStatistics::collectDrive(const std::string& entry, std::string& driveListText) {
    if (m_abortRequested)
        return false;
    m_currentDrive = entry;
    driveListText += std::string(1, entry.front()) + ": ";
    if (!driveReady(entry.front()))
        return true;
    computeClusterSize(m_stats, entry);

    m_collecting = true;
    lblNotYet->setText(QString::fromLatin1(collectingCaption));
    btAbort->show();
    pnlNotYet->cover();
    const bool pieTurning = Timer1->isActive();
    Timer1->stop();
    m_pump.restart();
    DriveScan(m_stats, *this).scan();
    showStatusText();
    // The Types page's fill starts the timer for its pie view: put back exactly what was before.
    if (pieTurning)
        Timer1->start();
    else
        Timer1->stop();
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

bool TfrmStatistics::isThisSelected(std::string_view fileName) const {
    return m_selection.isThisSelected(fileName);
}

bool TfrmStatistics::overhangEnabled() const {
    return OvcNotebook1->isPageEnabled(pageOverhang);
}

int TfrmStatistics::chosenDriveCount() const {
    return static_cast<int>(m_selection.drives.size());
}

void TfrmStatistics::pumpMessages() {
    if (m_pumpHook)
        m_pumpHook();
    m_pump.pump();
}

void TfrmStatistics::setBusyCursor(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void TfrmStatistics::doOverHang() {
    callHook(m_hooks.doOverHang);
}

void TfrmStatistics::doFileTypes() {
    callHook(m_hooks.doFileTypes);
}

void TfrmStatistics::doFileSizes() {
    callHook(m_hooks.doFileSizes);
}

void TfrmStatistics::doFileAttrs() {
    callHook(m_hooks.doFileAttrs);
}

void TfrmStatistics::fillGridDates(DateKind kind) {
    callHook(m_hooks.fillGridDates[static_cast<std::size_t>(kind)]);
}

void TfrmStatistics::fillCombinedGridDates() {
    callHook(m_hooks.fillCombinedGridDates);
}

void TfrmStatistics::doFileTimes() {
    callHook(m_hooks.doFileTimes);
}

void TfrmStatistics::doFileAges() {
    callHook(m_hooks.doFileAges);
}

void TfrmStatistics::SortbyExtensionClick() {
    callHook(m_hooks.SortbyExtensionClick);
}
