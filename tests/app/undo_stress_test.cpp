// Ten thousand random edits of every undo kind on a mid-size scene, with
// undo, depth changes and selection changes in between: nothing crashes
// (the sanitizers watch), names stay unique, and every undo gives back the
// scene as it was before the step it takes back.
#include "undo_fixture.h"

#include <deque>
#include <random>
#include <set>

using qf::test::SameScene;
using qf::test::SceneSnapshot;

namespace {

class RandomEditor {
public:
    // Edits that add to a list skip it once it holds this many, so the scene stays mid-size.
    static constexpr int maxObjects = 24;
    static constexpr int maxOthers = 10;

    RandomEditor(UndoTest& test, std::mt19937& rng)
        : t(test), doc(test.Doc()), undo(test.Buffer()), rng(rng) {}

    // One recorded edit of a random kind; false when the scene offers nothing for it.
    bool Edit() {
        switch (Pick(22)) {
        case 0:
            return WithObject([this](CSpatchObj* o) {
                Record(undoPatchGeometry);
                undo.SavePatchGeometry(o);
                o->FlipX();
                ChangeSomeHandle(o);
            });
        case 1:
            return WithObject([this](CSpatchObj* o) {
                Record(undoPatchPositions);
                undo.SavePatchPositions(o);
                o->ToggleVisibleSelected();
                o->SetFivePointFlag(fivePointInvert);
                MoveSomePoint(o);
            });
        case 2:
            return WithObject([this](CSpatchObj* o) {
                Record(undoPatchCurves);
                undo.SavePatchCurves(o);
                o->SetSharp(Pick(2));
                o->AddWeight(0.1f);
                ChangeSomeHandle(o);
            });
        case 3:
            return WithObject([this](CSpatchObj* o) {
                Record(undoWholeObject, "(パッチ) 頂点を削除");
                undo.SaveWholePatchObject(o);
                if (Pick(2))
                    o->DeleteSelectedVertices();
                else
                    o->AddStarShape(1.0f, 0.4f);
            });
        case 4:
            // A one-point translate drag that ends without joining points.
            return WithObject([this](CSpatchObj* o) {
                Record(undoWholeObject, "(パッチ) 移動");
                undo.SaveWholePatchObject(o);
                MoveSomePoint(o);
                undo.ReduceToPositions();
            });
        case 5:
            return WithObject([this](CSpatchObj* o) {
                Record(undoObjectInfo);
                undo.SaveObjectInfo(o, Pick(2));
                o->SetColor(rng() & 0xFFFFFF);
                o->SetMirrorMode(Pick(3));
                o->GetMaterialSlot(Pick(5))->m_materialId = SomeMaterialId();
                o->SetSeeThroughAmount(Pick(100));
            });
        case 6:
            return WithObject([this](CSpatchObj* o) {
                Record(undoObjectInfoRebuild);
                undo.SaveObjectInfo(o, 1);
                o->SetFivePointOn(1 - o->GetFivePointOn());
                o->SetSmoothing(Pick(2));
                o->Rebuild();
            });
        case 7: {
            Record(undoManyObjects);
            for (CSpatchObj* o : doc.m_objects)
                if (Pick(2)) {
                    undo.SavePatchGeometry(o);
                    MoveSomePoint(o);
                    ChangeSomeHandle(o);
                }
            return true;
        }
        case 8:
            return WithObject([this](CSpatchObj* o) {
                Record(undoObjectName);
                undo.SaveObjectName(o);
                o->SetName(NewName("renamed_"));
                undo.SaveObjectName(o);
            });
        case 9:
            return WithObject([this](CSpatchObj* o) {
                Record(undoDeleteObject);
                undo.SaveWholePatchObject(o);
                doc.DeleteObject(o);
            });
        case 10:
            if (doc.m_polygonObjects.GetCount() >= maxOthers)
                return false;
            return WithObject([this](CSpatchObj* o) {
                Record(undoConvertPolygon);
                undo.SaveWholePatchObject(o);
                CPolygonObj* polygon = doc.AddPolygonObject();
                polygon->SetName(o->GetName());
                undo.SavePolygonName(polygon);
                doc.DeleteObject(o);
            });
        case 11: {
            if (doc.m_objects.GetCount() >= maxObjects)
                return false;
            CSpatchObj* o = t.AddObject(NewName("created_"), 1 + Pick(3), SomeFolder());
            Record(undoCreateObject);
            undo.SaveObjectName(o);
            return true;
        }
        case 12: {
            if (doc.m_folders.GetCount() >= maxOthers)
                return false;
            CFolderObj* folder = t.AddFolder(NewName("group_"), SomeFolder());
            Record(undoCreateFolder);
            undo.SaveFolder(folder);
            return true;
        }
        case 13:
            return WithFolder([this](CFolderObj* f) {
                switch (Pick(3)) {
                case 0:
                    Record(undoFolderName);
                    undo.SaveFolder(f);
                    f->SetName(NewName("folder_"));
                    undo.SaveFolder(f);
                    break;
                case 1:
                    Record(undoFolderInfo);
                    undo.SaveFolderInfo(f, 1);
                    f->SetShow(Pick(2));
                    f->SetColor(rng() & 0xFFFFFF);
                    break;
                default:
                    Record(undoDeleteFolder);
                    undo.SaveDeletedFolder(f);
                    doc.DeleteObject(f);
                    break;
                }
            });
        case 14: {
            CBaseObj* node = Pick(2) ? static_cast<CBaseObj*>(SomeObject()) : SomeFolder();
            CFolderObj* target = SomeFolder();
            if (!node || !CanMoveIntoFolder(node, target))
                return false;
            Record(undoParentChange);
            undo.SaveParentChange(node, target);
            doc.m_tree.MoveIntoFolder(node, target);
            return true;
        }
        case 15:
            if (doc.m_folders.GetCount() >= maxOthers || doc.m_objects.GetCount() >= maxObjects)
                return false;
            return WithFolder([this](CFolderObj* f) {
                Record(undoCopyFolder);
                CopyFolder(*f, nullptr);
            });
        case 16: {
            if (doc.m_lights.GetCount() >= maxOthers)
                return false;
            CLightData* light = t.AddLight(NewName("light_"));
            Record(undoCreateLight);
            undo.SaveLightName(light);
            return true;
        }
        case 17:
            return WithLight([this](CLightData* light) {
                switch (Pick(3)) {
                case 0:
                    Record(undoDeleteLight);
                    undo.SaveLight(light);
                    doc.m_lights.Remove(light);
                    break;
                case 1:
                    Record(undoLightName);
                    undo.SaveLightName(light);
                    light->m_name = NewName("lamp_");
                    undo.SaveLightName(light);
                    break;
                default:
                    Record(undoLightPosition);
                    undo.SaveLightPosition(light);
                    light->m_location = light->m_location + CVector3(1.0f, 0.0f, 0.5f);
                    break;
                }
            });
        case 18: {
            if (doc.m_materials.GetCount() >= maxOthers)
                return false;
            CMaterialData* mat = t.AddMaterial(NewName("material_"));
            Record(undoCreateMaterial);
            undo.SaveMaterialName(mat);
            return true;
        }
        case 19:
            return WithMaterial([this](CMaterialData* mat) {
                if (Pick(2)) {
                    Record(undoDeleteMaterial);
                    undo.SaveMaterial(mat);
                    doc.m_materials.Remove(mat);
                } else {
                    Record(undoMaterialName);
                    undo.SaveMaterialName(mat);
                    mat->m_name = NewName("paint_");
                    undo.SaveMaterialName(mat);
                }
            });
        case 20: {
            CPolygonObj* polygon = Random(doc.m_polygonObjects);
            if (!polygon)
                return false;
            Record(undoPolygonName);
            undo.SavePolygonName(polygon);
            polygon->SetName(NewName("polygon_"));
            undo.SavePolygonName(polygon);
            return true;
        }
        default:
            if (doc.m_objects.GetCount() >= maxObjects || doc.m_folders.GetCount() >= maxOthers)
                return false;
            BringIn();
            return true;
        }
    }

