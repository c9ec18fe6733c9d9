#include "shell/recent_file_list.h"

#include "platform/base/text_file.h"

#include <algorithm>

void CRecentFileList::Add(const CString& path) {
    if (path.IsEmpty() || path.Find('\n') >= 0 || path.Find('\r') >= 0)
        return;
    std::erase(m_paths, path);
    m_paths.insert(m_paths.begin(), path);
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
