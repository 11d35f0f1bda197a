#pragma once
// Where the statistics pages plug into the statistics window. The window runs the collection
// and owns the shared timers, but what a page draws is the page's own business, so each page
// sets the hooks it serves when it is created and the window calls whatever is set, skipping
// the rest. The walk's fills are listed in the order the window calls them after each drive.

#include <array>
#include <functional>

struct PageHooks {
    // Space page (index 0).
    std::function<void()>
        clearSpaceFigures;             // empty the capacity, free and used figures and their units
    std::function<void()> loadPalette; // initAColors with the palette choice
    std::function<void()> doDiskSize;
    std::function<void()> restartSpaceBar; // chartSpaceBar depth back to 1 percent
    std::function<void()> turnSpacePies;   // one m_pieTimer tick with page 0 on view
    std::function<void()> turnTypesPie;    // one m_pieTimer tick with page 1 on view

    // The fills after each drive's walk, in this order.
    std::function<void()> doOverHang; // only in single-drive runs
    std::function<void()> doFileTypes;
    std::function<void()> doFileSizes;
    std::function<void()> doFileAttrs;
    std::array<std::function<void()>, 3> fillGridDates; // by DateKind
    std::function<void()> fillCombinedGridDates;
    std::function<void()> doFileTimes;
    std::function<void()> doFileAges;
    std::function<void()> sortTypesByExtension;
};

// Calls the hook when a page has set it.
inline void callHook(const std::function<void()>& hook) {
    if (hook)
        hook();
}
