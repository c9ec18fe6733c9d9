#include "support/run_program.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <sstream>
#include <string_view>
#include <sys/wait.h>

extern char** environ;

namespace qf::test {

int RunProgram(const std::vector<std::string>& argv, const std::string& logPath) {
    StartedProgram program(argv, logPath);
    return program.Wait();
}

StartedProgram::StartedProgram(const std::vector<std::string>& argv, const std::string& logPath,
                               const std::vector<std::string>& environment) {
    if (argv.empty())
        return;
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    // The test's own variables, but those that `environment` sets anew.
    const auto setAnew = [&](std::string_view variable) {
        return std::any_of(environment.begin(), environment.end(), [&](const std::string& e) {
            return variable.substr(0, variable.find('=') + 1) == e.substr(0, e.find('=') + 1);
        });
    };
    std::vector<char*> envp;
    for (char** e = environ; *e; ++e)
        if (!setAnew(*e))
            envp.push_back(*e);
    for (const std::string& e : environment)
        envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    if (posix_spawnp(&m_pid, args[0], &actions, nullptr, args.data(), envp.data()) != 0)
        m_pid = -1;
    posix_spawn_file_actions_destroy(&actions);
}

StartedProgram::~StartedProgram() {
    if (Started() && !HasEnded()) {
        kill(m_pid, SIGTERM);
        Wait();
    }
}

void StartedProgram::Reap(int options) {
    if (!Started() || m_ended)
        return;
    int status = 0;
    pid_t reaped = -1;
    do
        reaped = waitpid(m_pid, &status, options);
    while (reaped == -1 && errno == EINTR);
    if (reaped != m_pid)
        return;
    m_ended = true;
    m_exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool StartedProgram::HasEnded() {
    Reap(WNOHANG);
    return m_ended;
}

int StartedProgram::Wait() {
    Reap(0);
    return m_exitStatus;
}

bool IsOnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::istringstream dirs(path ? path : "");
    for (std::string dir; std::getline(dirs, dir, ':');)
        if (!dir.empty() && std::filesystem::exists(std::filesystem::path(dir) / program))
            return true;
    return false;
}

} // namespace qf::test
