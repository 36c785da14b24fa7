#pragma once
// The parent's side of the benchmarks that time a whole start: this program run again as
// the child (startup_child.h), offscreen, in the current directory.

#include <string>

struct ChildRun {
    double seconds;         // from spawning the child to its exit
    double peakMegabytes;   // its peak resident size, as it reports it
    double cpuSeconds;      // its processor time
    std::string windowSize; // "WxH"
};

// Runs the child with "--startup-child=<what>"; throws when it fails or reports nothing.
ChildRun RunChild(const std::string& what);
