#pragma once
// Runs an external program for `peer` tests, from an argument vector (no
// shell), and waits for it; or starts one that runs beside the test.
#include <string>
#include <sys/types.h>
#include <vector>

namespace qf::test {

// The exit status of argv[0] (looked up on PATH) run with argv, its output
// and errors written to logPath; -1 when it could not be started or did not
// exit normally.
int RunProgram(const std::vector<std::string>& argv, const std::string& logPath);

// argv[0] (looked up on PATH) started with argv and the test's environment
// plus `environment` ("NAME=value" each), its output and errors written to
// logPath. A program still running when the object goes is ended (SIGTERM)
// and waited for.
class StartedProgram {
public:
    StartedProgram(const std::vector<std::string>& argv, const std::string& logPath,
                   const std::vector<std::string>& environment = {});
    ~StartedProgram();
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;

    bool Started() const { return m_pid > 0; }
    // Whether it has ended, without waiting.
    bool HasEnded();
    // Waits for the end: the exit status, -1 when it could not be started or
    // did not exit normally.
    int Wait();

private:
    void Reap(int options);

    pid_t m_pid = -1;
    bool m_ended = false;
    int m_exitStatus = -1;
};

// Whether program is found in one of the folders of PATH.
bool IsOnPath(const std::string& program);

} // namespace qf::test
