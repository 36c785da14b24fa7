#include "tests/support/temp_dir.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "opcodes/cp1251.h"

namespace fs = std::filesystem;

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "kelpra-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

void TempDir::Write(std::string_view relative, std::string_view bytes) const {
    const fs::path file = path_ / fs::path(std::string(relative));
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

void TempDir::WriteCp1251(std::string_view relative, std::string_view utf8) const {
    Write(relative, Utf8ToCp1251(utf8));
}

std::string TempDir::Read(std::string_view relative) const {
    std::ifstream in(path_ / fs::path(std::string(relative)), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string TempDir::Name(std::string_view relative) const {
    return (path_ / fs::path(std::string(relative))).string();
}

CurrentDirScope::CurrentDirScope(const fs::path& dir) : previous_(fs::current_path()) {
    fs::current_path(dir);
}

CurrentDirScope::~CurrentDirScope() {
    std::error_code ec;
    fs::current_path(previous_, ec);
}
