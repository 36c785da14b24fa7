#include "tests/support/temp_dir.h"

#include <clocale>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <sys/ioctl.h>
#include <unistd.h>
#ifdef __linux__
#include <linux/fs.h>
#endif

#include "opcodes/cp1251.h"

namespace fs = std::filesystem;

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "kelpra-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

void TempDir::Write(std::string_view relative, std::string_view bytes) const {
    const fs::path file = path_ / relative;
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

void TempDir::WriteCp1251(std::string_view relative, std::string_view utf8) const {
    Write(relative, Utf8ToCp1251(utf8));
}

std::string TempDir::Read(std::string_view relative) const {
    std::ifstream in(path_ / relative, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

CurrentDirScope::CurrentDirScope(const fs::path& dir) : previous_(fs::current_path()) {
    fs::current_path(dir);
}

CurrentDirScope::~CurrentDirScope() {
    std::error_code ec;
    fs::current_path(previous_, ec);
}

LocaleScope::LocaleScope(int category, const char* name)
    : category_(category), previous_(std::setlocale(category, nullptr)),
      set_(std::setlocale(category, name) != nullptr) {}

LocaleScope::~LocaleScope() { std::setlocale(category_, previous_.c_str()); }

namespace {

bool SetImmutable(const fs::path& dir, bool on) {
#ifdef FS_IOC_SETFLAGS
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    int flags = 0;
    bool ok = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    if (fd >= 0) ::close(fd);
    return ok;
#else
    return false;
#endif
}

}  // namespace

ClosedFolder::ClosedFolder(const fs::path& dir) : dir_(dir) {
    std::error_code ec;
    if (::geteuid() != 0)
        fs::permissions(dir, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove, ec);
    closed_ = ::geteuid() == 0 ? SetImmutable(dir, true) : !ec;
}

ClosedFolder::~ClosedFolder() {
    std::error_code ec;
    if (::geteuid() == 0) SetImmutable(dir_, false);
    else fs::permissions(dir_, fs::perms::owner_write, fs::perm_options::add, ec);
}
