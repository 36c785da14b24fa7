#include "platform/files/file_io.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "opcodes/cp1251.h"
#include "platform/files/file_names.h"

namespace fs = std::filesystem;

namespace {

FileResult FromErrno(int err, const fs::path& path) {
    FileResult result;
    result.systemMessage = LocaleToCp1251(std::strerror(err));
    switch (err) {
    case ENOENT: {
        std::error_code ec;
        const fs::path parent = path.parent_path();
        const bool folderThere = parent.empty() || fs::is_directory(parent, ec);
        result.error = folderThere ? FileError::NotFound : FileError::PathNotFound;
        break;
    }
    case ENOTDIR:
        result.error = FileError::PathNotFound;
        break;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
        result.error = FileError::AccessDenied;
        break;
    default:
        result.error = FileError::Other;
    }
    return result;
}

// Closes the descriptor on every path out.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

FileResult WriteAll(int fd, std::string_view bytes, const fs::path& path) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return FromErrno(errno, path);
        }
        done += static_cast<std::size_t>(n);
    }
    return {};
}

FileResult WriteWithFlags(std::string_view windowsName, std::string_view bytes, int flags) {
    const fs::path path = ResolveFileName(windowsName);
    Descriptor file{::open(path.c_str(), flags | O_WRONLY | O_CLOEXEC, 0644)};
    if (file.fd < 0) return FromErrno(errno, path);
    FileResult result = WriteAll(file.fd, bytes, path);
    const int fd = file.fd;
    file.fd = -1;
    if (::close(fd) != 0 && result.ok()) result = FromErrno(errno, path);
    return result;
}

}  // namespace

FileResult ReadWholeFile(std::string_view windowsName, std::string& bytes) {
    bytes.clear();
    const fs::path path = ResolveFileName(windowsName);
    // Non-blocking, so that a pipe under the name cannot hold the open; it changes
    // nothing for a regular file.
    Descriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
    if (file.fd < 0) return FromErrno(errno, path);
    struct stat st {};
    if (::fstat(file.fd, &st) != 0) return FromErrno(errno, path);
    if (S_ISDIR(st.st_mode)) return FromErrno(EISDIR, path);
    if (!S_ISREG(st.st_mode)) return {FileError::AccessDenied, "Not a regular file"};
    if (static_cast<uintmax_t>(st.st_size) > kMaxReadFileSize) return FromErrno(EFBIG, path);
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(file.fd, buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0 && errno == EINTR) continue;
        // A file that grows while it is read is held to the same bound.
        const int err = n < 0 ? errno : 0;
        if (err != 0 || bytes.size() + static_cast<std::size_t>(n) > kMaxReadFileSize) {
            bytes.clear();
            bytes.shrink_to_fit();
            return FromErrno(err != 0 ? err : EFBIG, path);
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return {};
}

FileResult WriteWholeFile(std::string_view windowsName, std::string_view bytes) {
    return WriteWithFlags(windowsName, bytes, O_CREAT | O_TRUNC);
}

FileResult AppendToFile(std::string_view windowsName, std::string_view bytes) {
    return WriteWithFlags(windowsName, bytes, O_CREAT | O_APPEND);
}

FileResult ReplaceFileAtomically(std::string_view windowsName, std::string_view bytes) {
    const fs::path target = ResolveFileName(windowsName);
    // The temporary file lies beside the target, so the rename stays on one file system.
    fs::path temp = target;
    temp += ".tmp-XXXXXX";
    std::string pattern = temp.string();
    Descriptor file{::mkstemp(pattern.data())};
    if (file.fd < 0) return FromErrno(errno, target);
    const fs::path tempPath(pattern);

    // Keep the target's permission bits when it exists.
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) ::fchmod(file.fd, st.st_mode & 07777);
    else ::fchmod(file.fd, 0644);

    FileResult result = WriteAll(file.fd, bytes, target);
    if (result.ok() && ::fsync(file.fd) != 0) result = FromErrno(errno, target);
    const int fd = file.fd;
    file.fd = -1;
    if (::close(fd) != 0 && result.ok()) result = FromErrno(errno, target);
    if (result.ok() && ::rename(tempPath.c_str(), target.c_str()) != 0)
        result = FromErrno(errno, target);
    if (!result.ok()) ::unlink(tempPath.c_str());
    return result;
}

std::string InOutErrorMessage(const FileResult& result) {
    switch (result.error) {
    case FileError::None:
        return {};
    case FileError::NotFound:
        return "File not found";
    case FileError::PathNotFound:
        return "Invalid filename";
    case FileError::AccessDenied:
        return "File access denied";
    case FileError::Other:
        break;
    }
    return result.systemMessage.empty() ? std::string("I/O error") : result.systemMessage;
}
