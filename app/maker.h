#pragma once
// Who offers the program and how to reach them: the texts of the About window, the main
// window's bottom line and the sample screens. Content, not behaviour; kept in one place so
// the windows cannot disagree about it.

#include <array>
#include <string_view>

namespace maker {

inline constexpr std::string_view company = "Velmor Corporation";
inline constexpr std::string_view street = "1180 Harbor Point Drive, Suite 210";
inline constexpr std::string_view city = "Portland, OR 97209";
inline constexpr std::string_view telephone = "Voice (503) 555-0147   Fax (503) 555-0148";
inline constexpr std::string_view webAddress = "http://www.velmor.example";

struct Product {
    std::string_view name;
    std::string_view description;
};

// The maker's other products, in the order the About window lists them; the sample window
// shows one screen shot for each.
inline constexpr std::array<Product, 5> products{{
    {"Backup Pilot", "scheduled backups to any drive"},
    {"DupeFinder", "finds and removes duplicate files"},
    {"TimeSheet Pro", "hours per client and project"},
    {"Call Keeper", "contacts, calls and reminders"},
    {"Shelf Count", "stock control for small shops"},
}};

} // namespace maker
