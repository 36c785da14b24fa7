#include "fuzz/fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "fuzz support: %s\n", what.c_str());
    std::abort();
}

fs::path MakeScratchDir() {
    std::string pattern = (fs::temp_directory_path() / "kelpra-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        Fail("cannot make " + pattern);
    return pattern;
}

// The folder lives in a static so that it goes away when the process ends normally;
// after a crash the fuzzer's own artifact is what counts, and the folder stays for a look.
struct Scratch {
    fs::path dir = MakeScratchDir();
    ~Scratch() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
};

} // namespace

const fs::path& ScratchDir() {
    static const Scratch scratch;
    return scratch.dir;
}

void WriteScratchFile(std::string_view relative, std::string_view bytes) {
    const fs::path file = ScratchDir() / fs::path(std::string(relative));
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        Fail("cannot write " + file.string());
}

void RemoveScratchFile(std::string_view relative) {
    std::error_code ec;
    fs::remove(ScratchDir() / fs::path(std::string(relative)), ec);
}

void FuzzCheckFailed(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, condition);
    std::abort();
}
