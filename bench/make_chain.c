/* make_chain: a chain of nested folders, for measuring how the walk's cost grows with depth.
 *
 * Usage: make_chain FOLDER DEPTH
 *
 * Makes FOLDER (which must not exist) and below it DEPTH folders named "d", each inside the one
 * before, with one empty file "f" in FOLDER and in every folder of the chain. Every folder is
 * made with mkdirat relative to the open folder above it, so the chain may be far longer than
 * PATH_MAX (ext4 allows more than 100,000 levels); `rm -rf FOLDER` removes it.
 *
 * Output, one line: "visible <files>": what a walk of FOLDER must count (DEPTH + 1 files).
 */
#define _GNU_SOURCE
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

static void fail(const char* what, unsigned long level) {
    fprintf(stderr, "make_chain: %s at level %lu: %s\n", what, level, strerror(errno));
    exit(1);
}

static void make_file(int folder, unsigned long level) {
    const int fd = openat(folder, "f", O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0644);
    if (fd < 0)
        fail("creating f", level);
    close(fd);
}

int main(int argc, char** argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: make_chain FOLDER DEPTH\n");
        return 2;
    }
    char* end = NULL;
    const unsigned long depth = strtoul(argv[2], &end, 10);
    if (*argv[2] == '\0' || *end != '\0') {
        fprintf(stderr, "make_chain: DEPTH must be a whole number\n");
        return 2;
    }
    if (mkdir(argv[1], 0755) != 0)
        fail("making the folder", 0);
    int folder = open(argv[1], O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        fail("opening the folder", 0);
    make_file(folder, 0);
    for (unsigned long level = 1; level <= depth; ++level) {
        if (mkdirat(folder, "d", 0755) != 0)
            fail("making d", level);
        const int next = openat(folder, "d", O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (next < 0)
            fail("opening d", level);
        close(folder);
        folder = next;
        make_file(folder, level);
    }
    close(folder);
    printf("visible %lu\n", depth + 1);
    return 0;
}