    // What is not recorded: which points, curve nodes and object are selected.
    void ChangeSelection() {
        for (CSpatchObj* o : doc.m_objects) {
            o->SetSelected(0);
            for (CPatchVertex* v : o->GetVertices())
                v->SetSelected(Pick(4) == 0);
            o->SelectAllCurvePoints(0);
        }
        if (CSpatchObj* o = SomeObject())
            o->SetSelected(1);
    }

    int Pick(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }

private:
    void Record(int kind, const char* japanese = "(テスト)") {
        undo.BeginRecord();
        undo.SetDescription(japanese, "(Test)");
        undo.SetKind(kind);
    }

    CString NewName(const char* prefix) { return CString(prefix) + IntToString(++serial); }

    template <class T> T* Random(const CObjList<T>& list) {
        return list.IsEmpty() ? nullptr : list.GetAtIndex(Pick(list.GetCount()));
    }
    CSpatchObj* SomeObject() { return Random(doc.m_objects); }
    // A folder, or null for the top level.
    CFolderObj* SomeFolder() { return Pick(3) == 0 ? nullptr : Random(doc.m_folders); }
    int SomeMaterialId() {
        CMaterialData* mat = Random(doc.m_materials);
        return mat && Pick(4) ? mat->m_id : -1;
    }

    template <class T, class Fn> bool With(T* item, Fn fn) {
        if (!item)
            return false;
        fn(item);
        return true;
    }
    template <class Fn> bool WithObject(Fn fn) { return With(SomeObject(), fn); }
    template <class Fn> bool WithFolder(Fn fn) { return With(Random(doc.m_folders), fn); }
    template <class Fn> bool WithLight(Fn fn) { return With(Random(doc.m_lights), fn); }
    template <class Fn> bool WithMaterial(Fn fn) { return With(Random(doc.m_materials), fn); }

