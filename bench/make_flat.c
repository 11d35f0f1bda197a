/* make_flat: one folder holding many files directly, for measuring the walk's memory and time
 * on a single huge directory.
 *
 * Usage: make_flat FOLDER FILES
 *
 * Makes FOLDER (which must not exist) and in it FILES empty files named "file <number>" with
 * one of a few extensions (none, ".txt", ".JPG", ".tar.gz", ".class"), names of 12 to 20 bytes,
 * and no subfolders. The same arguments always make the same folder. `rm -rf FOLDER` removes it.
 *
 * Output, one line: "visible <files>": what a walk of FOLDER must count.
 */
#define _GNU_SOURCE
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: make_flat FOLDER FILES\n");
        return 2;
    }
    char* end = NULL;
    const unsigned long files = strtoul(argv[2], &end, 10);
    if (*argv[2] == '\0' || *end != '\0') {
        fprintf(stderr, "make_flat: FILES must be a whole number\n");
        return 2;
    }
    if (mkdir(argv[1], 0755) != 0) {
        fprintf(stderr, "make_flat: making %s: %s\n", argv[1], strerror(errno));
        return 1;
    }
    const int folder = open(argv[1], O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) {
        fprintf(stderr, "make_flat: opening %s: %s\n", argv[1], strerror(errno));
        return 1;
    }
    static const char* const extensions[] = {"", ".txt", ".JPG", ".tar.gz", ".class"};
    for (unsigned long i = 0; i < files; ++i) {
        char name[64];
        snprintf(name, sizeof name, "file %lu%s", i, extensions[i % 5]);
        const int fd = openat(folder, name, O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0644);
        if (fd < 0) {
            fprintf(stderr, "make_flat: creating %s: %s\n", name, strerror(errno));
            return 1;
        }
        close(fd);
    }
    close(folder);
    printf("visible %lu\n", files);
    return 0;
}
