#include "tests/support/temp_dir.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#ifndef _WIN32
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif
#ifdef __linux__
#include <linux/fs.h>
#endif

#include "opcodes/cp1251.h"
#include "opcodes/files/file_names.h"

namespace fs = std::filesystem;

TempDir::TempDir() {
#ifdef _WIN32
    for (unsigned n = std::random_device{}();; ++n)
        if (fs::create_directory(path_ = fs::temp_directory_path() /
                                         ("kelpra-test-" + std::to_string(n))))
            return;
#else
    std::string pattern = (fs::temp_directory_path() / "kelpra-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
#endif
}

void TempDir::Write(std::string_view relative, std::string_view bytes) const {
    const fs::path file = path_ / PathOf(relative);
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())))
        throw std::runtime_error(Name(relative));
}

std::string TempDir::Name(std::string_view relative) const {
    return NarrowName((path_ / PathOf(relative)).make_preferred());
}

void TempDir::WriteCp1251(std::string_view relative, std::string_view utf8) const {
    Write(relative, Utf8ToCp1251(utf8));
}

std::string TempDir::Read(std::string_view relative) const {
    std::ifstream in(path_ / PathOf(relative), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

#ifdef _WIN32

bool PermissionsPassed() {
    return false;
}

// Only an access control list would keep new entries out while the files stay writable.
ClosedFolder::ClosedFolder(const fs::path& dir) : dir_(dir), closed_(false) {}
ClosedFolder::~ClosedFolder() = default;

#else

namespace {
bool SetImmutable(const fs::path& dir, bool on) {
    int flags = 0, fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
#ifdef FS_IOC_SETFLAGS
    bool ok = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
#else
    const bool ok = false;
#endif
    if (fd >= 0)
        ::close(fd);
    return ok;
}

} // namespace

bool PermissionsPassed() {
    return ::geteuid() == 0;
}

ClosedFolder::ClosedFolder(const fs::path& dir) : dir_(dir) {
    std::error_code ec;
    if (::geteuid() != 0)
        fs::permissions(dir, fs::perms(0222), fs::perm_options::remove, ec); // all write bits
    closed_ = ::geteuid() == 0 ? SetImmutable(dir, true) : !ec;
}

ClosedFolder::~ClosedFolder() {
    std::error_code ec;
    if (::geteuid() == 0)
        SetImmutable(dir_, false);
    else
        fs::permissions(dir_, fs::perms::owner_write, fs::perm_options::add, ec);
}

#endif
