#pragma once
// A class registry held in memory, filled by its owner: tests build exactly the keys and values
// a case needs (a class key without a description, a key that is not an extension, ...).

#include "platform/class_registry.h"

#include <string>
#include <utility>
#include <vector>

namespace platform {

class MemoryClassRegistry final : public ClassRegistry {
public:
    // Creates the key if needed; the empty key name is the root.
    void addKey(const std::string& keyName);
    // Creates the key if needed; the empty value name is the key's default value.
    void setValue(const std::string& keyName, const std::string& valueName,
                  const std::string& text);

    [[nodiscard]] std::optional<RegistryKey> openKey(std::string_view name) const override;
    [[nodiscard]] std::vector<std::string> subkeyNames() const override;

private:
    struct Key {
        std::string name;
        std::vector<std::pair<std::string, std::string>> values;
    };
    Key& keyFor(const std::string& name); // creates a missing key
    [[nodiscard]] const Key* find(std::string_view name) const;

    Key m_root;
    std::vector<Key> m_keys;
};

} // namespace platform
