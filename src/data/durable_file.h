// Replacing a file so that a crash or a power cut leaves either the old file
// or the new one, never an empty or half-written one.
#pragma once

#include <sys/types.h>

#include <string>

// The system calls a replacement makes, in one place, so a test can make
// any of them fail.
struct FileCalls {
    int (*open)(const char* path, int flags, mode_t mode);
    ssize_t (*write)(int fd, const void* data, size_t size);
    int (*fsync)(int fd);
    int (*close)(int fd);
    int (*rename)(const char* from, const char* to);
    int (*unlink)(const char* path);
};
const FileCalls& SystemFileCalls();

// The folder holding `path`: "." for a bare file name.
std::string FolderOf(const std::string& path);

// Writes `text` to `path` + ".tmp", flushes it to the disk, renames it over
// `path` and flushes the folder, so the rename itself is on the disk.
// False on any failure. A failure before the rename leaves the old file as
// it was; one of the folder's flush leaves the new file in place. Either
// way no temporary file remains. A file system that cannot flush a folder
// (EINVAL, ENOTSUP) is not a failure.
bool ReplaceFileDurably(const std::string& path, const std::string& text,
                        const FileCalls& calls = SystemFileCalls());
