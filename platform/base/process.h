#pragma once
// Starting another program: from an argument vector, never through a shell,
// and never waited for. The started program runs on by itself; a thread of
// ours collects its exit status when it ends, so it leaves no zombie behind.
#include <functional>
#include <string>
#include <vector>

namespace qf {

// Starts argv[0] (looked up on PATH when it holds no '/') with argv, this
// program's environment and current folder, and standard input from
// /dev/null; returns as soon as the program runs. False, with the reason in
// error, when it could not be started: an empty vector, a program that is not
// found or not executable. ended, when given, gets the program's exit status
// (-1 when a signal ended it) on the thread that collects it.
bool StartProcess(const std::vector<std::string>& argv, std::string* error = nullptr,
                  std::function<void(int exitStatus)> ended = {});

} // namespace qf
