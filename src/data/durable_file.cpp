// The durable replacement of a file: temporary file, flush, rename, flush
// of the folder.
#include "data/durable_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace {

// Writes all of `text`, going on after a short write or an interruption.
bool WriteAll(const FileCalls& calls, int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = calls.write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

// The new text in a new file `temp`, on the disk; false on any failure,
// after which `temp` does not exist.
bool WriteTemporary(const FileCalls& calls, const std::string& temp, const std::string& text) {
    // A stale temporary file from a crash is replaced; creating exclusively
    // never writes through a link left in its place.
    calls.unlink(temp.c_str());
    const int fd = calls.open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return false;  // nothing was created
    bool ok = WriteAll(calls, fd, text);
    ok = ok && calls.fsync(fd) == 0;
    ok = calls.close(fd) == 0 && ok;
    if (!ok) calls.unlink(temp.c_str());
    return ok;
}

// Puts the rename on the disk.
bool FlushFolder(const FileCalls& calls, const std::string& folder) {
    const int fd = calls.open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd < 0) return false;
    const bool ok = calls.fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP;
    calls.close(fd);  // a folder opened for reading loses nothing on close
    return ok;
}

}  // namespace

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

const FileCalls& SystemFileCalls() {
    static const FileCalls calls = {
        [](const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); },
        ::write, ::fsync, ::close, ::rename, ::unlink};
    return calls;
}

bool ReplaceFileDurably(const std::string& path, const std::string& text, const FileCalls& calls) {
    const std::string temp = path + ".tmp";
    if (!WriteTemporary(calls, temp, text)) return false;
    if (calls.rename(temp.c_str(), path.c_str()) != 0) {
        calls.unlink(temp.c_str());
        return false;
    }
    return FlushFolder(calls, FolderOf(path));
}
