#pragma once
// The class registry as the shared MIME database shows it. Key ".ext" exists for every suffix
// the database knows; its default value is the MIME type name. Key "<mime type name>" exists for
// every type; its default value is the type's comment (its human-readable description). A
// suffix for which the database answers application/octet-stream has no key.
//
// Every answer is cached by key name: the Types page asks for a description per row after
// every drive, and the extension picker for every registered suffix, so the database is asked
// at most once per name for the object's lifetime. Not thread-safe (the program has one thread).

#include "platform/class_registry.h"

#include <QMimeDatabase>

#include <unordered_map>

namespace platform {

class MimeClassRegistry final : public ClassRegistry {
public:
    [[nodiscard]] std::optional<RegistryKey> openKey(std::string_view name) const override;
    [[nodiscard]] std::vector<std::string> subkeyNames() const override;

private:
    // The default value of the key of that (folded) name, or nothing when there is no key.
    [[nodiscard]] std::optional<std::string> lookUp(const std::string& foldedName) const;
    [[nodiscard]] std::optional<std::string> suffixType(const std::string& foldedSuffix) const;
    [[nodiscard]] std::optional<std::string> typeComment(const std::string& name) const;

    QMimeDatabase m_database;
    mutable std::unordered_map<std::string, std::optional<std::string>> m_cache;
    mutable std::unordered_map<std::string, std::string> m_typeNamesByFoldedName;
};

} // namespace platform
