#pragma once
// The model behind every grid of the program: rows x columns of text cells, addressed
// (column, row) from 0, with whole-row reads and writes. Page fills and the row sort write it,
// tests read it, the StringGrid widget shows it. It knows nothing of widgets: a widget that
// shows it registers a change listener and repaints when told.

#include <functional>
#include <string>
#include <vector>

class TextGrid final {
public:
    TextGrid(int columnCount = 0, int rowCount = 0);

    [[nodiscard]] int columnCount() const { return m_columnCount; }
    [[nodiscard]] int rowCount() const { return static_cast<int>(m_rows.size()); }
    // Growing adds empty cells; shrinking drops cells.
    void setColumnCount(int count);
    void setRowCount(int count);

    // Reading outside the grid gives empty text; writing outside it is ignored.
    [[nodiscard]] const std::string& cell(int column, int row) const;
    void setCell(int column, int row, std::string text);

    [[nodiscard]] const std::vector<std::string>& row(int row) const;
    // The row takes exactly columnCount cells: missing ones become empty, extra ones are dropped.
    void setRow(int row, std::vector<std::string> cells);

    // Called after every change (one call per setCell/setRow/resize).
    void setChangeListener(std::function<void()> listener);

private:
    void changed();

    int m_columnCount = 0;
    std::vector<std::vector<std::string>> m_rows;
    std::function<void()> m_listener;
};
