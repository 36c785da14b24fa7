#pragma once
// The way from a new KLV to the window already open on the same data folder: a local
// socket of the user's own, named after the folder's canonical path. The new process
// sends one request and waits for the window to take it; nothing listens on the network.
// Plain POSIX, so that a look-up handed over needs neither Qt nor a display.

#include <functional>
#include <string>
#include <string_view>

// The socket of the data folder that is the current directory: in the user's runtime
// folder (XDG_RUNTIME_DIR) where there is one, else in the temporary folder under a name
// that holds the user's id. Empty when the current directory has no canonical path.
std::string LookupSocketPath();

// A request: a fixed first line, then the look-up (UTF-8) on a line of its own. The
// window answers kLookupTaken once it has queued it.
inline constexpr std::string_view kLookupRequestHead = "KLV show\n";
inline constexpr std::string_view kLookupTaken = "taken\n";

enum class HandOver {
    Taken,    // the window queued the request
    NoWindow, // nobody listens on the socket: a new window must show it
    NoAnswer, // a window listens but did not take the request in time
};

// Sends the look-up to the window that listens on `path`, waiting up to `answerMs` for it
// to be taken (a window that is still loading takes it when its loading is done).
HandOver SendLookup(const std::string& path, std::string_view what, int answerMs);

// One socket file, told apart from another made later under the same name.
struct SocketFile {
    unsigned long long device = 0, inode = 0;
    bool operator==(const SocketFile&) const = default;
};
// The socket file now at `path`, or a null one.
SocketFile SocketFileAt(const std::string& path);

// Runs `removeFile` (which removes the socket file at `path`, as closing a server does)
// when `mine` is the file there; when another window's file has replaced it, that file is
// kept aside meanwhile and put back.
void RemoveOwnSocketFile(const std::string& path, const SocketFile& mine,
                         const std::function<void()>& removeFile);
