#pragma once
// A temporary folder for a test, removed with everything in it at the end, and scopes
// that change the process's state (current directory, locale) for one test.

#include <filesystem>
#include <string>
#include <string_view>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Writes `bytes` to the file at the relative path, creating folders on the way.
    void Write(std::string_view relative, std::string_view bytes) const;
    // Same, with the text given in UTF-8 and written as Windows-1251 bytes.
    void WriteCp1251(std::string_view relative, std::string_view utf8) const;
    std::string Read(std::string_view relative) const;
    // The absolute name of a file in this folder.
    std::string Name(std::string_view relative) const { return (path_ / relative).string(); }

private:
    std::filesystem::path path_;
};

// Makes the process's current directory `dir` for the lifetime of the object.
class CurrentDirScope {
public:
    explicit CurrentDirScope(const std::filesystem::path& dir);
    ~CurrentDirScope();

private:
    std::filesystem::path previous_;
};

// Sets one category of the C locale for the lifetime of the object; Set() is false when
// the system lacks the locale.
class LocaleScope {
public:
    LocaleScope(int category, const char* name);
    ~LocaleScope();
    bool Set() const { return set_; }

private:
    int category_;
    std::string previous_;
    bool set_;
};

// Keeps new entries out of a folder for the lifetime of the object while the files in it
// stay writable: by taking away the folder's write permission, or for root, whom
// permissions do not stop, by the file system's immutable flag. Closed() is false where
// neither works.
class ClosedFolder {
public:
    explicit ClosedFolder(const std::filesystem::path& dir);
    ~ClosedFolder();
    bool Closed() const { return closed_; }

private:
    std::filesystem::path dir_;
    bool closed_;
};
