#include "ui/pick_list.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

constexpr int markRole = Qt::UserRole + 1;
constexpr int markWidth = 18;
constexpr int columnGap = 8;

QChar foldLetter(QChar c) {
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ? QChar(c.unicode() + 32) : c;
}

// Paints the mark and the one or two text columns of an entry.
class PickListDelegate final : public QStyledItemDelegate {
public:
    explicit PickListDelegate(PickList* list) : QStyledItemDelegate(list), m_list(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        painter->save();
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        const QPalette& colors = option.palette;
        if (selected)
            painter->fillRect(option.rect, colors.color(QPalette::Active, QPalette::Highlight));
        const QColor textColor =
            !m_list->isEnabled() ? colors.color(QPalette::Disabled, QPalette::Text)
            : selected           ? colors.color(QPalette::Active, QPalette::HighlightedText)
                                 : colors.color(QPalette::Active, QPalette::Text);
        QRect textArea = option.rect.adjusted(4, 0, -4, 0);
        const bool marked = index.data(markRole).toBool();
        if (m_list->markStyle() != PickList::MarkStyle::none) {
            const QRect markRect(textArea.left(), option.rect.center().y() - 6, 12, 12);
            paintMark(*painter, markRect, marked, textColor);
            textArea.setLeft(textArea.left() + markWidth);
        }
        const auto [first, second] = PickList::splitAtTab(index.data(Qt::DisplayRole).toString());
        painter->setPen(textColor);
        painter->setFont(option.font);
        const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
        if (second.isNull()) {
            painter->drawText(textArea, flags, first);
        } else {
            const int split = textArea.left() + m_list->secondColumnOffset();
            QRect firstRect = textArea;
            firstRect.setRight(split - columnGap / 2);
            painter->drawText(
                firstRect, flags,
                option.fontMetrics.elidedText(first, Qt::ElideRight, firstRect.width()));
            QRect secondRect = textArea;
            secondRect.setLeft(split);
            painter->drawText(secondRect, flags, second);
        }
        if (option.state.testFlag(QStyle::State_HasFocus) && m_list->hasFocus()) {
            painter->setPen(QPen(textColor, 1, Qt::DotLine));
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
        }
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(std::max(size.height(), option.fontMetrics.height() + 4));
        return size;
    }

private:
    // Leaves the painter as it found it: the check box's white brush would otherwise fill the
    // focus frame drawn after it, blanking the current row.
    void paintMark(QPainter& painter, const QRect& rect, bool marked,
                   const QColor& textColor) const {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        if (m_list->markStyle() == PickList::MarkStyle::checkBox) {
            painter.setPen(QColor(0x70, 0x70, 0x70));
            painter.setBrush(m_list->isEnabled() ? QColor(Qt::white) : QColor(0xE8, 0xE8, 0xE8));
            painter.drawRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5));
        }
        if (marked) {
            const QColor tick = m_list->markStyle() == PickList::MarkStyle::checkBox
                                    ? QColor(0x10, 0x10, 0x10)
                                    : textColor;
            painter.setPen(QPen(tick, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.setBrush(Qt::NoBrush);
            const QRectF r = QRectF(rect).adjusted(2.5, 2.5, -2.5, -2.5);
            const QPointF points[] = {{r.left(), r.center().y()},
                                      {r.left() + r.width() * 0.38, r.bottom()},
                                      {r.right(), r.top()}};
            painter.drawPolyline(points, 3);
        }
        painter.restore();
    }

    PickList* m_list;
};

} // namespace

PickList::PickList(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new PickListDelegate(this));
    setMarkStyle(MarkStyle::checkMark);
    setUniformItemSizes(true);
}

void PickList::setMarkStyle(MarkStyle style) {
    m_markStyle = style;
    setSelectionMode(style == MarkStyle::none ? QAbstractItemView::ExtendedSelection
                                              : QAbstractItemView::SingleSelection);
    viewport()->update();
}

void PickList::setSorted(bool on) {
    m_sorted = on;
    if (!on)
        return;
    QStringList texts = items();
    std::vector<bool> marks;
    for (int i = 0; i < count(); ++i)
        marks.push_back(isMarked(i));
    QListWidget::clear();
    for (int i = 0; i < texts.size(); ++i)
        setMarked(addItem(texts[i]), marks[static_cast<std::size_t>(i)]);
}

