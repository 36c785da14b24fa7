#pragma once
// The operating system's file calls that the whole-file reads and writes make, one
// implementation per system (system_file_posix.cpp, system_file_windows.cpp). Files are
// descriptors opened in binary mode under the file system's own names, and are not
// inherited by programs the process starts. As the POSIX calls do, a failure returns -1
// and leaves its reason in errno.

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace system_file {

enum class Access {
    Read,          // an existing file; a pipe under the name does not hold the open
    Write,         // created or truncated
    Append,        // created when missing, written at its end
    WriteExisting, // an existing file, written from its start, nothing cut; a pipe under
                   // the name does not hold the open
};
int Open(const std::filesystem::path& path, Access access);

struct Status {
    bool folder = false;
    bool regular = false;
    std::uint64_t size = 0;
};
int Stat(int fd, Status& status);

// Interrupted calls are not retried here.
std::ptrdiff_t Read(int fd, char* data, std::size_t size);
std::ptrdiff_t Write(int fd, const char* data, std::size_t size);
int Close(int fd);
// Writes the file's data through to the disk.
int Commit(int fd);
int Truncate(int fd, std::uint64_t size);
// Takes the disk space for `size` bytes: 0 when taken or when the file system cannot
// reserve space (the writes will tell), otherwise the error (no space, over quota).
int Reserve(int fd, std::uint64_t size);

// Creates a new file beside `target` ("NAME.tmp-XXXXXX"), open for writing, with the
// target's permission bits where it exists (on Windows, whose only such bit is the
// read-only flag, a plain writable file: a read-only target refuses the rename); its
// name goes to `made`.
int CreateBeside(const std::filesystem::path& target, std::filesystem::path& made);
// Renames `from` to `to`, replacing a file of that name atomically.
int ReplaceWith(const std::filesystem::path& from, const std::filesystem::path& to);
int Remove(const std::filesystem::path& path);
// True when the process may write the existing file.
bool Writable(const std::filesystem::path& path);

} // namespace system_file
