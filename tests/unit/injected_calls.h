// The system calls of a durable file replacement, real but logged, and any
// one of them made to fail: the saved game's and the season history's tests
// share them.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <map>
#include <string>
#include <vector>

#include "data/durable_file.h"

enum class Call { Open, Write, Fsync, Close, Rename, Unlink };
// Not errors: the failing write writes half of what it is given, nothing, or one byte.
constexpr int kShortWrite = -1, kNoByte = -2, kOneByte = -3;

// Real system calls, logged by the name of the file they touch ("folder"
// for the file's folder); the nth call of one kind fails with an error.
struct Injection {
    Call call = Call::Open;
    int nth = 0;  // 0: nothing fails
    int error = 0;
    std::map<Call, int> made;
    std::map<int, std::string> names;  // open descriptors
    std::vector<std::string> log;

    bool Fails(Call c) { return ++made[c] == nth && call == c; }
    static std::string Base(const char* path) {
        const std::string p = path;
        return p.substr(p.rfind('/') + 1);
    }
};
inline Injection injection;

inline int Failed() {
    errno = injection.error;
    return -1;
}

inline const FileCalls kInjectingCalls = {
    [](const char* path, int flags, mode_t mode) {
        const std::string name = (flags & O_DIRECTORY) ? "folder" : Injection::Base(path);
        injection.log.push_back("open " + name);
        if (injection.Fails(Call::Open)) return Failed();
        const int fd = ::open(path, flags, mode);
        if (fd >= 0) injection.names[fd] = name;
        return fd;
    },
    [](int fd, const void* data, size_t size) -> ssize_t {
        injection.log.push_back("write " + injection.names[fd]);
        if (injection.Fails(Call::Write)) {
            if (injection.error >= 0) return Failed();
            size = injection.error == kShortWrite ? size / 2 : injection.error == kOneByte ? 1 : 0;
        }
        return ::write(fd, data, size);
    },
    [](int fd) {
        injection.log.push_back("fsync " + injection.names[fd]);
        return injection.Fails(Call::Fsync) ? Failed() : ::fsync(fd);
    },
    [](int fd) {
        injection.log.push_back("close " + injection.names[fd]);
        const int closed = ::close(fd);  // a failed close still frees the descriptor
        return injection.Fails(Call::Close) ? Failed() : closed;
    },
    [](const char* from, const char* to) {
        injection.log.push_back("rename " + Injection::Base(from) + " " + Injection::Base(to));
        return injection.Fails(Call::Rename) ? Failed() : ::rename(from, to);
    },
    [](const char* path) {
        injection.log.push_back("unlink " + Injection::Base(path));
        return injection.Fails(Call::Unlink) ? Failed() : ::unlink(path);
    },
};
