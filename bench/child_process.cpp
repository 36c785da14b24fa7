#include "bench/child_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <vector>

#include "bench/startup_child.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

double Seconds(const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
}

} // namespace

ChildRun RunChild(const std::string& what) {
    std::string self = fs::read_symlink("/proc/self/exe").string();
    std::string option = std::string(kStartupChildOption) + what;
    std::string platform = "QT_QPA_PLATFORM=offscreen";
    std::vector<char*> args = {self.data(), option.data(), nullptr};
    std::vector<char*> env;
    for (char** e = environ; *e != nullptr; ++e)
        if (std::strncmp(*e, "QT_QPA_PLATFORM=", 16) != 0)
            env.push_back(*e);
    env.push_back(platform.data());
    env.push_back(nullptr);
    // The child writes its own peak resident size here: rusage's ru_maxrss would also
    // count what the child inherited from this (large) process before its exec.
    int report[2];
    if (pipe(report) != 0)
        throw std::runtime_error("cannot make a pipe");

    const auto start = std::chrono::steady_clock::now();
    // The platform's notices on the child's error stream would drown the figures.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, report[1], 1);
    posix_spawn_file_actions_addclose(&actions, report[0]);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, self.c_str(), &actions, nullptr, args.data(), env.data());
    posix_spawn_file_actions_destroy(&actions);
    close(report[1]);
    std::string output;
    char buffer[256];
    for (ssize_t n; spawned == 0 && (n = read(report[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, static_cast<std::size_t>(n));
    close(report[0]);
    if (spawned != 0)
        throw std::runtime_error("cannot start the child");
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    long peak = 0;
    int width = 0, height = 0;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
        std::sscanf(output.c_str(), "%ld %d %d", &peak, &width, &height) != 3)
        throw std::runtime_error("the child failed");
    return {seconds, static_cast<double>(peak) / 1024.0, // VmHWM is in KiB
            Seconds(usage.ru_utime) + Seconds(usage.ru_stime),
            std::to_string(width) + "x" + std::to_string(height)};
}
