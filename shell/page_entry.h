#pragma once
// One panel (or sub-page) of a side-bar page, in the page's own list of
// them: its window, its name and its position in that list.
#include "platform/base/cstring.h"

class CWnd;

class CPageEntry {
public:
    CPageEntry(CWnd* window, const CString& name, int index)
        : m_window(window), m_name(name), m_index(index) {}
    virtual ~CPageEntry() = default;

    CWnd* m_window; // owned by the page
    CString m_name;
    int m_index;
};
