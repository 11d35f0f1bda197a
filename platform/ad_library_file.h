#pragma once
// Where the sponsor advertisement library may come from. Loading it runs its code inside the
// program, so it is looked for only where the installation keeps its own libraries,
// <libdir>/tally99/ads.so, or where TALLY99_AD_LIBRARY names it; never in the settings folder,
// which a synced or restored copy can fill. The library folder is found from the running
// program's own folder (bin/../lib/tally99 in a plain installation), so an installation that is
// moved elsewhere as a whole keeps working. A file that others than its owner and root could
// change is refused, and so is one in a folder they could change (they could swap the file).

#include <string>

namespace platform {

// The file that TALLY99_AD_LIBRARY names, empty when the variable is not set or empty.
[[nodiscard]] std::string namedAdLibrary();

// ads.so in the library folder of the installation whose program folder (bin) is given.
[[nodiscard]] std::string installedAdLibrary(const std::string& programFolder);

// The folder of the running program's executable, empty when the system does not say.
[[nodiscard]] std::string runningProgramFolder();

// Why the file must not be loaded ("is writable by others than its owner and root", ...), or
// empty when it may be. A missing file is refused too.
[[nodiscard]] std::string adLibraryRefusal(const std::string& path);

} // namespace platform
