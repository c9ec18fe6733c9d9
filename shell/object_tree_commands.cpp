#include "shell/object_tree_commands.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "platform/base/modal_runner.h"

#include <memory>

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

// A new object named name with the geometry without its selection and the
// settings of source, made apart from the document.
std::unique_ptr<CSpatchObj> MakeObjectCopy(CSpatchObj& source, const CString& name) {
    auto copy = std::make_unique<CSpatchObj>();
    copy->AppendGeometry(&source, 0);
    CopyCurveWords(*copy, source);
    copy->CopySettings(&source);
    copy->SetName(name);
    return copy;
}

// A new item is made whole apart and saved into its step before the
// document takes it: what fails after takes it away again with the step.
CSpatchObj* AddSavedObject(CQuelDoc& doc, std::unique_ptr<CSpatchObj> made) {
    doc.m_undoBuffer.SaveObjectName(made.get());
    return doc.AddPatchObject(std::move(made));
}

CFolderObj* AddSavedFolder(CQuelDoc& doc, std::unique_ptr<CFolderObj> made) {
    doc.m_undoBuffer.SaveFolder(made.get());
    return doc.AddFolder(std::move(made));
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
    auto made = std::make_unique<CSpatchObj>();
    made->SetName(MakeSeriesName("patch_obj_"));
    made->SetColor(RandomColor());
    doc.m_undoBuffer.BeginRecord("(パッチ) オブジェクトを作成", "(Patch) Create Object", undoCreateObject);
    CSpatchObj* obj = AddSavedObject(doc, std::move(made));
    AddAndSelectItem(obj);
    RefreshMultiObjectList();
    return obj;
}

CFolderObj* CObjectTreeCommands::CreateFolder(CQuelDoc& doc) {
    auto made = std::make_unique<CFolderObj>();
    made->SetName(MakeSeriesName("group_"));
    made->SetColor(RandomColor());
    doc.m_undoBuffer.BeginRecord("フォルダを作成", "Create Folder", undoCreateFolder);
    CFolderObj* folder = AddSavedFolder(doc, std::move(made));
    AddAndSelectItem(folder);
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
    std::unique_ptr<CSpatchObj> made = MakeObjectCopy(source, MakeCopyName(source.GetName()));
    made->SetColor(RandomColor());
    doc.m_undoBuffer.BeginRecord("(パッチ) オブジェクトをコピー", "(Patch) Copy Object", undoCreateObject);
    CSpatchObj* copy = AddSavedObject(doc, std::move(made));
    AddAndSelectItem(copy);
    doc.RedrawPanes();
    RefreshMultiObjectList();
}

void CObjectTreeCommands::CopyFolderTree(CQuelDoc& doc, CFolderObj& source) {
    doc.m_undoBuffer.BeginRecord("(フォルダ) オブジェクトをコピー", "(Folder) Copy Object", undoCopyFolder);
    CopyFolder(doc, source, nullptr);
    doc.RedrawPanes();
    RefreshMultiObjectList();
}

CFolderObj* CObjectTreeCommands::CopyFolder(CQuelDoc& doc, CFolderObj& source, CFolderObj* parent) {
    auto made = std::make_unique<CFolderObj>();
    made->CopyAttributes(source);
    made->SetName(MakeCopyName(source.GetName()));
    CFolderObj* copy = AddSavedFolder(doc, std::move(made));
    doc.m_tree.MoveIntoFolder(copy, parent);
    AddItem(copy);
    // The members as they are now: the copies land in the new folder, never in source.
    const CRefList<CBaseObj> members = source.GetMembers();
    for (CBaseObj* member : members) {
        if (member->GetObjType() == objTypePatch) {
            auto& object = *static_cast<CSpatchObj*>(member);
            CSpatchObj* objectCopy =
                AddSavedObject(doc, MakeObjectCopy(object, MakeCopyName(object.GetName())));
            doc.m_tree.MoveIntoFolder(objectCopy, copy);
            AddItem(objectCopy);
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
