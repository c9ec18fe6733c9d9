#include "platform/base/file_util.h"

#include "platform/base/parallel_for.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace qf {
namespace {

void SetError(std::string* error, const std::string& what) {
    if (error)
        *error = what;
}

std::string Errno(const std::string& what, const std::string& path) {
    return what + " \"" + path + "\": " + std::strerror(errno);
}

class Fd {
public:
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }
    int release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

std::string EnsureDir(const std::string& dir) {
    std::error_code ec;
    fs::create_directories(dir, ec);
    return dir;
}

// Removes the run's temporary folder when the program ends.
class PrivateTempDir {
public:
    const std::string& Path() {
        std::call_once(m_once, [this] {
            std::string pattern = (fs::temp_directory_path() / "quelaform-XXXXXX").string();
            if (mkdtemp(pattern.data()))
                m_path = pattern;
            else
                m_path = fs::temp_directory_path().string();
            m_owned = m_path != fs::temp_directory_path().string();
        });
        return m_path;
    }
    ~PrivateTempDir() {
        if (m_owned) {
            std::error_code ec;
            fs::remove_all(m_path, ec);
        }
    }

private:
    std::once_flag m_once;
    std::string m_path;
    bool m_owned = false;
};

PrivateTempDir& TheTempDir() {
    static PrivateTempDir dir;
    return dir;
}

// Files smaller than this are read in one piece: threads would cost more than they save.
constexpr size_t kReadPieceBytes = size_t{4} << 20;

// The file at path opened for reading, with its status; -1 when it cannot be
// opened or is no regular file.
int OpenRegularFile(const std::string& path, struct stat& st, std::string* error) {
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        SetError(error, Errno("cannot open", path));
        return -1;
    }
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
        SetError(error, "\"" + path + "\" is not a readable file");
        return -1;
    }
    return fd.release();
}

// Bytes [begin, end) of the file into the same place of out; how many were
// read before its end, or -1 with errno set.
ssize_t ReadAt(int fd, char* out, size_t begin, size_t end) {
    size_t got = 0;
    while (begin + got < end) {
        const ssize_t n = ::pread(fd, out + begin + got, end - begin - got, static_cast<off_t>(begin + got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        got += static_cast<size_t>(n);
    }
    return static_cast<ssize_t>(got);
}

} // namespace

bool ReadWholeFile(const std::string& path, std::unique_ptr<char[]>& bytes, size_t& size,
                   std::string* error) {
    struct stat st {};
    const Fd fd(OpenRegularFile(path, st, error));
    if (fd.get() < 0)
        return false;
    const size_t expected = static_cast<size_t>(st.st_size);
    // One byte beyond the size: a file that grew since is found at once.
    auto out = std::make_unique_for_overwrite<char[]>(expected + 1);
    const size_t pieces =
        std::clamp<size_t>(expected / kReadPieceBytes, 1, static_cast<size_t>(WorkerThreads()));
    std::vector<ssize_t> got(pieces);
    std::vector<int> failure(pieces);
    ParallelFor(pieces, static_cast<int>(pieces), [&](size_t i) {
        got[i] = ReadAt(fd.get(), out.get(), expected * i / pieces, expected * (i + 1) / pieces);
        failure[i] = got[i] < 0 ? errno : 0;
    });
    for (size_t i = 0; i < pieces; ++i)
        if (got[i] < 0) {
            errno = failure[i];
            SetError(error, Errno("cannot read", path));
            return false;
        }
    for (size_t i = 0; i < pieces; ++i)
        if (static_cast<size_t>(got[i]) != expected * (i + 1) / pieces - expected * i / pieces ||
            (i + 1 == pieces && ReadAt(fd.get(), out.get(), expected, expected + 1) != 0)) {
            // The file changed size while it was read: once more, to its end as it is now.
            std::string whole;
            if (!ReadWholeFile(path, whole, error))
                return false;
            out = std::make_unique_for_overwrite<char[]>(whole.size());
            std::copy(whole.begin(), whole.end(), out.get());
            bytes = std::move(out);
            size = whole.size();
            return true;
        }
    bytes = std::move(out);
    size = expected;
    return true;
}

bool ReadWholeFile(const std::string& path, std::string& bytes, std::string* error) {
    struct stat st {};
    const Fd fd(OpenRegularFile(path, st, error));
    if (fd.get() < 0)
        return false;
    // One byte beyond the size the file had: the read that finds its end
    // lands there, so a file that did not grow is never copied to a larger buffer.
    std::string out;
    out.resize(static_cast<size_t>(st.st_size) + 1);
    size_t got = 0;
    for (;;) {
        if (got == out.size())
            out.resize(out.size() + 65536);
        ssize_t n = ::read(fd.get(), out.data() + got, out.size() - got);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            SetError(error, Errno("cannot read", path));
            return false;
        }
        if (n == 0)
            break;
        got += static_cast<size_t>(n);
    }
    out.resize(got);
    bytes.swap(out);
    return true;
}

bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string* error) {
    CStagedFile file;
    return file.Stage(path, bytes, error) && file.Commit(error);
}

CStagedFile::~CStagedFile() {
    if (!m_temp.empty())
        ::unlink(m_temp.c_str());
}

bool CStagedFile::Stage(const std::string& path, const std::string& bytes, std::string* error) {
    m_path = path;
    const fs::path target(path);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string hidden = ".";
    hidden += target.filename().string();
    hidden += ".XXXXXX";
    std::string temp = (folder / hidden).string();
    Fd fd(::mkstemp(temp.data()));
    if (fd.get() < 0) {
        SetError(error, Errno("cannot create a file in", folder.string()));
        return false;
    }
    // From here on it is this file's to remove, however staging ends.
    m_temp = std::move(temp);
    const auto fail = [&](const char* what) {
        ::unlink(m_temp.c_str());
        m_temp.clear();
        SetError(error, Errno(what, path));
        return false;
    };
    // Keep the permissions of the file being replaced, else the usual ones.
    struct stat st {};
    ::fchmod(fd.get(), ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644);

    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return fail("cannot write");
        done += static_cast<size_t>(n);
    }
    if (::fsync(fd.get()) != 0 || ::close(fd.release()) != 0)
        return fail("cannot write");
    return true;
}

bool CStagedFile::Commit(std::string* error) {
    if (m_temp.empty())
        return false;
    const int renamed = ::rename(m_temp.c_str(), m_path.c_str());
    if (renamed != 0) {
        SetError(error, Errno("cannot replace", m_path));
        return false;
    }
    m_temp.clear();
    return true;
}

FileStatus GetFileStatus(const std::string& path) {
    FileStatus status;
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        status.exists = true;
        status.isDirectory = S_ISDIR(st.st_mode);
        status.size = static_cast<uint64_t>(st.st_size);
        status.modified = st.st_mtime;
    }
    return status;
}

bool FileExists(const std::string& path) {
    return GetFileStatus(path).exists;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty())
        return name;
    if (folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

std::string SettingsDir() {
    if (const char* home = std::getenv("QUELAFORM_HOME"); home && *home)
        return EnsureDir(home);
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        return EnsureDir(JoinPath(xdg, "quelaform"));
    const char* home = std::getenv("HOME");
    return EnsureDir(JoinPath(JoinPath(home && *home ? home : ".", ".config"), "quelaform"));
}

std::string SettingsPath(const std::string& name) {
    return JoinPath(SettingsDir(), name);
}

std::string ExecutableDir() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string(".") : exe.parent_path().string();
}

std::string DataDir() {
    const std::string beside = JoinPath(ExecutableDir(), "data");
    if (GetFileStatus(beside).isDirectory)
        return beside;
    const std::string installed =
        (fs::path(ExecutableDir()) / ".." / "share" / "quelaform").lexically_normal();
    if (GetFileStatus(installed).isDirectory)
        return installed;
    return QF_SOURCE_DATA_DIR;
}

std::string DataPath(const std::string& name) {
    return JoinPath(DataDir(), name);
}

std::string WorkDir() {
    std::string dir;
    if (const char* home = std::getenv("QUELAFORM_HOME"); home && *home)
        dir = JoinPath(home, "work");
    else if (const char* xdg = std::getenv("XDG_CACHE_HOME"); xdg && *xdg)
        dir = JoinPath(xdg, "quelaform");
    else {
        const char* user = std::getenv("HOME");
        dir = JoinPath(JoinPath(user && *user ? user : ".", ".cache"), "quelaform");
    }
    EnsureDir(dir);
    std::error_code ec;
    fs::permissions(dir, fs::perms::owner_all, fs::perm_options::replace, ec);
    return dir;
}

std::string WorkPath(const std::string& name) {
    return JoinPath(WorkDir(), name);
}

std::string TempDir() {
    return TheTempDir().Path();
}

std::string TempPath(const std::string& name) {
    return JoinPath(TempDir(), name);
}

} // namespace qf
