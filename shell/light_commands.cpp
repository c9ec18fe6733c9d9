#include "shell/light_commands.h"

#include "app/doc_helpers.h"
#include "app/light_data.h"
#include "app/quel_doc.h"
#include "app/undo_buffer.h"
#include "platform/base/archive.h"
#include "platform/base/modal_runner.h"

#include <algorithm>
#include <memory>
#include <string>
#include <utility>

namespace {

CLightPageServices* LightPage() {
    return FindWindowService<CLightPageServices>(wndLightPage);
}

// Shows the new light's item, selected: the panel then edits it.
void ShowNewLight(CLightData* light) {
    if (CLightPageServices* page = LightPage())
        page->AddLightItem(light, TRUE);
}

// Gives the document made, a light made whole apart, as one step: the step
// is recorded before the document takes the light, so that what fails after
// takes the light away again with it.
CLightData* AddNewLight(CQuelDoc& doc, std::unique_ptr<CLightData> made, const char* japanese,
                        const char* english) {
    CObjList<CLightData>::Extracted light = CObjList<CLightData>::Prepare(std::move(made));
    CUndoBuffer& undo = doc.m_undoBuffer;
    undo.BeginRecord(japanese, english, undoCreateLight);
    undo.SaveLightName(light.get());
    CLightData* added = light.get();
    doc.m_lights.AddTail(std::move(light));
    ShowNewLight(added);
    RedrawAllPanes();
    return added;
}

// Whether the field shows in the panes.
bool ShowsInPanes(LightField field) {
    switch (field) {
    case LightField::color:
    case LightField::location:
    case LightField::pointAt:
    case LightField::type:
    case LightField::radius:
    case LightField::falloff:
    case LightField::areaSizeU:
    case LightField::areaSizeV:
    case LightField::axisU:
    case LightField::axisV:
        return true;
    default:
        return false;
    }
}

void SetField(CLightData& light, LightField field, CLightValues& values) {
    switch (field) {
    case LightField::color:
        light.m_color = values.color;
        break;
    case LightField::location:
        light.m_location = values.location;
        break;
    case LightField::pointAt:
        light.m_pointAt = values.pointAt;
        break;
    case LightField::type:
        light.m_type = values.type;
        break;
    case LightField::shadowless:
        light.m_shadowless = values.shadowless;
        break;
    case LightField::mediaAttenuation:
        light.m_mediaAttenuation = values.mediaAttenuation;
        break;
    case LightField::mediaInteraction:
        light.m_mediaInteraction = values.mediaInteraction;
        break;
    case LightField::radius:
        light.m_radius = values.radius;
        light.m_falloff = values.falloff = std::max(light.m_falloff, values.radius);
        break;
    case LightField::falloff:
        light.m_falloff = values.falloff;
        light.m_radius = values.radius = std::min(light.m_radius, values.falloff);
        break;
    case LightField::tightness:
        light.m_tightness = values.tightness;
        break;
    case LightField::areaSizeU:
        light.m_areaSize1 = values.areaSizeU;
        break;
    case LightField::areaSizeV:
        light.m_areaSize2 = values.areaSizeV;
        break;
    case LightField::axisU:
        light.m_areaAxis1 = values.axisU;
        break;
    case LightField::axisV:
        light.m_areaAxis2 = values.axisV;
        break;
    case LightField::adaptive:
        light.m_adaptive = values.adaptive;
        break;
    case LightField::jitter:
        light.m_jitter = values.jitter;
        break;
    case LightField::areaSpot:
        light.m_areaSpotlight = values.areaSpot;
        break;
    case LightField::fade:
        light.m_fadeOn = values.fade;
        break;
    case LightField::fadeDistance:
        light.m_fadeDistance = values.fadeDistance;
        break;
    case LightField::fadePower:
        light.m_fadePower = values.fadePower;
        break;
    case LightField::parallel:
        light.m_parallel = values.parallel;
        break;
    case LightField::circular:
        light.m_circular = values.circular;
        break;
    case LightField::orient:
        light.m_orient = values.orient;
        break;
    case LightField::shadowPigment:
        light.m_shadowPigmentOn = values.shadowPigment;
        break;
    case LightField::shadowColor:
        light.m_shadowPigmentColor = values.shadowColor;
        break;
    }
}

// The light as the document file holds it, both records.
std::string StoredBytes(const CLightData& light) {
    CArchive ar;
    light.Store(ar);
    light.StoreExtra(ar);
    return ar.GetBytes();
}

} // namespace

