#pragma once
// Between the walk's moves through a drive and the directory listing inside the platform
// layer: the directory the walk has just entered is still open, so the listing reads it
// without opening it again. The walk keeps it open as the way back from the directories
// below.

namespace platform {

// The open descriptor of the directory entered last, lent (the walk closes it), once, while
// it is the current directory and has not been read from; -1 otherwise.
[[nodiscard]] int borrowEnteredDirectoryDescriptor();

} // namespace platform
