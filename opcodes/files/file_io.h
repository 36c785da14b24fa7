#pragma once
// Whole-file reads and writes, with the failure told apart the way the program's
// messages need it. No exceptions: callers turn a failure into their own error.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

enum class FileError {
    None,
    NotFound,     // the file does not exist
    PathNotFound, // a folder on the way does not exist
    AccessDenied, // it exists but cannot be opened (rights, a folder, ...)
    Other,        // any other failure of the file system
};

struct FileResult {
    FileError error = FileError::None;
    std::string systemMessage; // the file system's own text (Windows-1251), empty on success
    bool ok() const { return error == FileError::None; }
};

// The largest file ReadWholeFile reads. The program's files are text of a few megabytes;
// without a bound a runaway file would take all the memory there is.
inline constexpr std::size_t kMaxReadFileSize = std::size_t{256} << 20;

// Reads the whole file named Windows-style into `bytes` (emptied first). Only regular
// files are read: a device, a pipe or a socket under a data file's name is refused
// (AccessDenied, "Not a regular file") rather than read without end or waited on; a
// file over kMaxReadFileSize is refused too (Other, "File too large").
FileResult ReadWholeFile(std::string_view windowsName, std::string& bytes);

// A file's bytes in a block of their own, left as read: not cleared before the read, and
// where they stand for as long as the block lives, moves included (a short std::string
// would move its bytes), so that a reader can keep views into them or rewrite them in place.
class FileBytes {
  public:
    std::string_view view() const { return {data_.get(), size_}; }
    char* data() { return data_.get(); }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

    // Room for `size` bytes, the first `keep` of the old ones kept.
    void Resize(std::size_t size, std::size_t keep = 0);

  private:
    std::unique_ptr<char[]> data_;
    std::size_t size_ = 0;
};

// The same read into a block of its own (emptied first).
FileResult ReadWholeFile(std::string_view windowsName, FileBytes& bytes);

// Creates or truncates the file and writes `bytes`.
FileResult WriteWholeFile(std::string_view windowsName, std::string_view bytes);

// Writes through a temporary file beside the target and an atomic rename, so the target
// is either the old file or the whole new one, never a half-written one. A symbolic link
// stays a link: its target is replaced. The file keeps its permission bits. Where the
// folder takes no new file (read-only, while the file itself is writable) an existing
// file is rewritten in place instead, with one write and a sync.
FileResult ReplaceFileAtomically(std::string_view windowsName, std::string_view bytes);

// Appends to the file, creating it when missing.
FileResult AppendToFile(std::string_view windowsName, std::string_view bytes);

// True when the process may write the existing file the name stands for.
bool CanWriteFile(std::string_view windowsName);

// Whether AppendToFile could write the file now, found out without creating or changing
// anything: an existing file is opened for writing, the folder of a missing one is asked
// whether it takes a new file.
FileResult CheckAppendable(std::string_view windowsName);

// The message that the program's input/output errors carry for a failure:
// "File not found", "Invalid filename", "File access denied", or the system's text.
std::string InOutErrorMessage(const FileResult& result);
