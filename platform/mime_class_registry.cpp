#include "platform/mime_class_registry.h"

#include <QMimeType>

#include <unordered_set>

namespace platform {

namespace {
std::string foldedName(std::string_view name) {
    std::string folded(name);
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

std::string toBytes(const QString& text) {
    return text.toLocal8Bit().toStdString();
}
} // namespace

std::optional<RegistryKey> MimeClassRegistry::openKey(std::string_view name) const {
    if (name.empty())
        return RegistryKey(); // the root holds no values
    const std::optional<std::string> defaultValue = lookUp(foldedName(name));
    if (!defaultValue)
        return std::nullopt;
    return RegistryKey({{std::string(), *defaultValue}});
}

std::vector<std::string> MimeClassRegistry::subkeyNames() const {
    std::vector<std::string> names;
    std::unordered_set<std::string> seenSuffixes;
    for (const QMimeType& type : m_database.allMimeTypes()) {
        names.push_back(toBytes(type.name()));
        for (const QString& suffix : type.suffixes()) {
            std::string key = foldedName("." + toBytes(suffix));
            if (seenSuffixes.insert(key).second && lookUp(key))
                names.push_back(std::move(key));
        }
    }
    return names;
}

std::optional<std::string> MimeClassRegistry::lookUp(const std::string& foldedName) const {
    if (const auto cached = m_cache.find(foldedName); cached != m_cache.end())
        return cached->second;
    std::optional<std::string> found =
        foldedName.front() == '.' ? suffixType(foldedName) : typeComment(foldedName);
    m_cache.emplace(foldedName, found);
    return found;
}

std::optional<std::string> MimeClassRegistry::suffixType(const std::string& foldedSuffix) const {
    // A slash would make the probe name a path; no suffix of the database holds one.
    if (foldedSuffix.find('/') != std::string::npos)
        return std::nullopt;
    const QMimeType type = m_database.mimeTypeForFile(QString::fromLocal8Bit("x" + foldedSuffix),
                                                      QMimeDatabase::MatchExtension);
    if (!type.isValid() || type.isDefault()) // application/octet-stream: the suffix is unknown
        return std::nullopt;
    return toBytes(type.name());
}

std::optional<std::string> MimeClassRegistry::typeComment(const std::string& name) const {
    // Type names carry capitals now and then (macroEnabled); keys compare without case, so an
    // exact miss is looked up again through the folded names of all types.
    QMimeType type = m_database.mimeTypeForName(QString::fromLocal8Bit(name));
    if (!type.isValid()) {
        if (m_typeNamesByFoldedName.empty())
            for (const QMimeType& each : m_database.allMimeTypes())
                m_typeNamesByFoldedName.emplace(foldedName(toBytes(each.name())),
                                                toBytes(each.name()));
        const auto real = m_typeNamesByFoldedName.find(name);
        if (real == m_typeNamesByFoldedName.end())
            return std::nullopt;
        type = m_database.mimeTypeForName(QString::fromLocal8Bit(real->second));
    }
    if (!type.isValid())
        return std::nullopt;
    return toBytes(type.comment());
}

} // namespace platform
