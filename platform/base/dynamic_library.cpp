#include "platform/base/dynamic_library.h"

#include <dlfcn.h>

namespace qf {

DynamicLibrary::DynamicLibrary(const std::string& path) {
    m_handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!m_handle) {
        const char* reason = dlerror();
        m_error = reason ? reason : "the library could not be loaded";
    }
}

DynamicLibrary::~DynamicLibrary() {
    if (m_handle)
        dlclose(m_handle);
}

void* DynamicLibrary::Symbol(const char* name) const {
    return m_handle ? dlsym(m_handle, name) : nullptr;
}

} // namespace qf
