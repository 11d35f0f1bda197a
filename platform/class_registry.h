#pragma once
// The class registry (HKEY_CLASSES_ROOT), read only: the file-type descriptions and the list of
// registered extensions come from here. On Linux the program's registry is a view of the shared
// MIME database (MimeClassRegistry); tests install a MemoryClassRegistry with their own keys.
// The registry in use is a replaceable global, like the message hook.
//
// Key names compare without regard to case (letters a-z only). The empty name opens the root.

#include "platform/registry_key.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class ClassRegistry {
public:
    virtual ~ClassRegistry() = default;

    // The key of that name directly under the root, or nothing when there is no such key.
    [[nodiscard]] virtual std::optional<RegistryKey> openKey(std::string_view name) const = 0;
    // The names of all keys directly under the root, in no particular order.
    [[nodiscard]] virtual std::vector<std::string> subkeyNames() const = 0;
};

// The registry in force: the MIME database view until another one is installed.
[[nodiscard]] const ClassRegistry& classRegistry();
// A null pointer restores the MIME database view.
void setClassRegistry(std::shared_ptr<const ClassRegistry> registry);

} // namespace platform
