#include "platform/memory_class_registry.h"

#include <algorithm>

namespace platform {

void MemoryClassRegistry::addKey(const std::string& keyName) {
    keyFor(keyName);
}

void MemoryClassRegistry::setValue(const std::string& keyName, const std::string& valueName,
                                   const std::string& text) {
    Key& key = keyFor(keyName);
    const auto found = std::ranges::find_if(
        key.values, [&](const auto& entry) { return sameRegistryName(entry.first, valueName); });
    if (found != key.values.end())
        found->second = text;
    else
        key.values.emplace_back(valueName, text);
}

std::optional<RegistryKey> MemoryClassRegistry::openKey(std::string_view name) const {
    const Key* key = name.empty() ? &m_root : find(name);
    if (key == nullptr)
        return std::nullopt;
    return RegistryKey(key->values);
}

std::vector<std::string> MemoryClassRegistry::subkeyNames() const {
    std::vector<std::string> names;
    names.reserve(m_keys.size());
    for (const Key& key : m_keys)
        names.push_back(key.name);
    return names;
}

MemoryClassRegistry::Key& MemoryClassRegistry::keyFor(const std::string& name) {
    if (name.empty())
        return m_root;
    const auto found = std::ranges::find_if(
        m_keys, [&name](const Key& key) { return sameRegistryName(key.name, name); });
    if (found != m_keys.end())
        return *found;
    return m_keys.emplace_back(Key{name, {}});
}

const MemoryClassRegistry::Key* MemoryClassRegistry::find(std::string_view name) const {
    const auto found = std::ranges::find_if(
        m_keys, [name](const Key& key) { return sameRegistryName(key.name, name); });
    return found == m_keys.end() ? nullptr : &*found;
}

} // namespace platform
