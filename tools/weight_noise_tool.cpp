#include "tools/weight_noise_tool.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "tools/mouse_tool_controller.h"
#include "tools/tool_pane.h"
#include "tools/tool_target.h"

#include <random>

namespace {

// The noise directions restart from this seed at every event.
constexpr unsigned kNoiseSeed = 1;

// Begins the drag's undo step when there is a selection to change.
void BeginStep(const char* japanese, const char* english, int kind, void (CUndoBuffer::*save)(CSpatchObj*)) {
    CQuelDoc* doc = GetDoc();
    CSpatchObj* obj = TakeObjectWithSelection();
    if (!doc || !obj)
        return;
    CUndoBuffer& undo = doc->m_undoBuffer;
    undo.BeginRecord();
    undo.SetDescription(japanese, english);
    undo.SetKind(kind);
    (undo.*save)(obj);
}

void RepaintStep(CMouseToolController& c, const CQuelDoc& doc) {
    c.GetPane().RepaintNow();
    if (doc.m_settings.m_syncRedraw)
        c.RepaintOtherPanes();
}

// A noise component from the generator: -0.049 to 0.05 per unit of amount.
float NoiseComponent(std::minstd_rand& generator, float amount) {
    return static_cast<float>(50 - static_cast<int>(generator() % 100)) * 0.001f * amount;
}

} // namespace

void BeginWeight(CMouseToolController&, int, int) {
    BeginStep("(パッチ) カーブの曲がり方を調整", "(Patch) Set Weit", undoPatchCurves,
              &CUndoBuffer::SavePatchCurves);
}

void DragWeight(CMouseToolController& c, int x, int y) {
    const CQuelDoc* doc = GetDoc();
    CSpatchObj* obj = TakeObjectWithSelection();
    if (!doc || !obj)
        return;
    const double delta = ((c.m_lastPoint.y - y) + (x - c.m_lastPoint.x) * 0.1) * 0.01;
    obj->AddWeight(static_cast<float>(delta));
    RepaintStep(c, *doc);
}

void BeginNoise(CMouseToolController&, int, int) {
    BeginStep("(パッチ) ランダムに移動", "(Patch) Noise", undoPatchPositions,
              &CUndoBuffer::SavePatchPositions);
}

void DragNoise(CMouseToolController& c, int x, int y) {
    const CQuelDoc* doc = GetDoc();
    CSpatchObj* obj = TakeObjectWithSelection();
    if (!doc || !obj)
        return;
    const int dx = x - c.m_lastPoint.x;
    const int dy = c.m_lastPoint.y - y;
    const float amount = (static_cast<float>(dy) + static_cast<float>(dx) * 0.1f) * 0.1f;
    // The generator is the drag's own: another user of a shared one can
    // neither disturb the directions nor be disturbed by the reseeding.
    std::minstd_rand generator(kNoiseSeed);
    for (CPatchVertex* v : obj->GetVertices()) {
        if (!v->m_selected)
            continue;
        // Drawn z, y, x, each drawn even for an axis that is off, so the
        // directions do not depend on the axis switches.
        const float nz = NoiseComponent(generator, amount) * static_cast<float>(doc->m_axisEnabled[2]);
        const float ny = NoiseComponent(generator, amount) * static_cast<float>(doc->m_axisEnabled[1]);
        const float nx = NoiseComponent(generator, amount) * static_cast<float>(doc->m_axisEnabled[0]);
        *v += CVector3(nx, ny, nz);
    }
    obj->UpdateCurveHandles();
    RepaintStep(c, *doc);
}

void EndWeightNoise(CMouseToolController&, int, int) {
    RedrawAllPanes();
}
