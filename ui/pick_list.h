#pragma once
// A list of text entries, each with a selection mark that a click or the space bar toggles (the
// wizard's drive and type lists, the Space page's drive list), or without marks as a plain list
// with multiple row selection (the file-type list editor). A line holding a TAB shows in two
// columns: the part before the TAB, then the rest starting at the tab stop. Marks and row
// selection are kept apart: marks are the list's answer, the selection is where the user is.

#include <QListWidget>

#include <vector>

class QMenu;

class PickList final : public QListWidget {
    Q_OBJECT

public:
    enum class MarkStyle {
        none,      // no marks: rows are selected with click, ctrl-click and drag
        checkMark, // a tick in front of marked entries
        checkBox,  // a check box in front of every entry
    };

    explicit PickList(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(PickList)

    void setMarkStyle(MarkStyle style);
    [[nodiscard]] MarkStyle markStyle() const { return m_markStyle; }
    // Sorted lists keep their entries in ascending order, letters compared without case.
    void setSorted(bool on);
    [[nodiscard]] bool isSorted() const { return m_sorted; }
    // The tab stop in dialog units (a quarter of the average character width).
    void setTabStop(int dialogUnits);
    [[nodiscard]] int tabStop() const { return m_tabStop; }
    [[nodiscard]] int tabStopPixels() const;
    // Pixel offset of the second column within an entry's text area: the first multiple of the
    // tab stop that clears every entry's first column, so that the columns line up.
    [[nodiscard]] int secondColumnOffset() const;
    // Shown at the mouse on a right click (not owned).
    void setContextMenu(QMenu* menu);

    [[nodiscard]] QStringList items() const;
    // Returns the index the entry got (its sorted place in a sorted list).
    int addItem(const QString& text);
    void removeItemAt(int index);
    void clear();
    [[nodiscard]] int count() const;
    [[nodiscard]] QString itemText(int index) const;
    [[nodiscard]] int indexOf(const QString& text) const;

    [[nodiscard]] bool isMarked(int index) const;
    void setMarked(int index, bool marked);
    void setAllMarked(bool marked);
    [[nodiscard]] QStringList markedItems() const;
    [[nodiscard]] int markedCount() const;
    // Selected rows, ascending.
    [[nodiscard]] std::vector<int> selectedRows() const;

    // The part before the first TAB and the part after it (empty when there is no TAB).
    [[nodiscard]] static std::pair<QString, QString> splitAtTab(const QString& line);
    // Ascending order with only the letters a to z folded, as the sorted list uses.
    [[nodiscard]] static bool lessWithoutCase(const QString& a, const QString& b);

signals:
    // The user clicked an entry or toggled it with the space bar (its mark already changed).
    void entryClicked(int index);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    // With marks, the second click of a quick pair toggles like any other click.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void toggle(int index);

    MarkStyle m_markStyle = MarkStyle::checkMark;
    bool m_sorted = false;
    int m_tabStop = 16;
    QMenu* m_contextMenu = nullptr;
};
