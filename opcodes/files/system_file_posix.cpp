#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "opcodes/files/system_file.h"

namespace fs = std::filesystem;

namespace system_file {

int Open(const fs::path& path, Access access) {
    switch (access) {
    case Access::Read:
        // Non-blocking, so that a pipe under the name cannot hold the open; it changes
        // nothing for a regular file.
        return ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    case Access::Write:
        return ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    case Access::Append:
        return ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    case Access::WriteExisting:
        break;
    }
    // Non-blocking too: a pipe without a reader fails at once instead of holding the open.
    return ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK);
}

int Stat(int fd, Status& status) {
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return -1;
    status = {S_ISDIR(st.st_mode), S_ISREG(st.st_mode), static_cast<std::uint64_t>(st.st_size)};
    return 0;
}

std::ptrdiff_t Read(int fd, char* data, std::size_t size) {
    return ::read(fd, data, size);
}
std::ptrdiff_t Write(int fd, const char* data, std::size_t size) {
    return ::write(fd, data, size);
}
int Close(int fd) {
    return ::close(fd);
}
int Commit(int fd) {
    return ::fsync(fd);
}
int Truncate(int fd, std::uint64_t size) {
    return ::ftruncate(fd, static_cast<off_t>(size));
}

int Reserve(int fd, std::uint64_t size) {
    const int err = ::posix_fallocate(fd, 0, static_cast<off_t>(size));
    return err == ENOSPC || err == EDQUOT || err == EFBIG ? err : 0;
}

int CreateBeside(const fs::path& target, fs::path& made) {
    fs::path temp = target;
    temp += ".tmp-XXXXXX";
    std::string pattern = temp.string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        return -1;
    // Keep the target's permission bits when it exists.
    struct stat st {};
    ::fchmod(fd, ::stat(target.c_str(), &st) == 0 ? st.st_mode & 07777 : 0644);
    made = pattern;
    return fd;
}

int ReplaceWith(const fs::path& from, const fs::path& to) {
    return ::rename(from.c_str(), to.c_str());
}
int Remove(const fs::path& path) {
    return ::unlink(path.c_str());
}
bool Writable(const fs::path& path) {
    return ::access(path.c_str(), W_OK) == 0;
}

} // namespace system_file
