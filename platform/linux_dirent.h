#pragma once
// The record getdents64 writes, which the C library does not declare: the directory listing and
// the read-ahead both read directories with the raw system call.

#include <sys/types.h>

namespace platform {

struct LinuxDirent64 {
    ino64_t d_ino;
    off64_t d_off;
    unsigned short d_reclen;
    unsigned char d_type;
    char d_name[];
};

} // namespace platform
