#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <io.h>
#include <string>
#include <sys/stat.h>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "opcodes/files/system_file.h"

namespace fs = std::filesystem;

namespace system_file {

namespace {

// Binary mode: the C runtime neither turns CR LF into LF nor stops at a 1A byte.
constexpr int kBinary = _O_BINARY | _O_NOINHERIT;
constexpr int kNewFileMode = _S_IREAD | _S_IWRITE;

// The errno value of a failed system call, for the messages errno values get.
int ErrnoOfLastError() {
    switch (::GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return EACCES;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_FILENAME_EXCED_RANGE:
        return ENAMETOOLONG;
    case ERROR_NOT_SAME_DEVICE:
        return EXDEV;
    default:
        return EIO;
    }
}

} // namespace

namespace {

int OpenAs(const fs::path& path, Access access) {
    switch (access) {
    case Access::Read:
        return ::_wopen(path.c_str(), _O_RDONLY | kBinary);
    case Access::Write:
        return ::_wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC | kBinary, kNewFileMode);
    case Access::Append:
        return ::_wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_APPEND | kBinary, kNewFileMode);
    case Access::WriteExisting:
        break;
    }
    return ::_wopen(path.c_str(), _O_WRONLY | kBinary);
}

} // namespace

int Open(const fs::path& path, Access access) {
    const int fd = OpenAs(path, access);
    // The system refuses a folder as it refuses a file without rights: tell them apart.
    std::error_code ec;
    if (fd < 0 && errno == EACCES && fs::is_directory(path, ec))
        errno = EISDIR;
    return fd;
}

int Stat(int fd, Status& status) {
    struct _stat64 st {};
    if (::_fstat64(fd, &st) != 0)
        return -1;
    const unsigned type = st.st_mode & _S_IFMT;
    status = {type == _S_IFDIR, type == _S_IFREG, static_cast<std::uint64_t>(st.st_size)};
    return 0;
}

std::ptrdiff_t Read(int fd, char* data, std::size_t size) {
    return ::_read(fd, data, static_cast<unsigned>(std::min<std::size_t>(size, INT_MAX)));
}

std::ptrdiff_t Write(int fd, const char* data, std::size_t size) {
    return ::_write(fd, data, static_cast<unsigned>(std::min<std::size_t>(size, INT_MAX)));
}

int Close(int fd) {
    return ::_close(fd);
}
int Commit(int fd) {
    return ::_commit(fd);
}

int Truncate(int fd, std::uint64_t size) {
    const int err = ::_chsize_s(fd, static_cast<long long>(size));
    if (err == 0)
        return 0;
    errno = err;
    return -1;
}

// NTFS takes the space as the data comes; a full disk stops the write itself.
int Reserve(int, std::uint64_t) {
    return 0;
}

int CreateBeside(const fs::path& target, fs::path& made) {
    static unsigned counter = 0;
    const unsigned long long seed =
        ::GetTickCount64() ^ (static_cast<unsigned long long>(::GetCurrentProcessId()) << 20);
    for (int attempt = 0; attempt < 100; ++attempt) {
        unsigned long long n = seed + 7919ull * ++counter;
        std::wstring suffix = L".tmp-";
        for (int i = 0; i < 6; ++i, n /= 36)
            suffix += L"0123456789abcdefghijklmnopqrstuvwxyz"[n % 36];
        fs::path temp = target;
        temp += suffix;
        const int fd =
            ::_wopen(temp.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | kBinary, kNewFileMode);
        if (fd >= 0)
            made = temp;
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

int ReplaceWith(const fs::path& from, const fs::path& to) {
    if (::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return 0;
    errno = ErrnoOfLastError();
    return -1;
}

int Remove(const fs::path& path) {
    return ::_wunlink(path.c_str());
}
bool Writable(const fs::path& path) {
    return ::_waccess(path.c_str(), 2) == 0;
}

} // namespace system_file
