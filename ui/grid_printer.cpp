#include "ui/grid_printer.h"

#include "platform/locale_settings.h"
#include "ui/font_twins.h"
#include "ui/string_grid.h"

#include <QDate>
#include <QFontMetrics>
#include <QLocale>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTime>

#include <algorithm>
#include <cmath>

namespace {
constexpr double millimetresPerInch = 25.4;
constexpr double screenDpi = 96;
constexpr double topBottomMargin = 15; // millimetres
} // namespace

void GridPrinter::setMargins(double left, double right) {
    m_leftMargin = std::max(0.0, left);
    m_rightMargin = std::max(0.0, right);
}

void GridPrinter::setFont(const QString& family, double points) {
    m_fontFamily = family;
    m_fontPoints = points;
}

int GridPrinter::print(const StringGrid& grid, QPagedPaintDevice& device) const {
    device.setPageOrientation(QPageLayout::Portrait);
    device.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    QPainter painter(&device);
    if (!painter.isActive())
        return 0;

    const double dpi = device.logicalDpiY();
    const auto mm = [dpi](double millimetres) {
        return static_cast<int>(std::lround(millimetres * dpi / millimetresPerInch));
    };
    const auto fromScreen = [dpi](int pixels) {
        return static_cast<int>(std::lround(pixels * dpi / screenDpi));
    };
    const QFont font =
        pixelFont(m_fontFamily, static_cast<int>(std::lround(m_fontPoints * dpi / 72)));
    QFont titleFont = font;
    titleFont.setBold(true);
    const QFontMetrics metrics(font, &device);
    const int lineHeight = metrics.height();
    const int rowHeight =
        std::max(fromScreen(grid.defaultRowHeight()), lineHeight + lineHeight / 2);
    const int padding = fromScreen(3);

    const TextGrid& model = grid.model();
    std::vector<int> widths;
    int tableWidth = 0;
    for (const int width : grid.columnWidths()) {
        widths.push_back(fromScreen(width));
        tableWidth += widths.back();
    }
    const QRect page(0, 0, device.width(), device.height());
    const int areaLeft = mm(m_leftMargin);
    const int areaWidth = page.width() - areaLeft - mm(m_rightMargin);
    const int tableLeft = areaLeft + std::max(0, (areaWidth - tableWidth) / 2);
    const int headerTop = mm(topBottomMargin);
    const int tableTop = headerTop + 2 * lineHeight;
    const int footerTop = page.height() - mm(topBottomMargin) - lineHeight;
    const int rowsPerPage = std::max(1, (footerTop - lineHeight - tableTop) / rowHeight);

    const QDateTime now = QDateTime::currentDateTime();
    const QString date = QLocale::system().toString(now.date(), QLocale::ShortFormat);
    const QString time =
        QString::fromStdString(platform::formatShortTime(now.time().hour(), now.time().minute()));
    const QRect headerLine(areaLeft, headerTop, areaWidth, lineHeight);
    const QColor ruleColor(0x60, 0x60, 0x60);

    int pages = 0;
    for (int first = 0; first < model.rowCount() || pages == 0; first += rowsPerPage) {
        if (pages > 0)
            device.newPage();
        ++pages;
        painter.setPen(Qt::black);
        painter.setFont(font);
        painter.drawText(headerLine, Qt::AlignLeft | Qt::AlignVCenter, date);
        painter.drawText(headerLine, Qt::AlignRight | Qt::AlignVCenter, time);
        painter.setFont(titleFont);
        painter.drawText(headerLine, Qt::AlignHCenter | Qt::AlignVCenter, m_title);
        painter.setFont(font);
        painter.drawText(QRect(areaLeft, footerTop, areaWidth, lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Page %1").arg(pages));

        const int last = std::min(model.rowCount(), first + rowsPerPage);
        for (int row = first; row < last; ++row) {
            const int top = tableTop + (row - first) * rowHeight;
            const bool fixed = (grid.hasHeadingRow() && row == 0) ||
                               (grid.hasFooterRow() && row == model.rowCount() - 1);
            painter.setFont(fixed ? titleFont : font);
            int left = tableLeft;
            for (int column = 0; column < model.columnCount(); ++column) {
                const QRect cell(left + padding, top,
                                 widths[static_cast<std::size_t>(column)] - 2 * padding, rowHeight);
                painter.drawText(cell,
                                 static_cast<int>(grid.alignment(column, row) | Qt::AlignVCenter),
                                 QString::fromLocal8Bit(model.cell(column, row)));
                left += widths[static_cast<std::size_t>(column)];
            }
            painter.setPen(QPen(ruleColor, std::max(1, fromScreen(1) / 2)));
            if (grid.hasHeadingRow() && row == 0)
                painter.drawLine(tableLeft, top + rowHeight, tableLeft + tableWidth,
                                 top + rowHeight);
            if (grid.hasFooterRow() && row == model.rowCount() - 1)
                painter.drawLine(tableLeft, top, tableLeft + tableWidth, top);
            painter.setPen(Qt::black);
        }
        if (model.rowCount() == 0)
            break;
    }
    return pages;
}
