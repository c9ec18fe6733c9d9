#pragma once
// The files of a POV-Ray render or export: the object include and the scene
// that includes it, or one scene file holding both. Written as UTF-8 so that
// the file names inside match the names on disk; each file replaces the old
// one only when it was written whole.
#include "platform/base/cstring.h"

#include <string>

class CPovSceneWriter;

struct CPovOutputFiles {
    std::string scenePath;
    // Empty: the declarations go at the top of the scene file.
    std::string includePath;
    // The name the scene's "#include" line gives for includePath (the bare
    // file name: the renderer finds it through its library path).
    CString includeName;
};

// Writes the include file first, then the scene. False, with the reason in
// error, when the writer has nothing to write from or a file cannot be
// written; the scene is not written when its include file failed.
bool WritePovFiles(CPovSceneWriter& writer, const CPovOutputFiles& files, std::string* error = nullptr);
