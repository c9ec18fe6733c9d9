#pragma once
// The native document file (*.qfm): tagged sections in a fixed order, each a
// keyword and its body, ending with "end". CQuelDoc::Serialize writes it and
// reads it through CDocumentReader; OnOpenDocument and OnSaveDocument do the
// same on a file and tell the user when that fails.
#include "platform/base/archive.h"
#include "platform/base/cstring.h"

#include <new>
#include <string>

class CQuelDoc;

// The keywords of the sections the document writes itself; the scene records
// carry their own (CGlobalSettingsData::keyword and the like).
inline constexpr const char* kSectionObjectInfo = "object_info";
inline constexpr const char* kSectionLightInfo = "light_info";
inline constexpr const char* kSectionMaterialInfo = "material_info";
inline constexpr const char* kSectionWndInfo = "wnd_info";
inline constexpr const char* kSectionBackgroundInfo = "background_info";
inline constexpr const char* kSectionIncludeFile = "include_file";
inline constexpr const char* kSectionMegaPovInfo = "megapov_info";
inline constexpr const char* kSectionAspect = "aspect";
inline constexpr const char* kSectionObjectCpInfo = "object_cp_info";
inline constexpr const char* kSectionMemoCamera = "memo_camera";
inline constexpr const char* kSectionMaterialAxis = "material_axis";
inline constexpr const char* kSectionPolygonInfo = "polygon_info";
inline constexpr const char* kSectionMaterialAxisPolygon = "material_axis_polygon";
inline constexpr const char* kSectionBgImage = "bg_image";
inline constexpr const char* kSectionDefaultMatSetting = "default_mat_setting";
inline constexpr const char* kSectionFolderInfo = "folder_info";
inline constexpr const char* kSectionObjectTree = "object_tree";
inline constexpr const char* kSectionObjectInfo2 = "object_info2";
inline constexpr const char* kSectionLightInfo2 = "light_info2";
inline constexpr const char* kSectionVertexExtInfo = "vertex_ext_info";
inline constexpr const char* kSectionEnd = "end";

// Writes every section of doc, in file order, lists in list order. A name
// that CP932 cannot hold throws CArchiveException (badCharacter).
void WriteDocument(CQuelDoc& doc, CArchive& ar);

enum FileProblem {
    fileUnreadable, // the file could not be read at all
    fileDamaged,    // it was read but is damaged or no document; nothing of it was taken
    fileNotSaved,   // it could not be written; an old file of that name is unchanged
    fileTooLarge,   // the memory for what it holds could not be had; nothing of it was taken
    fileOpenedAnew, // the memory ran out after the open document was closed: a new one took its place
};
// The message box, in the user's language, that says what went wrong with
// path; detail says where or why.
void ReportFileProblem(FileProblem problem, const CString& path, const std::string& detail);
// The report for a file that could not be opened or inserted: unreadable or
// damaged by the failure's cause.
void ReportReadFailure(const CString& path, const CArchiveException& failure);

// Runs read on the file at path; false, after failed() and then telling the
// user, when the file cannot be read, is damaged or needs more memory than
// there is.
template <class Read, class Failed> bool ReadDocumentFile(const CString& path, Read read, Failed failed) {
    try {
        read();
        return true;
    } catch (const CArchiveException& e) {
        failed();
        ReportReadFailure(path, e);
    } catch (const std::bad_alloc&) {
        failed();
        ReportFileProblem(fileTooLarge, path, std::string());
    }
    return false;
}
