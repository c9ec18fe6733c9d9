#pragma once
// The desktop's knowledge of the program and its document type, installed
// for the user under the XDG data folder: a desktop entry that opens *.qfm
// documents with this executable, the MIME type of the documents, and the
// program icon for both. Files already holding the right text are left
// alone; when anything changed, the desktop's caches are rebuilt.
#include "platform/base/cstring.h"
#include "resources/resource_format.h"

#include <string>
#include <vector>

// The MIME type of the document files.
constexpr const char* kDocumentMimeType = "application/x-quelaform";

// $XDG_DATA_HOME, else $HOME/.local/share; empty when neither is set.
std::string UserDataHome();

struct CShellRegistration {
    std::string dataHome;   // where the files go
    std::string executable; // the program the desktop starts
    CString typeName;       // the document type's name, "QuelaForm Document"
    CString extension;      // ".qfm"
    const PixelArt* icon = nullptr;
};

// The text of each file, by its path below the data folder.
struct CShellRegistrationFile {
    std::string path;
    std::string text;
};
std::vector<CShellRegistrationFile> ShellRegistrationFiles(const CShellRegistration& registration);

// Writes the files that differ. False when one could not be written or the
// executable's path cannot stand in a desktop entry (a line break).
bool RegisterShellFileTypes(const CShellRegistration& registration);
