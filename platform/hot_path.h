#pragma once
// Marks the code that runs for every entry (or every directory) the walk meets. GCC and Clang
// place the functions so marked next to each other. Each file costs the walk a system call,
// after which the program's code has to come back into the processor's caches: gathered, the
// code for one file spans a few pages and cache lines instead of being spread over the whole
// program.

#define TALLY_WALK_PATH [[gnu::hot]]
