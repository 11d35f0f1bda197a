#pragma once
// StatisticsWindow, the statistics window: a notebook of ten statistics pages over the three
// buttons "&Collect statistics", "&Print page" and "Close", a status bar, and the overlay
// m_notYetPanel that covers the pages (never the Space page) until a first run has collected
// something and covers every page while a drive is walked. The window owns the accumulators,
// the selection and the run: the wizard, the capacity check, the start message and the walk of
// each chosen drive. The walk happens inside the click handler and reaches the window only
// through the ScanHost calls, so Abort, Esc, the close box, page changes and the timers are
// served by the message pump between files.
//
// The ten pages are made in createPages(), which points the pageHooks() at them; their
// run-sensitive controls and printed charts carry the object names that disenable() and
// printing look for. The window resolves every such name when it is made and stops the program
// with the name when one has no control, so a renamed control cannot be skipped unnoticed.

#include "collect/drive_statistics.h"
#include "collect/message_pump.h"
#include "collect/page_hooks.h"
#include "collect/scan_host.h"
#include "platform/hot_path.h"
#include "space/bar_palette.h"
#include "types/selection_filter.h"
#include "types/wizard_answer.h"
#include "ui/text_grid.h"

#include <QDialog>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class AttributePage;
class CombinedPage;
class DatePage;
class DatePages;
class EffectLabel;
class Notebook;
class OverhangPage;
class OverlayPanel;
class PickList;
class QLabel;
class QPushButton;
class QStatusBar;
class QTimer;
class RaisedPanel;
class SizesPage;
class SpacePage;
class TimePage;
class TypesPage;

class StatisticsWindow final : public QDialog, public ScanHost {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StatisticsWindow)

