#include "collect/named_controls.h"

#include <QObject>
#include <QWidget>
#include <QtGlobal>

NamedControls findNamedControls(const QObject& root, std::span<const char* const> names) {
    NamedControls controls;
    for (const char* name : names)
        if (auto* control = root.findChild<QWidget*>(QString::fromLatin1(name)))
            controls.found.push_back(control);
        else
            controls.missing.emplace_back(name);
    return controls;
}

void requireNamedControls(const NamedControls& controls, const char* owner) {
    if (controls.missing.empty())
        return;
    std::string names;
    for (const std::string& name : controls.missing)
        names += (names.empty() ? "" : ", ") + name;
    qFatal("%s has no control named %s", owner, names.c_str());
}
