#pragma once
// Between the walk's moves through a drive and what reads the walk's directory inside the
// platform layer: the directory the walk has just entered is still open, so the listing reads
// it without opening it again, and the status of its entries is looked up relative to it.

namespace platform {

// The open descriptor of the directory entered last, lent (the walk closes it), once, while
// it is the current directory and has not been read from; -1 otherwise.
[[nodiscard]] int borrowEnteredDirectoryDescriptor();

// The walk's directory, for system calls relative to it (the walk keeps it; callers do not
// close it): below a drive's root its descriptor, -1 while the walk has lost its way without a
// place; at the root, and outside a walk, AT_FDCWD (entering the root makes it the process's
// current directory).
[[nodiscard]] int walkDirectoryDescriptor();

} // namespace platform
