#include "ui/widget_gallery.h"

#include "ui/effect_label.h"
#include "ui/font_twins.h"
#include "ui/gradient_background.h"
#include "ui/grid_printer.h"
#include "ui/notebook.h"
#include "ui/overlay_panel.h"
#include "ui/pick_list.h"
#include "ui/raised_panel.h"
#include "ui/string_grid.h"
#include "ui/tiled_background.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>
#include <string>

namespace {

const QColor olive(0x80, 0x80, 0x00);
const QColor navy(0x00, 0x00, 0x80);
const QColor fuchsia(0xFF, 0x00, 0xFF);

bool save(QWidget& widget, const QString& outDir, const QString& name) {
    widget.ensurePolished();
    widget.show();
    QApplication::processEvents();
    const bool saved = widget.grab().save(QDir(outDir).filePath(name + QStringLiteral(".png")));
    widget.hide();
    return saved;
}

// Sample figures only; the program's own figures go through its locale-aware formatting.
std::string withSeparators(long long value) {
    return QLocale(QLocale::English).toString(value).toStdString();
}

// A listing like the Types page: heading, data rows, a totals footer, numbers to the right.
void fillTypesGrid(StringGrid& grid, int dataRows) {
    static const std::array<const char*, 12> extensions{"cpp",  "h",  "png", "txt", "pdf", "so",
                                                        "json", "md", "xml", "py",  "sh",  "ini"};
    static const std::array<const char*, 12> types{
        "C++ source code", "C header",       "PNG image",     "plain text document",
        "PDF document",    "shared library", "JSON document", "Markdown document",
        "XML document",    "Python script",  "shell script",  "generic INI file"};
    grid.model().setColumnCount(5);
    grid.model().setRowCount(dataRows + 2);
    grid.setColumnWidths({80, 219, 120, 75, 82});
    grid.setDefaultRowHeight(19);
    grid.setFooterRow(true);
    grid.setRowSelect(true);
    grid.setGridLines(StringGrid::GridLines::full);
    grid.setAlignmentHook(
        [](int column, int) { return column > 1 ? Qt::AlignRight : Qt::AlignLeft; });
    grid.model().setRow(0, {"Extension", "Type", "Size", "# Files", "Avg File Size"});
    long long totalBytes = 0;
    long long totalFiles = 0;
    for (int row = 1; row <= dataRows; ++row) {
        const std::size_t kind = static_cast<std::size_t>(row - 1) % extensions.size();
        const long long files = 3 + (row * 37) % 400;
        const long long bytes = files * (1500 + (row * 7919) % 90000);
        totalBytes += bytes;
        totalFiles += files;
        const std::string suffix = row > 12 ? QString::number(row).toStdString() : std::string();
        grid.model().setRow(row, {std::string(".") + extensions[kind] + suffix, types[kind],
                                  withSeparators(bytes), withSeparators(files),
                                  withSeparators(bytes / files)});
    }
    grid.model().setRow(dataRows + 1,
                        {"", "Totals", withSeparators(totalBytes), withSeparators(totalFiles),
                         withSeparators(totalBytes / totalFiles)});
}

bool renderGrids(const QString& outDir) {
    StringGrid types;
    fillTypesGrid(types, 30);
    types.resize(600, 260);
    types.setSelection(0, 3);
    bool ok = save(types, outDir, QStringLiteral("grid_types"));

    // The Sizes page's read-only grid, drawn over by its cell handler.
    StringGrid sizes;
    sizes.model().setColumnCount(3);
    sizes.model().setRowCount(13);
    sizes.setColumnWidths({194, 189, 140});
    sizes.setDefaultRowHeight(19);
    sizes.setGridLines(StringGrid::GridLines::headingVertical);
    sizes.setRowSelect(true);
    sizes.setColor(sizes.palette().color(QPalette::Active, QPalette::Button));
    sizes.setEnabled(false);
    sizes.setSelection(20, 20);
    static const std::array<const char*, 12> labels{
        "Over 16MB",   "8MB - 16MB",  "4MB - 8MB",  "2MB - 4MB", "1MB - 2MB", "512K - 1MB",
        "256K - 512K", "128K - 256K", "64K - 128K", "32K - 64K", "16K - 32K", "0 - 16K"};
    sizes.model().setRow(0, {"File Size", "Total Size", "# Files"});
    for (int row = 1; row <= 12; ++row)
        sizes.model().setRow(row, {labels[static_cast<std::size_t>(row - 1)],
                                   withSeparators(row * 1234567LL), withSeparators(row * 97LL)});
    sizes.setDrawCellHook(
        [&sizes](QPainter& painter, int column, int row, const QRect& rect, StringGrid::CellState) {
            const QString text = QString::fromStdString(sizes.model().cell(column, row));
            painter.fillRect(rect, painter.brush());
            const int width = painter.fontMetrics().horizontalAdvance(text);
            const int x = column == 0 ? rect.left() + 3 : rect.right() - 3 - width;
            painter.drawText(x, rect.top() + 2 + painter.fontMetrics().ascent(), text);
        });
    sizes.resize(sizes.sizeHint());
    ok = save(sizes, outDir, QStringLiteral("grid_sizes_disabled")) && ok;

    StringGrid printed;
    fillTypesGrid(printed, 300);
    GridPrinter printer;
    printer.setTitle(QStringLiteral("File types for drive c: [work]"));
    QPdfWriter writer(QDir(outDir).filePath(QStringLiteral("grid_print.pdf")));
    writer.setResolution(600);
    writer.setPageSize(QPageSize(QPageSize::A4));
    return printer.print(printed, writer) > 1 && ok;
}

bool renderPickLists(const QString& outDir) {
    PickList types;
    types.setSorted(true);
    types.setTabStop(12);
    for (const char* line :
         {"*.tmp\tTemporary file", "*.bak\tBackup file", "*.DOC\tWord document", "*.log\tLog file",
          "*.~*\tEditor backup", "*.html\tHTML document", "*.old\tOld version"})
        types.addItem(QString::fromLatin1(line));
    types.setMarked(1, true);
    types.setMarked(4, true);
    types.setCurrentRow(4);
    types.resize(300, 160);
    bool ok = save(types, outDir, QStringLiteral("pick_list_types"));

    PickList drives;
    drives.setMarkStyle(PickList::MarkStyle::checkBox);
    for (const char* line :
         {"c: [system]", "d: (Fixed disk)", "e:", "f: [backup]", "n: //nas/share"})
        drives.addItem(QString::fromLatin1(line));
    drives.setMarked(0, true);
    drives.setMarked(3, true);
    drives.resize(160, 110);
    ok = save(drives, outDir, QStringLiteral("pick_list_drives")) && ok;

    PickList editor;
    editor.setMarkStyle(PickList::MarkStyle::none);
    editor.setSorted(true);
    editor.setTabStop(16);
    for (const char* line : {"*.tmp\tTemporary file", "*.bak\tBackup file", "*.$$$\tScratch file",
                             "*.chk\tRecovered fragment"})
        editor.addItem(QString::fromLatin1(line));
    editor.item(1)->setSelected(true);
    editor.item(3)->setSelected(true);
    editor.resize(260, 90);
    return save(editor, outDir, QStringLiteral("pick_list_editor")) && ok;
}

EffectLabel* label(QWidget* parent, const QString& text, const QString& face, int pixels,
                   const QColor& color, EffectLabel::TextEffect effect, int depth,
                   const QColor& shadow) {
    auto* caption = new EffectLabel(text, parent);
    caption->setFontFace(face, pixels);
    caption->setTextColor(color);
    caption->setEffect(effect);
    caption->setDepth(depth);
    caption->setShadowColor(shadow);
    return caption;
}

bool renderLabels(const QString& outDir) {
    const QString times = QStringLiteral("Times New Roman");
    QWidget sheet;
    sheet.setAutoFillBackground(true);
    sheet.resize(420, 330);
    auto* layout = new QVBoxLayout(&sheet);
    using Effect = EffectLabel::TextEffect;
    layout->addWidget(label(&sheet, QStringLiteral("Plain caption"), times, 26, navy, Effect::none,
                            0, Qt::black));
    layout->addWidget(label(&sheet, QStringLiteral("Shadowed heading"), times, 26, olive,
                            Effect::shadow, 2, Qt::gray));
    layout->addWidget(label(&sheet, QStringLiteral("Tally 99"), times, 40, Qt::blue,
                            Effect::graduatedShadow, 6, Qt::black));
    layout->addWidget(label(&sheet, QStringLiteral("Extruded depth 4"), times, 30, Qt::blue,
                            Effect::extruded, 4, olive));
    layout->addWidget(label(&sheet, QStringLiteral("Total Capacity:  12.34 GB"), times, 21,
                            Qt::black, Effect::raised, 1, Qt::darkGray));
    layout->addWidget(label(&sheet, QStringLiteral("Sunken caption"), times, 21, Qt::darkGray,
                            Effect::sunken, 1, Qt::darkGray));
    bool ok = save(sheet, outDir, QStringLiteral("labels"));

    // The main window's backdrop with its two captions.
    GradientBackground window;
    window.resize(642, 482);
    EffectLabel* title = label(&window, QStringLiteral("Tally 99 - Disk Statistics"), times, 29,
                               olive, Effect::extruded, 4, Qt::black);
    title->setHighlightColor(Qt::yellow);
    title->setAlignment(Qt::AlignCenter);
    title->setGeometry(0, 0, 642, 57);
    EffectLabel* bottom = label(&window, QStringLiteral("www.example.com"), times, 27, fuchsia,
                                Effect::extruded, 7, navy);
    bottom->setAlignment(Qt::AlignCenter);
    bottom->setGeometry(0, 441, 642, 41);
    auto* button = new QPushButton(QStringLiteral("&Collect disk statistics"), &window);
    button->setGeometry(240, 400, 162, 28);
    ok = save(window, outDir, QStringLiteral("main_window_backdrop")) && ok;
    return ok;
}

bool renderPanels(const QString& outDir) {
    // The statistics window's overlay: tile, extruded caption, sponsor line, Abort button.
    OverlayPanel overlay;
    overlay.resize(625, 359);
    EffectLabel* notYet = label(&overlay, QStringLiteral("Statistics haven't been collected yet!"),
                                QStringLiteral("Times New Roman"), 36, Qt::blue,
                                EffectLabel::TextEffect::extruded, 4, olive);
    notYet->setAlignment(Qt::AlignCenter);
    notYet->setGeometry(16, 60, 593, 140);
    auto* abort = new QPushButton(QStringLiteral("Abort"), &overlay);
    abort->setGeometry(275, 200, 75, 25);
    auto* sponsor =
        new QLabel(QStringLiteral("Freeware sponsored by Velmor Corporation and :"), &overlay);
    sponsor->setStyleSheet(QStringLiteral("color: #808080"));
    sponsor->setGeometry(76, 250, 472, 18);
    auto* ad = new RaisedPanel(&overlay);
    ad->setBevels(RaisedPanel::Bevel::lowered, RaisedPanel::Bevel::none, 1);
    ad->setFillColor(Qt::white);
    ad->setGeometry(76, 270, 472, 65);
    bool ok = save(overlay, outDir, QStringLiteral("overlay_panel"));

    GradientBackground about;
    about.resize(360, 240);
    auto* panel = new RaisedPanel(&about);
    panel->setBevels(RaisedPanel::Bevel::raised, RaisedPanel::Bevel::lowered, 2);
    panel->setFillColor(QColor());
    panel->setGeometry(20, 20, 320, 200);
    EffectLabel* name =
        label(panel, QStringLiteral("Tally 99"), QStringLiteral("Times New Roman"), 44, Qt::yellow,
              EffectLabel::TextEffect::graduatedShadow, 6, Qt::black);
    name->setAlignment(Qt::AlignCenter);
    name->setGeometry(10, 10, 300, 70);
    ok = save(about, outDir, QStringLiteral("raised_panel_on_gradient")) && ok;

    GradientBackground sideways;
    sideways.setDirection(GradientBackground::Direction::leftToRight);
    sideways.setColors(QColor(0xF0, 0xF0, 0xFF), QColor(0x40, 0x60, 0xC0));
    sideways.resize(300, 80);
    ok = save(sideways, outDir, QStringLiteral("gradient_left_to_right")) && ok;

    TiledBackground tiles;
    tiles.resize(300, 200);
    return save(tiles, outDir, QStringLiteral("tiled_background")) && ok;
}

bool renderNotebook(const QString& outDir) {
    Notebook book;
    for (const char* caption : {"Space", "Types", "Sizes", "Overhang", "Access", "Created",
                                "Modified", "Combined", "Attribute", "Time"})
        book.addPage(QString::fromLatin1(caption));
    book.resize(632, 382);
    book.setCurrentIndex(1);
    book.setPageEnabled(3, false);
    auto* grid = new StringGrid(book.page(1));
    fillTypesGrid(*grid, 14);
    grid->setGeometry(8, 8, 600, 280);
    grid->setSelection(0, 2);
    return save(book, outDir, QStringLiteral("notebook"));
}

} // namespace

bool renderWidgetGallery(const QString& outDir) {
    if (!QDir().mkpath(outDir))
        return false;
    bool ok = renderGrids(outDir);
    ok = renderPickLists(outDir) && ok;
    ok = renderLabels(outDir) && ok;
    ok = renderPanels(outDir) && ok;
    return renderNotebook(outDir) && ok;
}
