#pragma once
#include <filesystem>
#include <string>

namespace qf::test {

// A fresh folder under the system temporary folder, removed with its contents
// when the object dies.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return m_path; }
    std::string File(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

#ifndef QF_TEST_OUTPUT_DIR
#define QF_TEST_OUTPUT_DIR "test-output"
#endif
#ifndef QF_TEST_DATA_DIR
#define QF_TEST_DATA_DIR "tests/data"
#endif

// Folder where a test may leave pictures and logs for a person to look at.
inline std::filesystem::path OutputDir() {
    std::filesystem::path dir = QF_TEST_OUTPUT_DIR;
    std::filesystem::create_directories(dir);
    return dir;
}
// Folder of the fixtures under tests/data.
inline std::filesystem::path DataDir() {
    return QF_TEST_DATA_DIR;
}

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);

} // namespace qf::test
