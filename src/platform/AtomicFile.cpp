#include "platform/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace velmora {

namespace {

bool Fail(std::string* error, const std::string& what) {
    if (error) {
        *error = what + ": " + std::strerror(errno);
    }
    return false;
}

// Makes the rename itself durable; a folder that cannot be synced costs durability only.
void SyncFolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string(".") : path.substr(0, slash == 0 ? 1 : slash);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
    std::string pattern = path + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0) {
        return Fail(error, path);
    }
    const std::string temp(name.data());
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            const int saved = errno;
            ::close(fd);
            ::unlink(temp.c_str());
            errno = saved;
            return Fail(error, path);
        }
        done += static_cast<std::size_t>(n);
    }
    // Keep an existing file's permissions; new files get the usual ones rather than mkstemp's
    // owner-only mode.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) {
        ::fchmod(fd, old.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        const int saved = errno;
        ::unlink(temp.c_str());
        errno = saved;
        return Fail(error, path);
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        const int saved = errno;
        ::unlink(temp.c_str());
        errno = saved;
        return Fail(error, path);
    }
    SyncFolderOf(path);
    return true;
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    std::string data;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0) {
            break;
        }
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            ::close(fd);
            return false;
        }
        data.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    bytes = std::move(data);
    return true;
}

} // namespace velmora
