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
    std::erase(m_paths, kept);
    m_paths.insert(m_paths.begin(), kept);
    if (static_cast<int>(m_paths.size()) > m_size)
        m_paths.resize(static_cast<size_t>(m_size));
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
