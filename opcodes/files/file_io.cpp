#include "opcodes/files/file_io.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "opcodes/cp1251.h"
#include "opcodes/files/file_names.h"
#include "opcodes/files/system_file.h"

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
        if (fd >= 0)
            system_file::Close(fd);
    }
};

// Closes the file; its failure is reported unless an earlier one already is.
FileResult Close(Descriptor& file, FileResult result, const fs::path& path) {
    const int fd = file.fd;
    file.fd = -1;
    if (system_file::Close(fd) != 0 && result.ok())
        result = FromErrno(errno, path);
    return result;
}

FileResult WriteAll(int fd, std::string_view bytes, const fs::path& path) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::ptrdiff_t n = system_file::Write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return FromErrno(errno, path);
        }
        done += static_cast<std::size_t>(n);
    }
    return {};
}

FileResult WriteAs(std::string_view windowsName, std::string_view bytes,
                   system_file::Access access) {
    const fs::path path = ResolveFileName(windowsName);
    Descriptor file{system_file::Open(path, access)};
    if (file.fd < 0)
        return FromErrno(errno, path);
    return Close(file, WriteAll(file.fd, bytes, path), path);
}

} // namespace

namespace {

// Reads the whole file into a buffer: `room(size, keep)` makes it hold `size` bytes with
// the first `keep` kept and returns where they start.
template <typename Room> FileResult ReadInto(std::string_view windowsName, Room&& room) {
    std::size_t got = 0;
    const fs::path path = ResolveFileName(windowsName);
    Descriptor file{system_file::Open(path, system_file::Access::Read)};
    if (file.fd < 0)
        return FromErrno(errno, path);
    system_file::Status st;
    if (system_file::Stat(file.fd, st) != 0)
        return FromErrno(errno, path);
    if (st.folder)
        return FromErrno(EISDIR, path);
    if (!st.regular)
        return {FileError::AccessDenied, "Not a regular file"};
    if (st.size > kMaxReadFileSize)
        return FromErrno(EFBIG, path);
    // Read straight into the buffer at the size fstat gave; a file that grew since goes
    // on through a buffer of its own, one that shrank is cut to what was read.
    std::size_t size = static_cast<std::size_t>(st.size);
    char* data = room(size, 0);
    char more[65536];
    for (;;) {
        const bool direct = got < size;
        const std::ptrdiff_t n = direct ? system_file::Read(file.fd, data + got, size - got)
                                        : system_file::Read(file.fd, more, sizeof more);
        if (n == 0)
            break;
        if (n < 0 && errno == EINTR)
            continue;
        // A file that grows while it is read is held to the same bound.
        const int err = n < 0 ? errno : 0;
        if (err != 0 || got + static_cast<std::size_t>(n) > kMaxReadFileSize) {
            room(0, 0);
            return FromErrno(err != 0 ? err : EFBIG, path);
        }
        if (!direct) {
            size = std::max(2 * size, got + static_cast<std::size_t>(n));
            data = room(size, got);
            std::memcpy(data + got, more, static_cast<std::size_t>(n));
        }
        got += static_cast<std::size_t>(n);
    }
    room(got, got);
    return {};
}

} // namespace

FileResult ReadWholeFile(std::string_view windowsName, std::string& bytes) {
    bytes.clear();
    return ReadInto(windowsName, [&bytes](std::size_t size, std::size_t) {
        bytes.resize(size);
        if (size == 0)
            bytes.shrink_to_fit();
        return bytes.data();
    });
}

void FileBytes::Resize(std::size_t size, std::size_t keep) {
    if (size == 0) {
        data_.reset();
    } else if (size > size_ || keep < size) {
        auto fresh = std::make_unique_for_overwrite<char[]>(size);
        if (keep > 0)
            std::memcpy(fresh.get(), data_.get(), std::min({keep, size, size_}));
        data_ = std::move(fresh);
    } // else cut to what was read: the block stays as it is
    size_ = size;
}

