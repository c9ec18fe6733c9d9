#include "shell/object_tree_commands.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "platform/base/modal_runner.h"

namespace {

CObjectPageServices* ObjectPage() {
    return FindWindowService<CObjectPageServices>(wndObjectPage);
}

void AddAndSelectItem(CBaseObj* obj) {
    if (auto* page = ObjectPage()) {
        page->AddObjectTreeItem(obj);
        page->SelectObjectItem(obj);
    }
}

void AddItem(CBaseObj* obj) {
    if (auto* page = ObjectPage())
        page->AddObjectTreeItem(obj);
}

void RemoveItem(CBaseObj* obj) {
    if (auto* page = ObjectPage())
        page->RemoveObjectItem(obj);
}

CSpatchObj* AddNamedObject(CQuelDoc& doc, const CString& name) {
    CSpatchObj* obj = doc.AddPatchObject();
    obj->SetName(name);
    return obj;
}

// Geometry without its selection and settings of source; copy keeps its name.
void CopyContents(CSpatchObj& copy, CSpatchObj& source) {
    const CString name = copy.GetName();
    copy.AppendGeometry(&source, 0);
    CopyCurveWords(copy, source);
    copy.CopySettings(&source);
    copy.SetName(name);
}

} // namespace

void ApplyTreeSelection(CQuelDoc& doc, const CBaseObj* selection) {
    for (CSpatchObj* obj : doc.m_objects) {
        const int selected = obj == selection ? 1 : 0;
        obj->SetSelected(selected);
        if (!selected) {
            obj->SelectAllVertices(0);
            obj->SelectAllCurvePoints(0);
        }
    }
    for (CFolderObj* folder : doc.m_folders)
        folder->SetSelected(folder == selection ? 1 : 0);
    for (CPolygonObj* polygon : doc.m_polygonObjects)
        polygon->SetSelected(polygon == selection ? 1 : 0);
}

CObjectTreeCommands::CObjectTreeCommands(uint32_t seed) : m_random(seed) {}

uint32_t CObjectTreeCommands::RandomColor() {
    std::uniform_int_distribution<uint32_t> channel(0, 254);
    const uint32_t red = channel(m_random);
    const uint32_t green = channel(m_random);
    const uint32_t blue = channel(m_random);
    return red | green << 8 | blue << 16;
}

CSpatchObj* CObjectTreeCommands::CreatePatchObject(CQuelDoc& doc) {
    CSpatchObj* obj = doc.AddPatchObject();
    obj->SetName(MakeSeriesName("patch_obj_"));
    obj->SetColor(RandomColor());
    AddAndSelectItem(obj);
    doc.m_undoBuffer.BeginRecord("(パッチ) オブジェクトを作成", "(Patch) Create Object", undoCreateObject);
    doc.m_undoBuffer.SaveObjectName(obj);
    RefreshMultiObjectList();
    return obj;
}

CFolderObj* CObjectTreeCommands::CreateFolder(CQuelDoc& doc) {
    CFolderObj* folder = doc.AddFolder();
    folder->SetName(MakeSeriesName("group_"));
    folder->SetColor(RandomColor());
    AddAndSelectItem(folder);
    doc.m_undoBuffer.BeginRecord("フォルダを作成", "Create Folder", undoCreateFolder);
    doc.m_undoBuffer.SaveFolder(folder);
    RefreshMultiObjectList();
    return folder;
}

void CObjectTreeCommands::CopySelected(CQuelDoc& doc) {
    CBaseObj* item = GetSelectedItem();
    if (!item) {
        ShowMessage(msgNoObject);
        return;
    }
    if (item->GetObjType() == objTypePatch)
        CopyPatchObject(doc, *static_cast<CSpatchObj*>(item));
    else if (item->GetObjType() == objTypeFolder)
        CopyFolderTree(doc, *static_cast<CFolderObj*>(item));
}

