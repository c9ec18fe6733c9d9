#include "shell/recent_file_list.h"

#include "platform/base/text_file.h"

#include <algorithm>
#include <filesystem>

void CRecentFileList::Add(const CString& path) {
    if (path.IsEmpty() || path.Find('\n') >= 0 || path.Find('\r') >= 0)
        return;
    // A path relative to where this run started means nothing to the next.
    std::error_code error;
    const std::filesystem::path whole = std::filesystem::absolute(path.str(), error);
    const CString kept = error ? path : CString(whole.lexically_normal().string());
    // Made apart: a list that cannot get the memory stays as it was.
    std::vector<CString> paths{kept};
    for (const CString& other : m_paths)
        if (static_cast<int>(paths.size()) < m_size && other != kept)
            paths.push_back(other);
    if (static_cast<int>(paths.size()) > m_size)
        paths.clear();
    m_paths.swap(paths);
}

void CRecentFileList::Remove(int index) {
    if (index >= 0 && index < GetCount())
        m_paths.erase(m_paths.begin() + index);
}

void CRecentFileList::Load(const std::string& file) {
    m_paths.clear();
    qf::CTextFileReader reader(file, qf::TextEncoding::Utf8);
    CString line;
    while (reader.IsOpen() && GetCount() < m_size && reader.ReadLine(line))
        if (!line.IsEmpty() && std::find(m_paths.begin(), m_paths.end(), line) == m_paths.end())
            m_paths.push_back(line);
}

bool CRecentFileList::Save(const std::string& file) const {
    qf::CTextFileWriter writer(file, qf::TextEncoding::Utf8);
    for (const CString& path : m_paths)
        writer.WriteLine(path.GetString());
    return writer.Close();
}
