#include "model/model_document.h"

namespace {

ModelDocumentAccessor g_accessor = nullptr;

} // namespace

void SetModelDocumentAccessor(ModelDocumentAccessor accessor) {
    g_accessor = accessor;
}

CModelDocument* GetModelDoc() {
    return g_accessor ? g_accessor() : nullptr;
}

const CCamera* GetPaneCamera(int view) {
    CModelDocument* doc = GetModelDoc();
    if (!doc || view < 0 || view >= kPaneCount)
        return nullptr;
    return &doc->GetPaneCamera(view);
}
