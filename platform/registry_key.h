#pragma once
// One opened key of the class registry: the string values it holds, by name. The value with the
// empty name is the key's default value. Value names compare without regard to case (letters
// a-z only), as in the registry. A key is a small copy of what the registry holds, so closing
// it is simply letting it go.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

// Registry names compare without regard to case, folding only the letters a-z.
[[nodiscard]] bool sameRegistryName(std::string_view a, std::string_view b);

class RegistryKey final {
public:
    RegistryKey() = default;
    explicit RegistryKey(std::vector<std::pair<std::string, std::string>> values);

    // A missing value reads as empty text.
    [[nodiscard]] std::string value(std::string_view name) const;

private:
    std::vector<std::pair<std::string, std::string>> m_values;
};

} // namespace platform
