#pragma once
// Controls found by their object names, for code that keeps a list of names as data (the
// controls a run switches off, the chart each page prints). A name that finds nothing is kept
// in missing, so that the caller can refuse to go on instead of skipping the control.

#include <QString>

#include <span>
#include <string>
#include <vector>

class QObject;
class QWidget;

struct NamedControls {
    std::vector<QWidget*> found; // in the order of the names
    std::vector<std::string> missing;
};

[[nodiscard]] NamedControls findNamedControls(const QObject& root,
                                              std::span<const char* const> names);

// Stops the program with a message naming each control in missing (a fault of the program,
// not of the user's data); does nothing when all were found.
void requireNamedControls(const NamedControls& controls, const char* owner);