void CObjectTreeCommands::CopyPatchObject(CQuelDoc& doc, CSpatchObj& source) {
    CSpatchObj* copy = AddNamedObject(doc, MakeCopyName(source.GetName()));
    AddItem(copy);
    CopyContents(*copy, source);
    copy->SetColor(RandomColor());
    if (auto* page = ObjectPage())
        page->SelectObjectItem(copy);
    doc.RedrawPanes();
    doc.m_undoBuffer.BeginRecord("(パッチ) オブジェクトをコピー", "(Patch) Copy Object", undoCreateObject);
    doc.m_undoBuffer.SaveObjectName(copy);
    RefreshMultiObjectList();
}

void CObjectTreeCommands::CopyFolderTree(CQuelDoc& doc, CFolderObj& source) {
    doc.m_undoBuffer.BeginRecord("(フォルダ) オブジェクトをコピー", "(Folder) Copy Object", undoCopyFolder);
    CopyFolder(doc, source, nullptr);
    doc.RedrawPanes();
    RefreshMultiObjectList();
}

CFolderObj* CObjectTreeCommands::CopyFolder(CQuelDoc& doc, CFolderObj& source, CFolderObj* parent) {
    const CString name = MakeCopyName(source.GetName());
    CFolderObj* copy = doc.AddFolder();
    copy->SetName(name);
    doc.m_tree.MoveIntoFolder(copy, parent);
    AddItem(copy);
    copy->CopyAttributes(source);
    copy->SetName(name);
    doc.m_undoBuffer.SaveFolder(copy);
    // The members as they are now: the copies land in the new folder, never in source.
    const CRefList<CBaseObj> members = source.GetMembers();
    for (CBaseObj* member : members) {
        if (member->GetObjType() == objTypePatch) {
            auto& object = *static_cast<CSpatchObj*>(member);
            CSpatchObj* objectCopy = AddNamedObject(doc, MakeCopyName(object.GetName()));
            doc.m_tree.MoveIntoFolder(objectCopy, copy);
            AddItem(objectCopy);
            CopyContents(*objectCopy, object);
            doc.m_undoBuffer.SaveObjectName(objectCopy);
        } else if (member->GetObjType() == objTypeFolder) {
            CopyFolder(doc, *static_cast<CFolderObj*>(member), copy);
        }
    }
    return copy;
}

void CObjectTreeCommands::DeleteSelected(CQuelDoc& doc) {
    CBaseObj* item = GetSelectedItem();
    if (!item) {
        ShowMessage(msgNoObject);
        return;
    }
    if (ShowMessage(msgDeleteObject, item->GetName()) != IDYES)
        return;
    bool repaint = true;
    switch (item->GetObjType()) {
    case objTypePatch: {
        auto* obj = static_cast<CSpatchObj*>(item);
        doc.m_undoBuffer.BeginRecord("(パッチ) オブジェクトを削除", "(Patch) Delete Object",
                                     undoDeleteObject);
        doc.m_undoBuffer.SaveWholePatchObject(obj);
        repaint = !obj->GetVertices().IsEmpty();
        RemoveItem(obj);
        doc.DeleteObject(obj);
        break;
    }
    case objTypeFolder:
        doc.m_undoBuffer.BeginRecord("(フォルダ）オブジェクトを削除", "(Folder) Delete", undoDeleteFolder);
        doc.m_undoBuffer.SaveDeletedFolder(static_cast<CFolderObj*>(item));
        RemoveItem(item);
        doc.DeleteObject(item);
        break;
    case objTypePolygon: {
        auto* polygon = static_cast<CPolygonObj*>(item);
        doc.m_undoBuffer.BeginRecord("(ポリゴン) オブジェクトを削除", "(Polygon) Delete Object",
                                     undoDeletePolygon);
        doc.m_undoBuffer.SaveDeletedPolygon(polygon);
        RemoveItem(polygon);
        doc.m_polygonObjects.Remove(polygon);
        break;
    }
    default:
        return;
    }
    if (repaint)
        PostToRegisteredWindows(notifyRepaintPanes);
    RefreshMultiObjectList();
}
