#pragma once
// What one document file holds, read apart from the document: Open and
// File > Insert read a file into a buffer first and move it into the
// document only when the whole file was read. New elements get identifier
// keys and material ids that continue the document's counters; before they
// move, their names are made unique against the document. It lives on the
// stack of one load or insert.
#include "app/default_material.h"
#include "app/doc_ids.h"
#include "app/hdr_background.h"
#include "app/light_data.h"
#include "app/material_data.h"
#include "app/object_tree.h"
#include "app/scene_settings.h"
#include "app/underlay_image.h"
#include "mesh/polygon_obj.h"
#include "model/camera.h"
#include "model/folder_obj.h"
#include "model/spatch_obj.h"
#include "platform/base/obj_list.h"
#include "platform/base/win_types.h"

#include <array>
#include <memory>
#include <vector>

class CQuelDoc;

class CSceneBuffer {
public:
    // The parts a merge may take, one take flag each.
    enum Part {
        takeObjects, // patch objects, folders and polygon objects
        takeLights,
        takeMaterials,
        takeCameras, // the pane cameras and the aspect ratio
        takeBackgroundColor,
        takeDefaultMaterial,
        takeIncludeFiles,
        takeGlobalSettings,
        takeRadiosity, // both radiosity records
        takeMemoCameras,
        takePostProcess, // with the MegaPOV values
        takeUnderlays,
        takeHdr,
        partCount,
    };

    explicit CSceneBuffer(CQuelDoc& doc);
    virtual ~CSceneBuffer();
    CSceneBuffer(const CSceneBuffer&) = delete;
    CSceneBuffer& operator=(const CSceneBuffer&) = delete;

    CQuelDoc& GetDocument() const { return m_doc; }

    // New elements at the end of the buffer's lists; patch objects and
    // folders also at the top of its hierarchy. Keys and ids continue the
    // document's counters, taken when the first of them is made.
    CSpatchObj* AddPatchObject();
    // The same for an object already made; it takes the next key.
    CSpatchObj* AddPatchObject(std::unique_ptr<CSpatchObj> obj);
    CFolderObj* AddFolder();
    CLightData* AddLight();
    CMaterialData* AddMaterial();
    CPolygonObj* AddPolygonObject();
    void AddIncludeFile(const CString& name);
    // Keys and ids from 0, as after a reset: Open resets the document only
    // once the whole file was read. Call before anything is added.
    void TakeFreshCounters();

    void SetTakeFlags(int value) { m_take.fill(value); }
    void SetTakeFlag(Part part, int value) { m_take[part] = value; }
    int Takes(Part part) const { return m_take[part]; }

    // Renames the patch objects, then the folders, lights, materials and
    // polygon objects, in list order, whose name the document or an earlier
    // buffer element already has: base_01 .. base_09, base_10 ...
    void MakeNamesUnique();
    // Moves every part whose take flag is set into the document and copies
    // the records that were read; what is not taken stays here and dies with
    // the buffer. Material references of what moves are cleared when the
    // materials do not come along. Running out of memory leaves the document
    // as it was; the buffer's own values may have moved then.
    void MoveIntoDocument();
    // Deletes every element still in the buffer.
    void Clear();

    // The lists own what was read until it moves into the document. The
    // hierarchy refers to the patch objects and folders of these lists.
    CFolderList m_tree;
    CObjList<CSpatchObj> m_objects;
    CObjList<CFolderObj> m_folders;
    CObjList<CLightData> m_lights;
    CObjList<CMaterialData> m_materials;
    CObjList<CPolygonObj> m_polygonObjects;
    std::vector<CString> m_includeFiles;

    // Set by the reader for each section it read.
    int m_camerasRead = 0;
    int m_memoCamerasRead = 0;
    int m_globalSettingsRead = 0;
    int m_radiosityRead = 0;
    int m_radiosity2Read = 0;
    int m_postProcessRead = 0;
    int m_underlaysRead = 0;
    int m_backgroundColorRead = 0;
    int m_defaultMaterialRead = 0;
    int m_megaPovRead = 0;
    int m_hdrRead = 0;
    int m_aspectRead = 0;

    std::array<CCamera, kPaneCount> m_cameras;
    std::array<CCamera, kPaneCount> m_memoCameras;
    float m_aspect = 1.0f; // of pane camera 1
    COLORREF m_backgroundColor = 0;
    CGlobalSettingsData m_globalSettings;
    CRadiosityData m_radiosity;
    CRadiosity2Data m_radiosity2;
    CHdrBackground m_hdr;
    CPostProcessData m_postProcess;
    CDefaultMatSetting m_defaultMaterial;
    float m_megaPovVersion = 0.0f;
    int m_motionBlurCount = 0;
    float m_motionBlurTime = 0.0f;
    std::array<CString, kPaneCount> m_underlayFiles;
    std::array<CUnderlayImage, kPaneCount> m_underlays; // offset and scale only

private:
    void TakeCounters();
    void ClearMaterialReferences();

    CQuelDoc& m_doc;
    int m_countersTaken = 0;
    int m_nextObjectKey = 0;
    int m_nextMaterialId = 0;
    int m_nextFolderKey = 0;
    std::array<int, partCount> m_take;
};
