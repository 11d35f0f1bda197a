#include "ui/text_grid.h"

#include <utility>

namespace {
const std::string emptyText;
const std::vector<std::string> emptyRow;
} // namespace

TextGrid::TextGrid(int columnCount, int rowCount) {
    setColumnCount(columnCount);
    setRowCount(rowCount);
}

void TextGrid::setColumnCount(int count) {
    m_columnCount = count < 0 ? 0 : count;
    for (auto& cells : m_rows)
        cells.resize(static_cast<std::size_t>(m_columnCount));
    changed();
}

void TextGrid::setRowCount(int count) {
    m_rows.resize(static_cast<std::size_t>(count < 0 ? 0 : count),
                  std::vector<std::string>(static_cast<std::size_t>(m_columnCount)));
    changed();
}

const std::string& TextGrid::cell(int column, int row) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= m_columnCount)
        return emptyText;
    return m_rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void TextGrid::setCell(int column, int row, std::string text) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= m_columnCount)
        return;
    m_rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = std::move(text);
    changed();
}

const std::vector<std::string>& TextGrid::row(int row) const {
    if (row < 0 || row >= rowCount())
        return emptyRow;
    return m_rows[static_cast<std::size_t>(row)];
}

void TextGrid::setRow(int row, std::vector<std::string> cells) {
    if (row < 0 || row >= rowCount())
        return;
    cells.resize(static_cast<std::size_t>(m_columnCount));
    m_rows[static_cast<std::size_t>(row)] = std::move(cells);
    changed();
}

void TextGrid::setChangeListener(std::function<void()> listener) {
    m_listener = std::move(listener);
}

void TextGrid::changed() {
    if (m_listener)
        m_listener();
}
