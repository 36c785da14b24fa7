#pragma once
// A temporary folder for a test, removed with everything in it at the end, and helpers
// to lay out crafted database files in it.

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
    // A Windows-style name of a file in this folder, built on its absolute path.
    std::string Name(std::string_view relative) const;

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
