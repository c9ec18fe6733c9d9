#pragma once
// Runs an external program for `peer` tests, from an argument vector (no
// shell), and waits for it.
#include <string>
#include <vector>

namespace qf::test {

// The exit status of argv[0] (looked up on PATH) run with argv, its output
// and errors written to logPath; -1 when it could not be started or did not
// exit normally.
int RunProgram(const std::vector<std::string>& argv, const std::string& logPath);

// Whether program is found in one of the folders of PATH.
bool IsOnPath(const std::string& program);

} // namespace qf::test