public:
    // Shows the wizard modally and gives its answer, nothing when it was cancelled. Tests replace
    // it to run without a modal window.
    using WizardRunner = std::function<std::optional<WizardAnswer>(QWidget* owner)>;

    enum PageIndex {
        pageSpace = 0,
        pageTypes,
        pageSizes,
        pageOverhang,
        pageAccess,
        pageCreated,
        pageModified,
        pageCombined,
        pageAttribute,
        pageTime,
        pageCount
    };
    static constexpr int clientWidth = 632;
    static constexpr int clientHeight = 431;
    // The controls disenable() switches, by object name, in this order.
    static constexpr std::array<const char*, 20> runSensitiveControls = {
        "btPrint",   "btOK",         "rbCombine1", "rbCombine2", "rgSpace1",
        "rgSpace2",  "pckStatDrive", "rgTypes",    "rgSize0",    "rgSize1",
        "rgSize2",   "rgAccess0",    "rgAccess1",  "rgAccess2",  "rgCreate0",
        "rgCreate1", "rgCreate2",    "rgModify0",  "rgModify1",  "rgModify2"};

    explicit StatisticsWindow(QWidget* parent = nullptr);
    ~StatisticsWindow() override;

    [[nodiscard]] const DriveStatistics& statistics() const { return m_stats; }
    [[nodiscard]] const SelectionFilter& selection() const { return m_selection; }
    [[nodiscard]] PageHooks& pageHooks() { return m_hooks; }
    // The Types page's grid model: the window writes its headings and each run clears it.
    [[nodiscard]] TextGrid& gridTypes();
    [[nodiscard]] const BarPalette& barColors() const { return m_barColors; }

    void setWizardRunner(WizardRunner runner) { m_wizardRunner = std::move(runner); }
    // Runs on every pump call of the walk, before the pump decides whether the event loop runs
    // (tests press Abort or Esc from here after a number of files).
    void setPumpHook(std::function<void()> hook) { m_pumpHook = std::move(hook); }
    [[nodiscard]] MessagePump& messagePump() { return m_pump; }

    [[nodiscard]] bool collecting() const { return m_collecting; }
    [[nodiscard]] bool collected() const { return m_collected; }
    [[nodiscard]] long double selectedCapacity() const { return m_selectedCapacity; }
    // The status bar's text as the walk last set it, and as the bar shows it now.
    [[nodiscard]] const std::string& statusText() const { return m_statusText; }
    [[nodiscard]] QString shownStatusText() const;

    // The handlers of the window's own controls.
    void collectStatistics();
    void onAbortClicked();
    void onCloseClicked();
    void onPageChanged(int index);
    void onPieTimerTick();
    // Prints what the page on view shows (collect/page_printing).
    void printCurrentPage();

    // ScanHost: what the walk asks of the window.
    [[nodiscard]] const std::string& currentDrive() const override { return m_currentDrive; }
    [[nodiscard]] TALLY_WALK_PATH bool abortRequested() const override { return m_abortRequested; }
    [[nodiscard]] TALLY_WALK_PATH bool applicationTerminating() const override {
        return m_terminating;
    }
    [[nodiscard]] bool isThisSelected(std::string_view fileName) const override;
    [[nodiscard]] bool overhangEnabled() const override;
    [[nodiscard]] int chosenDriveCount() const override;
    // Stores the text; the bar shows it when the pump runs or the walk ends.
    void setStatusText(const std::string& text) override;
    void pumpMessages() override;
    // Enables or disables every run-sensitive control.
    void disenable(bool enabled) override;
    void setBusyCursor(bool busy) override;
    void doOverHang() override;
    void doFileTypes() override;
    void doFileSizes() override;
    void doFileAttrs() override;
    void fillGridDates(DateKind kind) override;
    void fillCombinedGridDates() override;
    void doFileTimes() override;
    void doFileAges() override;
    void sortTypesByExtension() override;

    // The page at index, as the page class it is (tests look into pages through it).
    template <typename Page> [[nodiscard]] Page* pageAt(PageIndex index) const {
        return dynamic_cast<Page*>(notebookPage(index));
    }
    // The Space page's drive list; the main window draws the space of its entries.
    [[nodiscard]] const PickList& spaceDriveList() const { return *m_spaceDriveList; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Esc: the "Close" button's handler, which stops a walk instead of hiding the window.
    void reject() override;
    // Notices the quit message, so that a walk stops when the program ends.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Notebook* const m_notebook;
    QPushButton* const m_collectButton;
    QPushButton* const m_printButton;
    QPushButton* const m_closeButton;
    QStatusBar* const m_statusBar;
    OverlayPanel* const m_notYetPanel;
    EffectLabel* const m_notYetCaption;
    QPushButton* const m_abortButton;
    QLabel* const m_sponsorLabel;
    RaisedPanel* const m_adPanel;
    QTimer* const m_pieTimer;
    QTimer* const m_barTimer;
    PickList* const m_spaceDriveList; // built when the window is made

    // The pages, in tab order.
    SpacePage* m_spacePage = nullptr;
    TypesPage* m_typesPage = nullptr;
    SizesPage* m_sizesPage = nullptr;
    OverhangPage* m_overhangPage = nullptr;
    AttributePage* m_attributePage = nullptr;
    DatePage* m_accessPage = nullptr;
    DatePage* m_createdPage = nullptr;
    DatePage* m_modifiedPage = nullptr;
    CombinedPage* m_combinedPage = nullptr;
    TimePage* m_timePage = nullptr;
    // The controls disenable() switches, found once by their object names.
    std::vector<QWidget*> m_runSensitive;

    // Fills the notebook with its ten pages, in tab order.
    void createPages();
    [[nodiscard]] QWidget* notebookPage(PageIndex index) const;
    // Finds the run-sensitive controls and checks that every page's printed chart exists.
    void resolveNamedControls();
    void showNotYetCollected();
    void onShown();
    void onClosing();
    void showStatusText();
    // Walks one chosen drive: false when the run must stop (an abort).
    [[nodiscard]] bool collectDrive(const std::string& entry, std::string& driveListText);

    DriveStatistics m_stats;
    SelectionFilter m_selection;
    PageHooks m_hooks;
    BarPalette m_barColors;
    std::unique_ptr<DatePages> m_datePages; // the four age pages redraw their charts together
    MessagePump m_pump;
    WizardRunner m_wizardRunner;
    std::function<void()> m_pumpHook;
    QLabel* m_statusLabel;
    std::string m_statusText;
    std::string m_currentDrive;
    long double m_selectedCapacity = 0;
    bool m_abortRequested = false;
    bool m_collecting = false;
    bool m_collected = false;
    bool m_statusShown = true;
    bool m_inPieTick = false;
    bool m_terminating = false;
};
