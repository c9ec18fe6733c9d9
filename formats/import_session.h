#pragma once
// An import of a foreign file as one undo step. The step is recorded before
// the first object arrives (the scene as it was, by identity), so undoing it
// removes exactly what the import added. The reader has read and checked the
// whole file before a session starts: a refused file leaves no step.
#include "platform/base/cstring.h"

#include "formats/format_error.h"

#include <memory>
#include <new>
#include <string>

class CPolygonObj;
class CQuelDoc;
class CSpatchObj;

class CImportSession {
public:
    // Records the step "(ファイル) インポート" / "(File) Import".
    explicit CImportSession(CQuelDoc& doc);

    // Finds a read object's patches, then takes it into the document at the
    // top level with the next identifier key. The caller has named it.
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
// The message of an import refused for want of memory for what it holds.
void ReportImportOutOfMemory(const CString& path);

// Runs read, which reads the whole file and builds what it holds apart from
// the document. False, after telling the user, when the file is damaged or
// the memory for it could not be had: nothing of it reached the document.
template <class Read> bool ReadForImport(const CString& path, Read read) {
    try {
        read();
        return true;
    } catch (const CFormatError& error) {
        ReportImportDamaged(path, error);
    } catch (const std::bad_alloc&) {
        ReportImportOutOfMemory(path);
    }
    return false;
}