CLightData* CreateLight(CQuelDoc& doc) {
    auto light = std::make_unique<CLightData>();
    light->m_name = MakeSeriesName("light_");
    light->m_color = 0xFFFFFF;
    return AddNewLight(doc, std::move(light), "(ライト) ライトを作成", "(Light) Create Light");
}

CLightData* CopySelectedLight(CQuelDoc& doc) {
    const CLightData* source = GetSelectedLight();
    if (!source) {
        ShowMessage(msgNoLight);
        return nullptr;
    }
    auto copy = std::make_unique<CLightData>();
    copy->CopyFrom(*source);
    copy->m_name = MakeItemCopyName(source->m_name);
    return AddNewLight(doc, std::move(copy), "(ライト) ライトをコピー", "(Light) Copy Light");
}

void DeleteSelectedLight(CQuelDoc& doc) {
    CLightData* light = GetSelectedLight();
    if (!light) {
        ShowMessage(msgNoLight);
        return;
    }
    if (ShowMessage(msgDeleteLight, light->m_name) != IDYES)
        return;
    CUndoBuffer& undo = doc.m_undoBuffer;
    undo.BeginRecord("(ライト) ライトを削除", "(Light) Delete Light", undoDeleteLight);
    undo.SaveLight(light);
    // Taking the item away selects another, and with it another light.
    if (CLightPageServices* page = LightPage())
        page->RemoveLightItem(light);
    doc.m_lights.Remove(light);
    RedrawAllPanes();
}

void RenameLight(CQuelDoc& doc, CLightData& light, const CString& name) {
    CUndoBuffer& undo = doc.m_undoBuffer;
    undo.BeginRecord("(ライト) 名前を変更", "(Light) Change Name", undoLightName);
    undo.SaveLightName(&light);
    undo.SaveNewName(name);
    CString oldName = name;
    std::swap(light.m_name, oldName);
    if (CLightPageServices* page = LightPage())
        page->RenameLightItem(oldName, name);
    SetModifiedForPanels();
}

CLightValues ReadLightValues(const CLightData& light) {
    CLightValues v;
    v.name = light.m_name;
    v.color = light.m_color;
    v.location = light.m_location;
    v.pointAt = light.m_pointAt;
    v.type = light.m_type;
    v.shadowless = light.m_shadowless;
    v.mediaAttenuation = light.m_mediaAttenuation;
    v.mediaInteraction = light.m_mediaInteraction;
    v.radius = light.m_radius;
    v.falloff = light.m_falloff;
    v.tightness = light.m_tightness;
    v.areaSizeU = light.m_areaSize1;
    v.areaSizeV = light.m_areaSize2;
    v.axisU = light.m_areaAxis1;
    v.axisV = light.m_areaAxis2;
    v.adaptive = light.m_adaptive;
    v.jitter = light.m_jitter;
    v.areaSpot = light.m_areaSpotlight;
    v.fade = light.m_fadeOn;
    v.fadeDistance = light.m_fadeDistance;
    v.fadePower = light.m_fadePower;
    v.parallel = light.m_parallel;
    v.circular = light.m_circular;
    v.orient = light.m_orient;
    v.shadowPigment = light.m_shadowPigmentOn;
    v.shadowColor = light.m_shadowPigmentColor;
    return v;
}

CLightEnabling LightEnabling(const CLightValues& values) {
    CLightEnabling e;
    e.fade = values.fade != 0;
    e.area = values.type == lightArea;
    e.spot = values.type == lightSpot || values.type == lightCylinder || (e.area && values.areaSpot);
    e.shadowColor = values.shadowPigment != 0;
    return e;
}

void ChangeLight(CQuelDoc& doc, CLightData& light, LightField field, CLightValues& values) {
    // Leaving a field unchanged, or clicking the chosen type again, is no step to undo.
    CLightData changed;
    changed.CopyFrom(light);
    SetField(changed, field, values);
    if (StoredBytes(changed) == StoredBytes(light))
        return;
    CUndoBuffer& undo = doc.m_undoBuffer;
    undo.BeginRecord("(ライト) 変更", "(Light) Change", undoLightSettings);
    undo.SaveLight(&light);
    SetField(light, field, values);
    SetModifiedForPanels();
    if (ShowsInPanes(field))
        RedrawLitPanes(light);
}

void RedrawLitPanes(const CLightData& light) {
    if (light.m_shown)
        RedrawAllPanes();
}
