#include "ui/notebook.h"

#include "ui/raised_panel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStackedWidget>

namespace {
constexpr int lift = 2;      // the tab on view stands this much higher than the others
constexpr int pageFrame = 2; // bevel around the page area
} // namespace

Notebook::Notebook(QWidget* parent) : QWidget(parent), m_stack(new QStackedWidget(this)) {
    setFocusPolicy(Qt::TabFocus);
    m_stack->setGeometry(pageArea());
}

int Notebook::addPage(const QString& caption, QWidget* page) {
    if (!page)
        page = new QWidget;
    m_tabs.push_back({caption, true});
    m_stack->addWidget(page);
    if (m_current < 0)
        showPage(0);
    update();
    return count() - 1;
}

QWidget* Notebook::page(int index) const {
    return m_stack->widget(index);
}

QString Notebook::caption(int index) const {
    return index >= 0 && index < count() ? m_tabs[static_cast<std::size_t>(index)].caption
                                         : QString();
}

bool Notebook::setCurrentIndex(int index) {
    if (!isPageEnabled(index))
        return false;
    if (index != m_current) {
        showPage(index);
        emit pageChanged(index);
    }
    return true;
}

void Notebook::setPageEnabled(int index, bool enabled) {
    if (index < 0 || index >= count())
        return;
    m_tabs[static_cast<std::size_t>(index)].enabled = enabled;
    if (!enabled && index == m_current) {
        int next = enabledNeighbour(index, 1);
        if (next < 0)
            next = enabledNeighbour(index, -1);
        if (next >= 0) {
            showPage(next);
            emit pageChanged(next);
        }
    }
    update();
}

bool Notebook::isPageEnabled(int index) const {
    return index >= 0 && index < count() && m_tabs[static_cast<std::size_t>(index)].enabled;
}

int Notebook::enabledNeighbour(int index, int step) const {
    for (int i = index + step; i >= 0 && i < count(); i += step)
        if (isPageEnabled(i))
            return i;
    return -1;
}

void Notebook::showPage(int index) {
    m_current = index;
    m_stack->setCurrentIndex(index);
    update();
}

void Notebook::setTabSize(const QSize& size) {
    m_tabSize = size;
    m_stack->setGeometry(pageArea());
    update();
}

void Notebook::setActiveCaptionColor(const QColor& color) {
    m_activeCaption = color;
    update();
}

QRect Notebook::tabRect(int index) const {
    if (index < 0 || index >= count())
        return {};
    const QRect tab(index * m_tabSize.width(), lift, m_tabSize.width(), m_tabSize.height());
    return index == m_current ? tab.adjusted(0, -lift, 0, 1) : tab;
}

QRect Notebook::pageArea() const {
    const int top = lift + m_tabSize.height();
    return rect().adjusted(pageFrame, top + pageFrame, -pageFrame, -pageFrame);
}

void Notebook::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_stack->setGeometry(pageArea());
}

void Notebook::paintTab(QPainter& painter, int index) {
    const QColor face = palette().color(QPalette::Active, QPalette::Button);
    const QColor light = face.lighter(160);
    const QColor shade = face.darker(150);
    const QColor dark = face.darker(250);
    const bool current = index == m_current;
    const QRect r = tabRect(index);
    painter.fillRect(r.adjusted(1, 1, -1, 0), current ? face : face.darker(104));
    // Classic tab: lit left and top edges with cut corners, shaded right edge.
    painter.setPen(light);
    painter.drawLine(r.left(), r.bottom(), r.left(), r.top() + 2);
    painter.drawPoint(r.left() + 1, r.top() + 1);
    painter.drawLine(r.left() + 2, r.top(), r.right() - 2, r.top());
    painter.setPen(dark);
    painter.drawPoint(r.right() - 1, r.top() + 1);
    painter.drawLine(r.right(), r.top() + 2, r.right(), r.bottom());
    painter.setPen(shade);
    painter.drawLine(r.right() - 1, r.top() + 2, r.right() - 1, r.bottom());

    const Tab& tab = m_tabs[static_cast<std::size_t>(index)];
    const QRect textRect = r.adjusted(2, current ? 0 : 1, -2, 0);
    const int flags = Qt::AlignCenter | Qt::TextSingleLine;
    if (!tab.enabled) {
        // Disabled captions are engraved: a light copy under a grey one.
        painter.setPen(light);
        painter.drawText(textRect.translated(1, 1), flags, tab.caption);
        painter.setPen(shade);
    } else {
        painter.setPen(current ? m_activeCaption
                               : palette().color(QPalette::Active, QPalette::ButtonText));
    }
    painter.setFont(font());
    painter.drawText(textRect, flags, tab.caption);
    if (current && hasFocus()) {
        painter.setPen(QPen(m_activeCaption, 1, Qt::DotLine));
        painter.drawRect(r.adjusted(3, 3, -4, -3));
    }
}

void Notebook::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor face = palette().color(QPalette::Active, QPalette::Button);
    const QRect frame = pageArea().adjusted(-pageFrame, -pageFrame, pageFrame, pageFrame);
    painter.fillRect(frame, face);
    RaisedPanel::paintBevel(painter, frame, pageFrame, RaisedPanel::Bevel::raised, face);
    for (int index = 0; index < count(); ++index)
        if (index != m_current)
            paintTab(painter, index);
    if (m_current >= 0)
        paintTab(painter, m_current);
}

void Notebook::mousePressEvent(QMouseEvent* event) {
    for (int index = 0; index < count(); ++index) {
        if (tabRect(index).contains(event->position().toPoint())) {
            setCurrentIndex(index);
            return;
        }
    }
    QWidget::mousePressEvent(event);
}

void Notebook::keyPressEvent(QKeyEvent* event) {
    const int step = event->key() == Qt::Key_Left ? -1 : event->key() == Qt::Key_Right ? 1 : 0;
    if (step != 0 && m_current >= 0) {
        const int next = enabledNeighbour(m_current, step);
        if (next >= 0)
            setCurrentIndex(next);
        return;
    }
    QWidget::keyPressEvent(event);
}
