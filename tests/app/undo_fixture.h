#pragma once
// A document with recording windows under the ids the undo restore talks to
// (the four panes, the object, light and material pages and their panels),
// helpers that add named scene elements, record a step as a command does, and
// a mid-size scene to edit: nested folders, patch objects with manual handles,
// flags and material slots, lights, materials and a polygon object.
#include "app/doc_helpers.h"
#include "doc_fixture.h"
#include "support/model_shapes.h"
#include "support/scene_snapshot.h"

#include <algorithm>
#include <set>
#include <string>

// Public, so that tables of edits can drive it.
class UndoTest : public DocTest {
public:
    // Registry id of the material page's panel.
    static constexpr int materialPanel = 344;

    void SetUp() override {
        DocTest::SetUp();
        panes = RegisterPanes();
        objectPage = &Register(wndObjectPage);
        lightPage = &Register(wndLightPage);
        materialPage = &Register(wndMaterialPage);
        objectPanel = &Register(wndObjectPanel1);
        polygonPanel = &Register(wndObjectPanel2);
        lightPanel = &Register(wndLightPanel);
        materialPanelWindow = &Register(materialPanel);
    }

    CQuelDoc& Doc() { return *doc; }
    CUndoBuffer& Buffer() { return doc->m_undoBuffer; }

    // BeginRecord, the two descriptions and the kind, as every recorder starts.
    void Record(int kind, const char* japanese = "(テスト)", const char* english = "(Test)") {
        Buffer().BeginRecord();
        Buffer().SetDescription(japanese, english);
        Buffer().SetKind(kind);
    }

    // A patch object with an n x n grid, in folder when one is given.
    CSpatchObj* AddObject(const char* name, int n, CFolderObj* folder = nullptr) {
        CSpatchObj* obj = doc->AddPatchObject();
        obj->SetName(name);
        obj->AppendGeometry(qf::test::MakeFlatQuadGrid(n).get(), 0);
        if (folder)
            doc->m_tree.MoveIntoFolder(obj, folder);
        return obj;
    }
    CFolderObj* AddFolder(const char* name, CFolderObj* parent = nullptr) {
        CFolderObj* folder = doc->AddFolder();
        folder->SetName(name);
        if (parent)
            doc->m_tree.MoveIntoFolder(folder, parent);
        return folder;
    }
    CLightData* AddLight(const char* name) {
        CLightData* light = doc->AddLight();
        light->m_name = name;
        return light;
    }
    CMaterialData* AddMaterial(const char* name) {
        CMaterialData* mat = doc->AddMaterial();
        mat->m_name = name;
        return mat;
    }
    CPolygonObj* AddPolygon(const char* name) {
        CPolygonObj* polygon = doc->AddPolygonObject();
        polygon->SetName(name);
        for (int i = 0; i < 4; ++i)
            polygon->AddVertex(static_cast<float>(i % 2), static_cast<float>(i / 2), 0.0f);
        polygon->SetQuadFace(polygon->AddFace(), 0, 1, 3, 2);
        return polygon;
    }
    CPolygonObj* FindPolygon(const char* name) {
        for (CPolygonObj* polygon : doc->m_polygonObjects)
            if (polygon->GetName() == name)
                return polygon;
        return nullptr;
    }