    void MoveSomePoint(CSpatchObj* o) {
        if (CPatchVertex* v = Random(o->GetVertices()))
            v->Set(v->GetX() + 0.5f, v->GetY() - 0.25f, v->GetZ());
        o->UpdateCurveHandles();
    }
    void ChangeSomeHandle(CSpatchObj* o) {
        CCurve* curve = Random(o->GetCurves());
        if (CCurvePoint* node = curve ? Random(curve->m_nodes) : nullptr) {
            node->m_manualIn = 1;
            node->m_offsetIn = CVector3(0.1f * Pick(5), 0.2f, -0.1f);
        }
        o->UpdateCurveHandles();
    }

    // The folder's copy, with copies of everything below it, as the folder copy command makes it.
    void CopyFolder(const CFolderObj& source, CFolderObj* parent) {
        CFolderObj* copy = t.AddFolder(MakeCopyName(source.GetName()), parent);
        copy->CopyAttributes(source);
        copy->SetName(MakeCopyName(source.GetName()));
        undo.SaveFolder(copy);
        const CRefList<CBaseObj> members = source.GetMembers();
        for (CBaseObj* member : members) {
            if (member->GetObjType() == objTypeFolder) {
                CopyFolder(*static_cast<CFolderObj*>(member), copy);
            } else if (member->GetObjType() == objTypePatch) {
                auto* original = static_cast<CSpatchObj*>(member);
                CSpatchObj* obj = doc.AddPatchObject();
                obj->AppendGeometry(original, 0);
                obj->CopySettings(original);
                obj->SetName(MakeCopyName(original->GetName()));
                doc.m_tree.MoveIntoFolder(obj, copy);
                undo.SaveObjectName(obj);
            }
        }
    }

    void BringIn() {
        Record(Pick(2) ? undoImport : undoInsert);
        undo.SaveScene();
        t.AddObject(NewName("imported_"), 2, t.AddFolder(NewName("imported_group_")));
        t.AddObject(NewName("imported_"), 1);
        t.AddLight(NewName("imported_light_"));
        t.AddMaterial(NewName("imported_material_"));
        if (doc.m_polygonObjects.GetCount() < maxOthers)
            t.AddPolygon(NewName("imported_polygon_"));
        doc.m_globalSettings.m_maxTraceLevel = Pick(30);
        doc.m_cameras[Pick(kPaneCount)].m_eye = CVector3(static_cast<float>(Pick(9)), 2.0f, 3.0f);
        doc.m_includeFiles.push_back(NewName("include_"));
        doc.m_underlayFiles[Pick(kPaneCount)] = NewName("sketch_");
        doc.m_defaultMaterial.m_referencedMaterial = SomeMaterialId();
    }

    UndoTest& t;
    CQuelDoc& doc;
    CUndoBuffer& undo;
    std::mt19937& rng;
    int serial = 0;
};

} // namespace

class UndoStressTest : public UndoTest {};

TEST_F(UndoStressTest, TenThousandRandomEditsWithUndoKeepNamesUniqueAndUndoExact) {
    BuildMidSizeScene();
    for (int i = 0; i < 6; ++i)
        AddObject(("extra_" + std::to_string(i)).c_str(), 4 + i % 3,
                  i % 2 ? FindFolderByName(i % 3 ? "group_01" : "group_03") : nullptr);
    std::mt19937 rng(7);
    RandomEditor editor(*this, rng);
    // The scene before each step Undo can still take back, oldest first.
    std::deque<SceneSnapshot> before;
    std::set<int> undoneKinds;
    for (int step = 0; step < 10000; ++step) {
        const int roll = editor.Pick(100);
        if (roll < 30) {
            const bool undoable = Buffer().CanUndo();
            if (undoable)
                undoneKinds.insert(Buffer().GetRecord(Buffer().GetPosition() - 1)->m_kind);
            Buffer().Undo();
            DispatchPostedMessages();
            if (undoable) {
                ASSERT_TRUE(SameScene(before.back(), Snapshot())) << "step " << step;
                before.pop_back();
            }
        } else if (roll < 32) {
            Buffer().SetMaxLevels(editor.Pick(20));
        } else if (roll < 40) {
            editor.ChangeSelection();
        } else {
            before.push_back(Snapshot());
            if (!editor.Edit())
                before.pop_back();
        }
        while (static_cast<int>(before.size()) > Buffer().GetPosition())
            before.pop_front();
        ASSERT_EQ(static_cast<int>(before.size()), Buffer().GetPosition()) << "step " << step;
        ASSERT_EQ(DuplicateNames(), "") << "step " << step;
    }
    EXPECT_EQ(undoneKinds.size(), 27u) << "every kind was taken back";
    EXPECT_LE(Doc().m_objects.GetCount(), RandomEditor::maxObjects + 20) << "the scene stayed mid-size";
}
