#pragma once
// The benchmark program counts every allocation for its heap figures (the operator new of
// bench_pathological.cpp). A start-up child stops the counting first, so that its own
// start is timed without that tax.
void StopCountingHeap();