    // Folders group_00 > group_01 > group_02 and an empty group_03; patch
    // objects at every level, the first selected with two selected points,
    // manual handles, a non-corner point, five-point flags, marker values,
    // curve words and material slots; two lights, three materials (glass the
    // default material), a polygon object. Every list and every folder ends
    // with what was made last, and the deepest things are made last, so that
    // an undo which re-creates them at the ends of their lists gives back the
    // same document file.
    void BuildMidSizeScene() {
        CMaterialData* chrome = AddMaterial("chrome");
        CMaterialData* wood = AddMaterial("wood");
        CMaterialData* glass = AddMaterial("glass");
        glass->m_declaredName = "M_Glass";
        doc->m_defaultMaterial.m_referencedMaterial = glass->m_id;
        AddLight("key_light")->m_location = CVector3(1.0f, 8.0f, -3.0f);
        AddLight("fill_light")->m_type = lightSpot;
        AddFolder("group_03");
        CFolderObj* outer = AddFolder("group_00");
        CSpatchObj* top = AddObject("patch_obj_00", 4);
        AddObject("patch_obj_01", 3, outer);
        CFolderObj* middle = AddFolder("group_01", outer);
        AddObject("patch_obj_02", 2, middle)->GetMaterialSlot(0)->m_materialId = chrome->m_id;
        CFolderObj* inner = AddFolder("group_02", middle);
        CSpatchObj* deep = AddObject("patch_obj_03", 3, inner);
        deep->GetMaterialSlot(1)->m_materialId = wood->m_id;
        deep->SetColor(0x336699);
        deep->GetCurves().GetTail()->m_curveWord = 0x1234;
        CSpatchObj* last = AddObject("patch_obj_04", 2, inner);
        last->SetMirrorMode(1);
        last->GetMaterialSlot(2)->m_materialId = glass->m_id;
        last->GetCurves().GetHead()->m_curveWord = 77;
        qf::test::PointsOf(*last)[4]->m_markerValues = {3, -4};
        AddPolygon("polygon_obj_00");

        top->SetSelected(1);
        auto points = qf::test::PointsOf(*top);
        points[6]->m_selected = 1;
        points[7]->m_selected = 1;
        points[12]->m_visible = 0;
        for (int i : {0, 1, 5})
            points[i]->m_fivePoint = 1;
        top->GetCurves().GetHead()->m_curveWord = 0x5A5A;
        CCurvePoint* node = qf::test::NodeAt(*top, 1, 2);
        node->m_manualOut = 1;
        node->m_offsetOut = CVector3(0.1f, 0.4f, 0.0f);
        node->m_weight = 0.5f;
        qf::test::NodeAt(*top, 2, 1)->m_sharp = 1;
        top->UpdateCurveHandles();
    }

    qf::test::SceneSnapshot Snapshot() const { return qf::test::SceneSnapshot(*doc); }

    // Every name of patch objects, folders, polygon objects, lights and materials; "" when all are unique.
    std::string DuplicateNames() const {
        std::set<std::string> seen;
        std::string duplicates;
        const auto add = [&](const CString& name) {
            if (!seen.insert(name.str()).second)
                duplicates += " " + name.str();
        };
        for (const CSpatchObj* o : doc->m_objects)
            add(o->GetName());
        for (const CFolderObj* f : doc->m_folders)
            add(f->GetName());
        for (const CPolygonObj* p : doc->m_polygonObjects)
            add(p->GetName());
        for (const CLightData* l : doc->m_lights)
            add(l->m_name);
        for (const CMaterialData* m : doc->m_materials)
            add(m->m_name);
        return duplicates;
    }

    // Forgets what the windows were told so far.
    void ClearCalls() {
        for (auto& window : windows) {
            window->calls.clear();
            window->received.clear();
        }
    }
    // The WM_DOC_NOTIFY codes window received, in order.
    static std::vector<LPARAM> Codes(const qf::test::RecordingDocWindow& window) {
        std::vector<LPARAM> codes;
        for (const qf::test::RecordedMessage& m : window.received)
            if (m.message == WM_DOC_NOTIFY)
                codes.push_back(m.lParam);
        return codes;
    }
    int PaneRedraws() const {
        int n = 0;
        for (const auto* pane : panes)
            n += static_cast<int>(std::count(pane->calls.begin(), pane->calls.end(), "RedrawNow"));
        return n;
    }

    std::vector<qf::test::RecordingDocWindow*> panes;
    qf::test::RecordingDocWindow* objectPage = nullptr;
    qf::test::RecordingDocWindow* lightPage = nullptr;
    qf::test::RecordingDocWindow* materialPage = nullptr;
    qf::test::RecordingDocWindow* objectPanel = nullptr;
    qf::test::RecordingDocWindow* polygonPanel = nullptr;
    qf::test::RecordingDocWindow* lightPanel = nullptr;
    qf::test::RecordingDocWindow* materialPanelWindow = nullptr;
};
