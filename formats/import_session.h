#pragma once
// An import of a foreign file as one undo step. The step is recorded before
// the first object arrives (the scene as it was, by identity), so undoing it
// removes exactly what the import added. The reader has read and checked the
// whole file before a session starts: a refused file leaves no step.
#include "platform/base/cstring.h"

#include <memory>
#include <string>

class CFormatError;
class CPolygonObj;
class CQuelDoc;
class CSpatchObj;

class CImportSession {
public:
    // Records the step "(ファイル) インポート" / "(File) Import".
    explicit CImportSession(CQuelDoc& doc);

    // Takes a read object into the document at the top level with the next
    // identifier key and finds its patches. The caller has named it.
    CSpatchObj* Add(std::unique_ptr<CSpatchObj> obj);
    // Takes a read polygon object, its topology built, at the end of the list.
    CPolygonObj* Add(std::unique_ptr<CPolygonObj> obj);
    // Shows the new objects: object-tree items, the panes repainted, the
    // multi-object list and every registered window told.
    void Finish();

private:
    CQuelDoc& m_doc;
    int m_firstNew;
    int m_firstNewPolygon;
};

// base when no object, light, material, polygon object or folder has that
// name, else base + separator + "01" .. "09", "10", "11" ..., the first
// free one. Characters a document file cannot hold (outside CP932, control
// characters) become "_" first.
CString UniqueImportName(const CString& base, const char* separator);

// Reads the whole file (for reading only); false, after telling the user,
// when it cannot be read.
bool ReadImportFile(const CString& path, std::string& bytes);
// The message of a refused import, naming the file and where reading stopped.
void ReportImportDamaged(const CString& path, const CFormatError& error);
