#include "types/which_drive_dialog.h"

#include "types/byte_entries.h"
#include "types/dialog_frame.h"
#include "types/drive_list.h"
#include "types/stat_list_dialog.h"
#include "types/type_list_store.h"
#include "ui/effect_label.h"
#include "ui/pick_list.h"
#include "ui/raised_panel.h"

#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include <vector>

namespace {

// Every page has this size; the window is two pixels larger each way.
constexpr QSize pageSize{400, 292};
constexpr int buttonWidth = 88;
constexpr int buttonHeight = 27;
constexpr int buttonTop = 252;
constexpr int rightButtonLeft = 296;
constexpr int middleButtonLeft = 200;

const char* const driveListHint = "Right click to select/deselect all";

QPushButton* makeButton(QWidget* page, const char* name, const char* caption, int left) {
    auto* button = new QPushButton(QString::fromLatin1(caption), page);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(left, buttonTop, buttonWidth, buttonHeight);
    return button;
}

RaisedPanel* makePage(QWidget* owner, const char* name) {
    auto* page = new RaisedPanel(owner);
    page->setObjectName(QString::fromLatin1(name));
    page->setGeometry(QRect(QPoint(0, 0), pageSize));
    return page;
}

EffectLabel* makeLabel(QWidget* page, const char* name, const char* caption) {
    auto* label = new EffectLabel(QString::fromLatin1(caption), page);
    label->setObjectName(QString::fromLatin1(name));
    makeHeading(*label);
    return label;
}

QAction* addMenuItem(QMenu* menu, const char* name, const char* caption) {
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

} // namespace

WhichDriveWizard::WhichDriveWizard(QWidget* owner)
    : QDialog(owner), m_drivesPage(makePage(this, "pnlPage1")),
      m_drivesHeading(makeLabel(m_drivesPage, "lblDrives", "Which drives?")),
      m_driveList(new PickList(m_drivesPage)),
      m_cancelButton(makeButton(m_drivesPage, "btCancel1", "Cancel", middleButtonLeft)),
      m_drivesNextButton(makeButton(m_drivesPage, "btNext1", "&Next >>", rightButtonLeft)),
      m_modePage(makePage(this, "pnlPage2")),
      m_modeHeading(makeLabel(m_modePage, "lblTypes", "Which file types?")),
      m_allFilesButton(new QRadioButton(QStringLiteral("&All files"), m_modePage)),
      m_includeButton(new QRadioButton(QStringLiteral("&Selected file types only"), m_modePage)),
      m_excludeButton(
          new QRadioButton(QStringLiteral("All files &except selected file types"), m_modePage)),
      m_modeBackButton(makeButton(m_modePage, "btPrior2", "<< &Previous", middleButtonLeft)),
      m_modeNextButton(makeButton(m_modePage, "btNext2", "&Next >>", rightButtonLeft)),
      m_typesPage(makePage(this, "pnlPage3")),
      m_typesHeading(makeLabel(m_typesPage, "lblSelect", "")),
      m_typesCounter(makeLabel(m_typesPage, "lblOf", "")), m_typeList(new PickList(m_typesPage)),
      m_editButton(makeButton(m_typesPage, "btEdit", "&Add/Delete", 12)),
      m_typesBackButton(makeButton(m_typesPage, "btPrior3", "<< &Previous", middleButtonLeft)),
      m_finishButton(makeButton(m_typesPage, "btOK", "OK", rightButtonLeft)),
      m_driveMenu(new QMenu(this)), m_typeMenu(new QMenu(this)) {
    setObjectName(QStringLiteral("frmWhichDrive"));
    setWindowTitle(QStringLiteral("Which drives and file types?"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(pageSize + QSize(2, 2));

    m_drivesHeading->setGeometry(12, 8, 376, 36);
    m_driveList->setObjectName(QStringLiteral("pckDrive"));
    m_driveList->setGeometry(12, 50, 376, 190);
    m_driveList->setMarkStyle(PickList::MarkStyle::checkMark);
    m_driveList->setToolTip(QString::fromLatin1(driveListHint));
    m_driveList->setContextMenu(m_driveMenu);

    m_modeHeading->setGeometry(12, 8, 376, 36);
    const std::pair<QRadioButton*, const char*> modes[] = {{m_allFilesButton, "rbAll"},
                                                           {m_includeButton, "rbInclude"},
                                                           {m_excludeButton, "rbExclude"}};
    int top = 76;
    for (const auto& [button, name] : modes) {
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(48, top, 320, 24);
        top += 40;
    }
    m_allFilesButton->setChecked(true);

    m_typesHeading->setGeometry(12, 8, 296, 36);
    m_typesCounter->setGeometry(308, 8, 80, 36);
    m_typesCounter->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_typeList->setObjectName(QStringLiteral("PickList1"));
    m_typeList->setGeometry(12, 50, 376, 190);
    m_typeList->setMarkStyle(PickList::MarkStyle::checkMark);
    m_typeList->setTabStop(12);
    m_typeList->setToolTip(QString::fromLatin1(driveListHint));
    m_typeList->setContextMenu(m_typeMenu);
    m_editButton->setToolTip(QStringLiteral("Add, delete file types"));

    m_driveMenu->setObjectName(QStringLiteral("popDrives"));
    m_typeMenu->setObjectName(QStringLiteral("popTypes"));
    connect(
        addMenuItem(m_driveMenu, "SelectAll1", "Select All"), &QAction::triggered, this,
        [this] { onSelectAllDrivesClicked(); });
    connect(
        addMenuItem(m_driveMenu, "Deselectall1", "Deselect All"), &QAction::triggered, this,
        [this] { onDeselectAllDrivesClicked(); });
    connect(
        addMenuItem(m_typeMenu, "SelectAll2", "Select All"), &QAction::triggered, this,
        [this] { onSelectAllTypesClicked(); });
    connect(addMenuItem(m_typeMenu, "DeselectAll2", "Deselect All"), &QAction::triggered, this,
            [this] { onDeselectAllTypesClicked(); });

    connect(m_driveList, &PickList::entryClicked, this, &WhichDriveWizard::onDriveListClicked);
    connect(m_typeList, &PickList::entryClicked, this, &WhichDriveWizard::onTypeListClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(
        m_drivesNextButton, &QPushButton::clicked, this, [this] { showPage(2); });
    connect(m_modeBackButton, &QPushButton::clicked, this, [this] { showPage(1); });
    connect(m_modeNextButton, &QPushButton::clicked, this, &WhichDriveWizard::onModeNextClicked);
    connect(m_typesBackButton, &QPushButton::clicked, this, [this] { showPage(2); });
    connect(m_editButton, &QPushButton::clicked, this, &WhichDriveWizard::onEditClicked);
    connect(m_finishButton, &QPushButton::clicked, this, &WhichDriveWizard::onFinishClicked);

    showPage(1);
}

WizardAnswer WhichDriveWizard::answer() const {
    WizardAnswer result;
    result.drives = markedByteEntries(*m_driveList);
    result.allFiles = allFiles;
    result.includeTypes = includeTypes;
    result.excludeTypes = excludeTypes;
    if (!allFiles)
        result.typeEntries = markedByteEntries(*m_typeList);
    return result;
}

int WhichDriveWizard::currentPage() const {
    if (m_typesPage->isVisibleTo(this))
        return 3;
    return m_modePage->isVisibleTo(this) ? 2 : 1;
}

std::string WhichDriveWizard::typeSection() const {
    return m_includeButton->isChecked() ? includeSection : excludeSection;
}

void WhichDriveWizard::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        fillDriveList();
        centreOnScreen(*this);
    }
}

void WhichDriveWizard::fillDriveList() {
    m_driveList->clear();
    for (const DriveListEntry& entry : machineDriveList(DriveListKind::wizard))
        m_driveList->setMarked(addByteEntry(*m_driveList, entry.text), entry.marked);
    onDriveListClicked();
}

void WhichDriveWizard::showPage(int page) {
    m_drivesPage->setVisible(page == 1);
    m_modePage->setVisible(page == 2);
    m_typesPage->setVisible(page == 3);
    // A dialog has one default button: the one of the page on view.
    QPushButton* const defaults[] = {m_drivesNextButton, m_modeNextButton, m_finishButton};
    defaults[page - 1]->setDefault(true);
}

void WhichDriveWizard::onDriveListClicked() {
    m_drivesNextButton->setEnabled(m_driveList->markedCount() > 0);
}

void WhichDriveWizard::onTypeListClicked() {
    const int marked = m_typeList->markedCount();
    setCounter(marked);
    m_finishButton->setEnabled(m_driveList->markedCount() > 0 && marked > 0);
}

void WhichDriveWizard::onModeNextClicked() {
    m_finishButton->setEnabled(false);
    if (m_allFilesButton->isChecked()) {
        allFiles = true;
        includeTypes = false;
        excludeTypes = false;
        accept();
        return;
    }
    m_typesHeading->setText(m_includeButton->isChecked()
                                ? QStringLiteral("Selected file types only")
                                : QStringLiteral("All file types except ..."));
    loadTypes();
    showPage(3);
}

void WhichDriveWizard::onEditClicked() {
    {
        TypeListEditor editor(typeSection(), this);
        editor.exec();
    }
    loadTypes();
}

void WhichDriveWizard::onFinishClicked() {
    allFiles = m_allFilesButton->isChecked();
    includeTypes = m_includeButton->isChecked();
    excludeTypes = m_excludeButton->isChecked();
    accept();
}

void WhichDriveWizard::onSelectAllDrivesClicked() {
    m_driveList->setAllMarked(true);
    onDriveListClicked();
}

void WhichDriveWizard::onDeselectAllDrivesClicked() {
    m_driveList->setAllMarked(false);
    onDriveListClicked();
}

void WhichDriveWizard::onSelectAllTypesClicked() {
    m_typeList->setAllMarked(true);
    onTypeListClicked();
}

void WhichDriveWizard::onDeselectAllTypesClicked() {
    m_typeList->setAllMarked(false);
    onTypeListClicked();
}

void WhichDriveWizard::loadTypes() {
    std::vector<std::string> lines;
    ReadStatFilesFromDisk(lines, typeSection());
    m_typeList->clear();
    for (const std::string& line : lines)
        addByteEntry(*m_typeList, line);
    m_finishButton->setEnabled(false);
    setCounter(0);
}

void WhichDriveWizard::setCounter(int marked) {
    m_typesCounter->setText(QString::number(marked) + QLatin1Char('/') +
                            QString::number(m_typeList->count()));
}
