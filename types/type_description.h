#pragma once
// What the class registry says about file types: the human-readable description of an
// extension, with the fallbacks the grids and lists rely on, and the list of registered
// extensions the extension picker offers. Plain logic over platform::classRegistry(); the cost
// is the registry's (the MIME view caches its answers).

#include <string>
#include <string_view>
#include <vector>

// The description of an extension given with its dot, in any case (".doc", ".DOC"):
// "*." gives "No extension"; otherwise the class description the registry gives for the
// extension's class, else the class name, else the extension without its dot in capitals
// followed by " File" (".xyz" gives "XYZ File"). An empty extension, or one with a "*", gets no
// such fallback.
[[nodiscard]] std::string typeDescription(std::string_view extension);

// "*.ext" for every registry key ".ext" of at most five characters (dot included), sorted
// without regard to case.
[[nodiscard]] std::vector<std::string> listRegisteredExtensions();
