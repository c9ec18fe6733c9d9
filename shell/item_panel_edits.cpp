#include "shell/item_panel_edits.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "shell/object_info_edits.h"

void RenameFolder(CQuelDoc& doc, CFolderObj& folder, const CString& name) {
    doc.m_undoBuffer.BeginRecord("(グループ) 名前を変更", "(Group) Change Name", undoFolderName);
    doc.m_undoBuffer.SaveFolder(&folder);
    doc.m_undoBuffer.SaveNewName(name);
    folder.SetName(name);
    PostToRegisteredWindows(notifyRenameTreeItems);
    RefreshMultiObjectList();
    SetModifiedForFrame();
}

void SetFolderShow(CQuelDoc& doc, CFolderObj& folder, int show) {
    doc.m_undoBuffer.BeginRecord("(フォルダ情報) 変更", "(Folder Info) Change", undoFolderInfo);
    doc.m_undoBuffer.SaveFolderInfo(&folder, 1);
    folder.SetShow(show);
    PostToRegisteredWindows(notifyRepaintPanes);
}

void SetFolderExport(CQuelDoc& doc, CFolderObj& folder, int exportOn) {
    doc.m_undoBuffer.BeginRecord("(フォルダ情報) 変更", "(Folder Info) Change", undoFolderInfo);
    doc.m_undoBuffer.SaveFolderInfo(&folder, 0);
    folder.SetExport(exportOn);
}

CPolygonValues ReadPolygonValues(const CPolygonObj& polygon) {
    CPolygonValues v;
    v.name = polygon.GetName();
    v.color = polygon.GetColor();
    v.show = polygon.GetShow();
    v.exportOn = polygon.GetExport();
    v.noShadow = polygon.GetNoShadow();
    v.editDisabled = polygon.IsEditable() ? 0 : 1;
    v.oneSide = polygon.GetCullBackFaces();
    v.smooth = polygon.GetSmooth();
    v.angle = polygon.GetSmoothingAngle();
    v.layer = polygon.GetCurrentSlot();
    const CTransformData* slot = polygon.GetMaterialSlot(polygon.GetCurrentSlot());
    v.useMaterial = slot ? slot->m_slotOption : 0;
    v.materialName = SlotMaterialName(polygon);
    return v;
}

void ChangePolygon(CQuelDoc& doc, CPolygonObj& polygon, PolygonField field, const CPolygonValues& v) {
    switch (field) {
    case PolygonField::color:
        polygon.SetColor(v.color);
        RepaintSurfacePanes(doc);
        break;
    case PolygonField::show:
        polygon.SetShow(v.show);
        doc.RedrawPanes();
        break;
    case PolygonField::exportOn:
        polygon.SetExport(v.exportOn);
        break;
    case PolygonField::noShadow:
        polygon.SetNoShadow(v.noShadow);
        break;
    case PolygonField::editDisabled:
        polygon.SetEditable(v.editDisabled ? 0 : 1);
        break;
    case PolygonField::oneSide:
        polygon.SetCullBackFaces(v.oneSide);
        doc.RedrawPanes();
        break;
    case PolygonField::smooth:
    case PolygonField::angle:
        if (field == PolygonField::smooth)
            polygon.SetSmooth(v.smooth);
        else
            polygon.SetSmoothingAngle(v.angle);
        polygon.LinkAdjacency();
        polygon.ComputeNormals();
        polygon.ClearAdjacency();
        doc.RedrawPanes();
        break;
    case PolygonField::useMaterial:
        if (CTransformData* slot = polygon.GetMaterialSlot(polygon.GetCurrentSlot()))
            slot->m_slotOption = v.useMaterial;
        break;
    }
    SetModifiedForPanels();
}

void RenamePolygon(CQuelDoc& doc, CPolygonObj& polygon, const CString& name) {
    doc.m_undoBuffer.BeginRecord("(ポリゴン) 名前を変更", "(Polygon) Change Name", undoPolygonName);
    doc.m_undoBuffer.SavePolygonName(&polygon);
    doc.m_undoBuffer.SaveNewName(name);
    polygon.SetName(name);
    PostToRegisteredWindows(notifyRenameTreeItems);
    RefreshMultiObjectList();
}
