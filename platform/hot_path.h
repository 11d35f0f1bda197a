#pragma once
// Marks the code that runs for every entry (or every directory) the walk meets. GCC and Clang
// place the functions so marked next to each other. Each file costs the walk a system call,
// after which the program's code has to come back into the processor's caches: gathered, the
// code for one file spans a few pages and cache lines instead of being spread over the whole
// program.

#define TALLY_WALK_PATH [[gnu::hot]]

// Marks a function of that code which makes a system call, or calls one that does, to be
// inlined into its caller. The kernel's own calls overwrite the processor's predictions of
// where returns go, so each function still open across a system call costs a mispredicted
// return (and a fetch of the code it returns to) once the call is back: the fewer calls lie
// between the walk's loops and the kernel, the less each file and each directory costs.
#define TALLY_WALK_INLINE [[gnu::always_inline]] inline
