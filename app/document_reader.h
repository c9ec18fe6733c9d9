#pragma once
// Reads a document file into a scene buffer and merges the buffer into the
// document, for File > Open and File > Insert. A file is read whole before
// anything of it reaches the document: a damaged one changes nothing.
#include "platform/base/cstring.h"

#include <array>

class CArchive;
class CQuelDoc;
class CSceneBuffer;

// The check boxes of the insert dialog in its order; 1 takes that part of
// the inserted file.
enum InsertChoice {
    insertObjects, // patch objects, folders and polygon objects
    insertLights,
    insertMaterials,
    insertCameras,
    insertBackgroundColor,
    insertDefaultMaterial,
    insertIncludeFiles,
    insertGlobalSettings,
    insertRadiosity,
    insertPostProcess,
    insertMemoCameras,
    insertUnderlays,
    insertChoiceCount,
};
using InsertChoices = std::array<int, insertChoiceCount>;

class CDocumentReader {
public:
    // threads: how many threads may build patch objects side by side; 0 lets
    // the reader choose (one for a small document). Any count gives the same
    // document.
    explicit CDocumentReader(int threads = 0) : m_threads(threads) {}
    virtual ~CDocumentReader() = default;

    // Reads section after section into buffer until "end" or a keyword it
    // does not know. A short stream, an impossible count or a number that
    // names nothing throws CArchiveException; the buffer must then be thrown away.
    // Returns how many threads built the patch objects (1 when they were
    // read in order).
    int ReadSections(CArchive& ar, CSceneBuffer& buffer) const;
    // Moves what buffer takes into its document, shows the new objects,
    // lights and materials in the side bar's trees and tells every window.
    int MergeIntoDocument(CSceneBuffer& buffer) const;
    // File > Insert of the file at path with the parts the insert dialog
    // chose, as one undo step. A file that cannot be read, or is damaged, is
    // reported to the user and leaves the document and the undo list as they
    // were; the result is then 0.
    int InsertDocument(CQuelDoc& doc, const CString& path, const InsertChoices& choices) const;

private:
    int m_threads;
};
