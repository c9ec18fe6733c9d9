#include "platform/base/process.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <spawn.h>
#include <sys/wait.h>
#include <system_error>
#include <thread>

extern char** environ;

namespace qf {

namespace {

// posix_spawn's two attribute records, released whatever happens.
class SpawnActions {
public:
    SpawnActions() { posix_spawn_file_actions_init(&m_actions); }
    ~SpawnActions() { posix_spawn_file_actions_destroy(&m_actions); }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;
    posix_spawn_file_actions_t* get() { return &m_actions; }

private:
    posix_spawn_file_actions_t m_actions;
};

// Collects the program's exit status whenever it ends, without holding up
// anyone who started it. The program runs already: when memory or threads
// run out here, it is left to be collected when this program ends, and the
// news of its end, which nobody waits for, is dropped.
void ReapLater(pid_t pid, std::function<void(int)> ended) {
    try {
        std::thread([pid, ended = std::move(ended)] {
            int status = 0;
            pid_t reaped = 0;
            while ((reaped = waitpid(pid, &status, 0)) < 0 && errno == EINTR) {
            }
            try {
                if (ended)
                    ended(reaped == pid && WIFEXITED(status) ? WEXITSTATUS(status) : -1);
            } catch (const std::bad_alloc&) {
            }
        }).detach();
    } catch (const std::bad_alloc&) {
    } catch (const std::system_error&) {
    }
}

} // namespace

bool StartProcess(const std::vector<std::string>& argv, std::string* error, std::function<void(int)> ended) {
    if (argv.empty() || argv.front().empty()) {
        if (error)
            *error = "no program was named";
        return false;
    }
    std::vector<char*> args;
    args.reserve(argv.size() + 1);
    for (const std::string& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);

    SpawnActions actions;
    posix_spawn_file_actions_addopen(actions.get(), 0, "/dev/null", O_RDONLY, 0);
    pid_t pid = 0;
    // glibc reports a program that cannot be executed here, not in the child.
    const int result = posix_spawnp(&pid, args.front(), actions.get(), nullptr, args.data(), environ);
    if (result != 0) {
        if (error)
            *error = argv.front() + ": " + std::strerror(result);
        return false;
    }
    ReapLater(pid, std::move(ended));
    return true;
}

} // namespace qf
