#pragma once
// Files and folders: whole-file reads, saves that never harm the old file,
// file status, and the folders the program keeps its files in.
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <memory>
#include <string>

namespace qf {

// Reads the whole file; false with a message in error when it cannot.
bool ReadWholeFile(const std::string& path, std::string& bytes, std::string* error = nullptr);
// The same into memory that is not zeroed first; a large file is read in
// pieces on several threads, so the pages it lands in are taken side by side.
bool ReadWholeFile(const std::string& path, std::unique_ptr<char[]>& bytes, size_t& size,
                   std::string* error = nullptr);

// Writes bytes to a temporary file beside path, flushes it to disk and renames
// it over path, so a failed save leaves the old file as it was.
bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string* error = nullptr);

// WriteFileAtomically in two steps, for files that go together: each is
// staged (written whole beside its place), and only once all are does each
// go to its place by a rename, which needs no memory. A staged file that is
// never committed is removed.
class CStagedFile {
public:
    CStagedFile() = default;
    ~CStagedFile();
    CStagedFile(const CStagedFile&) = delete;
    CStagedFile& operator=(const CStagedFile&) = delete;

    bool Stage(const std::string& path, const std::string& bytes, std::string* error = nullptr);
    bool Commit(std::string* error = nullptr);

private:
    std::string m_path;
    std::string m_temp;
};

struct FileStatus {
    bool exists = false;
    bool isDirectory = false;
    uint64_t size = 0;
    std::time_t modified = 0;
};
FileStatus GetFileStatus(const std::string& path);
bool FileExists(const std::string& path);

// The user's settings folder: $QUELAFORM_HOME, else $XDG_CONFIG_HOME/quelaform,
// else ~/.config/quelaform; created on first use.
std::string SettingsDir();
// A file in the settings folder.
std::string SettingsPath(const std::string& name);

// The folder of the files shipped with the program: "data" beside the
// executable (build tree), else the install data folder.
std::string DataDir();
std::string DataPath(const std::string& name);

// The user's private work folder for files handed to other programs (the
// scene and run files of a render), kept between runs so that a renderer
// still running when the program ends finds them: $QUELAFORM_HOME/work, else
// $XDG_CACHE_HOME/quelaform, else ~/.cache/quelaform; made on first use,
// readable by the user only.
std::string WorkDir();
std::string WorkPath(const std::string& name);

// A private temporary folder made for this run and removed at exit.
std::string TempDir();
std::string TempPath(const std::string& name);

// The folder that holds the running executable.
std::string ExecutableDir();

// Joins two path pieces with one '/'.
std::string JoinPath(const std::string& folder, const std::string& name);

} // namespace qf
