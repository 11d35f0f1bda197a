#pragma once
// Tests reach a window's controls by their object names, the names the window's own look-ups
// (switching controls off during a run, printing) use too, so the controls stay private. A name
// that does not resolve to a child of the expected type throws, which fails the test with the
// name in the message instead of crashing on a null pointer.

#include <QObject>
#include <QString>

#include <memory>
#include <stdexcept>
#include <string>

namespace tally_test {

template <typename T> T* namedChild(const QObject& owner, const char* name) {
    T* child = owner.findChild<T*>(QString::fromLatin1(name));
    if (child == nullptr)
        throw std::logic_error("no child \"" + std::string(name) + "\" of the expected type in " +
                               owner.objectName().toStdString());
    return child;
}

template <typename T> T* namedChild(const QObject* owner, const char* name) {
    return namedChild<T>(*owner, name);
}

template <typename T, typename Owner>
T* namedChild(const std::unique_ptr<Owner>& owner, const char* name) {
    return namedChild<T>(*owner, name);
}

} // namespace tally_test
