#pragma once
// The Overhang and Attribute pages set a small horizontal bar chart beside a table so that each
// bar stands level with its row. Where the bars fall depends on the chart's fonts, margins and
// 3D depth, so the chart is placed by measuring its plot as the painter lays it out, not by
// fixed offsets.

#include <QRect>

class Chart;

// Gives the chart a geometry (at the left and width given) whose bars, with the chart showing
// `rows` bars a page, are centred on the rows: the top bar on the first row, each next bar one
// row lower. Rows are rowHeight pixels high from rowsTop on. The chart may reach a little above
// and below the rows; it is put behind its siblings so that their captions stay on top.
void alignBarsWithRows(Chart& chart, int left, int width, int rowsTop, int rowHeight, int rows);

// The front face of the chart's plot as the painter lays it out, in the chart's coordinates.
[[nodiscard]] QRectF plotFace(const Chart& chart);
