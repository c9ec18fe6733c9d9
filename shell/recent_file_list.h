#pragma once
// The recent-file list of the File menu: the last four documents opened or
// saved, newest first, kept for the next start in a file of the settings
// folder (one path a line).
#include "platform/base/cstring.h"

#include <string>
#include <vector>

class CRecentFileList {
public:
    explicit CRecentFileList(int size) : m_size(size) {}

    // Puts the path first, made absolute against the current folder; an
    // entry for the same path moves up, the oldest beyond the size drops
    // out. A path with a line break is not kept.
    void Add(const CString& path);
    void Remove(int index);
    int GetCount() const { return static_cast<int>(m_paths.size()); }
    const CString& operator[](int index) const { return m_paths[static_cast<size_t>(index)]; }

    // A missing or unreadable file gives an empty list.
    void Load(const std::string& file);
    bool Save(const std::string& file) const;

private:
    int m_size;
    std::vector<CString> m_paths;
};
