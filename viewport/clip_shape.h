#pragma once
// The shape files of the Insert submenu: sPatch token text of version 1 in
// the "Clip Shapes" folder shipped with the program. A file is read whole
// and checked before anything uses it.
#include "platform/base/cstring.h"

#include <string>

class CSpatchObj;

// The folder of the shape files.
std::string ClipShapesFolder();

enum class ClipShapeRead {
    ok,
    missing, // the file does not exist or cannot be read
    damaged, // not a version-1 sPatch text, or a body that does not hold together
};

// Reads the file into shape, which must be empty. For a damaged file, why
// says what is wrong and where, in the interface language; shape then stays
// empty.
ClipShapeRead ReadClipShape(const std::string& path, CSpatchObj& shape, CString& why);
