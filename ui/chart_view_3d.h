#pragma once
// The 3D view: depth of the plot as a percentage of its size, orthogonal (oblique) or turned
// by rotation and elevation in degrees (360 = facing, 270 or 90 = seen from the side), a
// perspective strength, and a zoom that scales the plot around its centre.

struct ChartView3D final {
    bool enabled = true;
    int depthPercent = 15;
    bool orthogonal = true;
    int rotation = 345;
    int elevation = 345;
    int perspective = 15;
    int zoomPercent = 100;
};
