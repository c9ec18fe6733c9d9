// The view's render command: POV-Ray renders the pane the render setting
// names, whichever pane is active.
#include "render/pov_exporter.h"
#include "resources/command_ids.h"
#include "viewport/quel_view.h"

void CQuelView::MapRenderCommands(Map& map) {
    map.OnCommand(ID_VIEW_RENDER_POVRAY, &CQuelView::OnRenderPovRay);
}

void CQuelView::OnRenderPovRay() {
    CPovExporter().RenderActive();
}
