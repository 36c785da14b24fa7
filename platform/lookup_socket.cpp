#include "platform/lookup_socket.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// FNV-1a: a stable name for a path, the same in every process and build.
std::uint64_t PathHash(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Reads until the answer is complete, the peer closes, or the time is up.
std::string ReadAnswer(int fd, int answerMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(answerMs);
    std::string answer;
    while (answer.size() < kLookupTaken.size()) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            break;
        pollfd waiting{fd, POLLIN, 0};
        const int ready = ::poll(&waiting, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            break;
        char buffer[16];
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        answer.append(buffer, static_cast<std::size_t>(n));
    }
    return answer;
}

// The runtime folder is the user's alone; the temporary folder is shared, and there the
// socket itself is made for the user only.
std::string SocketFolder() {
    for (const char* variable : {"XDG_RUNTIME_DIR", "TMPDIR"}) {
        const char* folder = std::getenv(variable);
        if (folder != nullptr && folder[0] == '/' && ::access(folder, W_OK) == 0)
            return folder;
    }
    return "/tmp";
}

} // namespace

std::string LookupSocketPath() {
    char* canonical = ::realpath(".", nullptr);
    if (canonical == nullptr)
        return {};
    const std::uint64_t hash = PathHash(canonical);
    std::free(canonical);
    char name[64];
    std::snprintf(name, sizeof name, "kelpra-%u-%016llx", static_cast<unsigned>(::getuid()),
                  static_cast<unsigned long long>(hash));
    return SocketFolder() + "/" + name;
}

HandOver SendLookup(const std::string& path, std::string_view what, int answerMs) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof address.sun_path)
        return HandOver::NoWindow;
    std::memcpy(address.sun_path, path.data(), path.size());
    const Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (socket.get() < 0)
        return HandOver::NoWindow;
    // A socket file that nobody listens on any more (its window ended without removing
    // it) refuses the connection: that too means no window.
    if (::connect(socket.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        return HandOver::NoWindow;
    std::string request(kLookupRequestHead);
    request.append(what).append("\n");
    if (!WriteAll(socket.get(), request))
        return HandOver::NoAnswer;
    return ReadAnswer(socket.get(), answerMs) == kLookupTaken ? HandOver::Taken
                                                              : HandOver::NoAnswer;
}

SocketFile SocketFileAt(const std::string& path) {
    struct stat status {};
    if (path.empty() || ::lstat(path.c_str(), &status) != 0)
        return {};
    return {static_cast<unsigned long long>(status.st_dev),
            static_cast<unsigned long long>(status.st_ino)};
}

void RemoveOwnSocketFile(const std::string& path, const SocketFile& mine,
                         const std::function<void()>& removeFile) {
    const SocketFile there = SocketFileAt(path);
    const std::string aside = path + ".taken";
    const bool keep =
        there != SocketFile{} && there != mine && ::link(path.c_str(), aside.c_str()) == 0;
    removeFile();
    if (keep)
        ::rename(aside.c_str(), path.c_str());
}
