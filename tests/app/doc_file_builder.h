#pragma once
// Document file bytes written field by field from the file layout, for tests
// that check what a record looks like or that build a damaged file.
#include "platform/base/archive.h"

#include <cstdint>
#include <string>

struct FileBytes {
    FileBytes& Int(int32_t v) { return ar << v, *this; }
    FileBytes& Float(float v) { return ar << v, *this; }
    FileBytes& Str(const char* s) { return ar << CString(s), *this; }
    // Raw bytes, for text that is not CP932.
    FileBytes& Raw(const std::string& bytes) { return ar.Write(bytes.data(), bytes.size()), *this; }
    // An empty patch object record named name: colour, switches, " " as
    // partner, hollow and no points or curves.
    FileBytes& EmptyObject(const char* name) {
        Str(name).Int(0x0000C8C8).Int(0).Int(1).Int(0).Int(1).Int(1).Int(0).Int(0).Str(" ").Int(0);
        return Int(0).Int(0).Int(0);
    }
    const std::string& Get() const { return ar.GetBytes(); }

    CArchive ar;
};

// The offset of the section keyword in a document file; npos when absent.
inline size_t SectionOffset(const std::string& file, const std::string& keyword) {
    return file.find(std::string(1, static_cast<char>(keyword.size())) + keyword);
}
