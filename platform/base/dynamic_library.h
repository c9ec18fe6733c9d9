#pragma once
// A shared object loaded for as long as the object lives (dlopen with all
// symbols bound at once, kept to itself), and its exported functions by name.
#include <string>

namespace qf {

class DynamicLibrary {
public:
    // Loads path; IsLoaded tells whether it worked, GetError why not.
    explicit DynamicLibrary(const std::string& path);
    ~DynamicLibrary();
    DynamicLibrary(const DynamicLibrary&) = delete;
    DynamicLibrary& operator=(const DynamicLibrary&) = delete;

    bool IsLoaded() const { return m_handle != nullptr; }
    const std::string& GetError() const { return m_error; }
    // The exported function of that name as Fn; null when the library has none.
    template <class Fn> Fn Function(const char* name) const { return reinterpret_cast<Fn>(Symbol(name)); }

private:
    void* Symbol(const char* name) const;

    void* m_handle = nullptr;
    std::string m_error;
};

} // namespace qf
