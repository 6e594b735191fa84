#pragma once

#include <functional>
#include <sys/types.h>

/// Forks a child that runs `body` and exits with its result, without running
/// any of the parent's exit handlers. Returns the child's id, or -1 when no
/// child could be started.
pid_t startChild(const std::function<int()> &body);

/// Waits for a child: its exit code, or -1 when it did not exit normally.
int waitForExit(pid_t child);

/// Limits the size of files this process writes to `bytes`. SIGXFSZ is
/// ignored, so a write past the limit fails with EFBIG instead of ending
/// the process. Returns false when the limit could not be set.
bool limitFileSize(unsigned long long bytes);