FileResult ReadWholeFile(std::string_view windowsName, FileBytes& bytes) {
    bytes.Resize(0);
    return ReadInto(windowsName, [&bytes](std::size_t size, std::size_t keep) {
        bytes.Resize(size, keep);
        return bytes.data();
    });
}

FileResult WriteWholeFile(std::string_view windowsName, std::string_view bytes) {
    return WriteAs(windowsName, bytes, system_file::Access::Write);
}

FileResult AppendToFile(std::string_view windowsName, std::string_view bytes) {
    return WriteAs(windowsName, bytes, system_file::Access::Append);
}

FileResult CheckAppendable(std::string_view windowsName) {
    const fs::path path = ResolveFileName(windowsName);
    Descriptor file{system_file::Open(path, system_file::Access::WriteExisting)};
    if (file.fd >= 0)
        return {};
    if (errno != ENOENT)
        return FromErrno(errno, path);
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    if (!system_file::Writable(folder))
        return FromErrno(errno, path);
    return {};
}

namespace {

// The file a name stands for once its symbolic links are followed, a dangling link's
// missing target included: replacing the link itself would cut it off from its target.
fs::path FollowLinks(fs::path path) {
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(path, ec)))
            break;
        const fs::path target = fs::read_symlink(path, ec);
        if (ec)
            break;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path;
}

// No temporary file can stand beside the target: the folder takes no new entries
// (read-only, no rights), or the target's name leaves no room for the suffix.
bool FolderRefuses(int err) {
    return err == EACCES || err == EPERM || err == EROFS || err == ENAMETOOLONG;
}

FileResult ReplaceThroughTemporaryFile(const fs::path& target, int tempFd, const fs::path& tempPath,
                                       std::string_view bytes) {
    Descriptor file{tempFd};
    FileResult result = WriteAll(file.fd, bytes, target);
    if (result.ok() && system_file::Commit(file.fd) != 0)
        result = FromErrno(errno, target);
    result = Close(file, result, target);
    if (result.ok() && system_file::ReplaceWith(tempPath, target) != 0)
        result = FromErrno(errno, target);
    if (!result.ok())
        system_file::Remove(tempPath);
    return result;
}

// Rewrites an existing file where it stands. The space the new text needs is taken
// first, so a full disk stops the write before a byte of the file changes; then the text
// goes in with one write, the old tail is cut off and the file is synced.
FileResult RewriteInPlace(const fs::path& target, std::string_view bytes) {
    Descriptor file{system_file::Open(target, system_file::Access::WriteExisting)};
    if (file.fd < 0)
        return FromErrno(errno, target);
    system_file::Status st;
    if (system_file::Stat(file.fd, st) != 0)
        return FromErrno(errno, target);
    if (!st.regular)
        return FromErrno(EACCES, target);
    if (st.size < bytes.size())
        if (const int err = system_file::Reserve(file.fd, bytes.size()); err != 0)
            return FromErrno(err, target);
    FileResult result = WriteAll(file.fd, bytes, target);
    if (result.ok() && system_file::Truncate(file.fd, bytes.size()) != 0)
        result = FromErrno(errno, target);
    if (result.ok() && system_file::Commit(file.fd) != 0)
        result = FromErrno(errno, target);
    return Close(file, result, target);
}

} // namespace

FileResult ReplaceFileAtomically(std::string_view windowsName, std::string_view bytes) {
    const fs::path target = FollowLinks(ResolveFileName(windowsName));
    // The temporary file lies beside the target, so the rename stays on one file system.
    fs::path temp;
    const int fd = system_file::CreateBeside(target, temp);
    if (fd >= 0)
        return ReplaceThroughTemporaryFile(target, fd, temp, bytes);
    const int err = errno;
    std::error_code ec;
    if (FolderRefuses(err) && fs::is_regular_file(target, ec))
        return RewriteInPlace(target, bytes);
    return FromErrno(err, target);
}

bool CanWriteFile(std::string_view windowsName) {
    return system_file::Writable(ResolveFileName(windowsName));
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