void PickList::setTabStop(int dialogUnits) {
    m_tabStop = std::max(1, dialogUnits);
    viewport()->update();
}

int PickList::tabStopPixels() const {
    const QFontMetrics metrics(font());
    // A dialog unit is a quarter of the average character width; the average is taken over
    // the alphabet, as dialog units are.
    const int averageChar = (metrics.horizontalAdvance(QStringLiteral(
                                 "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) +
                             26) /
                            52;
    return std::max(1, m_tabStop * averageChar / 4);
}

int PickList::secondColumnOffset() const {
    const QFontMetrics metrics(font());
    const int stop = tabStopPixels();
    int widest = 0;
    for (int i = 0; i < count(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(splitAtTab(itemText(i)).first));
    const int needed = widest + columnGap;
    return ((needed + stop - 1) / stop) * stop;
}

void PickList::setContextMenu(QMenu* menu) {
    m_contextMenu = menu;
}

QStringList PickList::items() const {
    QStringList texts;
    for (int i = 0; i < count(); ++i)
        texts << itemText(i);
    return texts;
}

int PickList::addItem(const QString& text) {
    int index = count();
    if (m_sorted) {
        index = 0;
        while (index < count() && !lessWithoutCase(text, itemText(index)))
            ++index;
    }
    auto* item = new QListWidgetItem(text);
    item->setData(markRole, false);
    insertItem(index, item);
    viewport()->update();
    return index;
}

void PickList::removeItemAt(int index) {
    delete takeItem(index);
}

void PickList::clear() {
    QListWidget::clear();
}

int PickList::count() const {
    return QListWidget::count();
}

QString PickList::itemText(int index) const {
    const QListWidgetItem* entry = item(index);
    return entry ? entry->text() : QString();
}

int PickList::indexOf(const QString& text) const {
    for (int i = 0; i < count(); ++i)
        if (itemText(i) == text)
            return i;
    return -1;
}

bool PickList::isMarked(int index) const {
    const QListWidgetItem* entry = item(index);
    return entry && entry->data(markRole).toBool();
}

void PickList::setMarked(int index, bool marked) {
    if (QListWidgetItem* entry = item(index))
        entry->setData(markRole, marked);
}

void PickList::setAllMarked(bool marked) {
    for (int i = 0; i < count(); ++i)
        setMarked(i, marked);
}

QStringList PickList::markedItems() const {
    QStringList texts;
    for (int i = 0; i < count(); ++i)
        if (isMarked(i))
            texts << itemText(i);
    return texts;
}

int PickList::markedCount() const {
    return static_cast<int>(markedItems().size());
}

std::vector<int> PickList::selectedRows() const {
    std::vector<int> rows;
    for (int i = 0; i < count(); ++i)
        if (item(i)->isSelected())
            rows.push_back(i);
    return rows;
}

std::pair<QString, QString> PickList::splitAtTab(const QString& line) {
    const qsizetype tab = line.indexOf(QLatin1Char('\t'));
    if (tab < 0)
        return {line, QString()};
    return {line.left(tab), line.mid(tab + 1)};
}

bool PickList::lessWithoutCase(const QString& a, const QString& b) {
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const QChar x = foldLetter(a[i]);
        const QChar y = foldLetter(b[i]);
        if (x != y)
            return x < y;
    }
    return a.size() < b.size();
}

void PickList::toggle(int index) {
    if (m_markStyle != MarkStyle::none)
        setMarked(index, !isMarked(index));
}

void PickList::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        if (m_contextMenu)
            m_contextMenu->popup(event->globalPosition().toPoint());
        return;
    }
    QListWidget::mousePressEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || !index.isValid())
        return;
    toggle(index.row());
    emit entryClicked(index.row());
}

void PickList::mouseDoubleClickEvent(QMouseEvent* event) {
    if (m_markStyle == MarkStyle::none)
        QListWidget::mouseDoubleClickEvent(event);
    else
        mousePressEvent(event);
}

void PickList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && m_markStyle != MarkStyle::none && currentRow() >= 0) {
        toggle(currentRow());
        emit entryClicked(currentRow());
        return;
    }
    QListWidget::keyPressEvent(event);
}
