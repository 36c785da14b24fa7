#pragma once
// A temporary folder for a test, removed with everything in it at the end, and scopes
// that change the process's state for one test.

#include <clocale>
#include <filesystem>
#include <string>
#include <string_view>

class TempDir {
  public:
    TempDir();
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    // Writes `bytes` to the file at the relative path, creating folders on the way; the
    // Cp1251 form takes UTF-8 text and writes it as Windows-1251 bytes.
    void Write(std::string_view relative, std::string_view bytes) const;
    void WriteCp1251(std::string_view relative, std::string_view utf8) const;
    std::string Read(std::string_view relative) const;
    std::string Name(std::string_view relative) const;

  private:
    std::filesystem::path path_;
};

// The process's current directory is `dir` while the object lives.
class CurrentDirScope {
    std::filesystem::path previous_ = std::filesystem::current_path();

  public:
    explicit CurrentDirScope(const std::filesystem::path& dir) {
        std::filesystem::current_path(dir);
    }
    ~CurrentDirScope() {
        std::error_code ec;
        std::filesystem::current_path(previous_, ec);
    }
};

// A locale whose texts are UTF-8; on Windows the program's system texts are UTF-8 in
// any locale, and the C runtime knows no "C.UTF-8".
#ifdef _WIN32
inline constexpr const char* kUtf8Locale = "C";
#else
inline constexpr const char* kUtf8Locale = "C.UTF-8";
#endif

// True where file permissions do not stop the process (root on POSIX).
bool PermissionsPassed();

// One category of the C locale is `name` while the object lives; Set() is false when the
// system lacks the locale.
class LocaleScope {
    int category_;
    std::string previous_;
    bool set_;

  public:
    LocaleScope(int category, const char* name)
        : category_(category), previous_(std::setlocale(category, nullptr)),
          set_(std::setlocale(category, name)) {}
    ~LocaleScope() { std::setlocale(category_, previous_.c_str()); }
    bool Set() const { return set_; }
};

// No new entry can be made in the folder while the object lives, yet the files in it stay
// writable: the folder loses its write permission, or for root, whom permissions do not
// stop, it gets the file system's immutable flag. Closed() is false where neither works.
class ClosedFolder {
    std::filesystem::path dir_;
    bool closed_;

  public:
    explicit ClosedFolder(const std::filesystem::path& dir);
    ~ClosedFolder();
    bool Closed() const { return closed_; }
};
