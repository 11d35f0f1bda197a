#pragma once
// The legend box: where it stands and what it lists. Listing the points' values suits a chart
// of one series (one line per bar); listing series titles suits a chart of several series.

struct ChartLegend final {
    enum class Position { Top, Right };
    enum class Content { Values, SeriesTitles };

    bool visible = true;
    Position position = Position::Right;
    Content content = Content::Values;
    bool inverted = false; // last entry first
};
