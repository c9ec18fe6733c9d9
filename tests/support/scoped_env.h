#pragma once
// Environment variables a test sets for a while: the old value (or its
// absence) comes back when the object dies.
#include "support/temp_dir.h"

#include <cstdlib>
#include <optional>
#include <string>

namespace qf::test {

class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : m_name(name) {
        if (const char* old = std::getenv(name))
            m_old = old;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (m_old)
            setenv(m_name, m_old->c_str(), 1);
        else
            unsetenv(m_name);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

// The program's settings folder (QUELAFORM_HOME) and the desktop's data
// folder (XDG_DATA_HOME, where the desktop entry, the MIME type and the
// icons go) in fresh temporary folders, so that nothing a test does reaches
// the user's real home.
class IsolatedUserFolders {
public:
    IsolatedUserFolders()
        : m_settingsEnv("QUELAFORM_HOME", m_settings.path().string()),
          m_dataEnv("XDG_DATA_HOME", m_data.path().string()) {}
    const TempDir& Settings() const { return m_settings; }
    const TempDir& Data() const { return m_data; }

private:
    TempDir m_settings;
    TempDir m_data;
    ScopedEnv m_settingsEnv;
    ScopedEnv m_dataEnv;
};

} // namespace qf::test
