// The main frame's render commands: the render settings, the normal
// renderer switch, BMRT and Lightflow, and the material preview with its
// settings.
#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "dialogs/preview_setting_dlg.h"
#include "dialogs/render_setting_dlg.h"
#include "render/lightflow_writer.h"
#include "render/pov_exporter.h"
#include "render/rib_writer.h"
#include "shell/main_frame.h"

void CMainFrame::OnRenderSetting() {
    CRenderSettingDlg(m_document.m_render, m_document.m_renderers, this).DoModal();
}

void CMainFrame::OnNormalRendererPovRay() {
    m_document.m_settings.m_normalRenderer = 1;
}

void CMainFrame::OnUpdateNormalRendererPovRay(CCmdUI* ui) {
    ui->SetCheck(m_document.m_settings.m_normalRenderer != 0);
}

void CMainFrame::OnNormalRendererMegaPov() {
    m_document.m_settings.m_normalRenderer = 0;
}

void CMainFrame::OnUpdateNormalRendererMegaPov(CCmdUI* ui) {
    ui->SetCheck(m_document.m_settings.m_normalRenderer == 0);
}

void CMainFrame::OnRenderBmrt() {
    CRibWriter().RenderWithBmrt();
}

void CMainFrame::OnUpdateRenderBmrt(CCmdUI* ui) {
    ui->Enable(CRibWriter::IsRenderEnabled());
}

void CMainFrame::OnBmrtSetting() {
    CRibWriter().OnSetting();
}

void CMainFrame::OnUpdateBmrtSetting(CCmdUI* ui) {
    ui->Enable(CRibWriter::IsSettingEnabled());
}

void CMainFrame::OnRenderLightflow() {
    CLightflowExporter().RenderWithLightflow();
}

void CMainFrame::OnUpdateRenderLightflow(CCmdUI* ui) {
    ui->Enable(CLightflowExporter::IsRenderEnabled());
}

void CMainFrame::OnLightflowSetting() {
    CLightflowExporter().OnSetting();
}

void CMainFrame::OnUpdateLightflowSetting(CCmdUI* ui) {
    ui->Enable(CLightflowExporter::IsSettingEnabled());
}

void CMainFrame::OnMaterialRender() {
    if (CPovExporter().RenderMaterialPreview() == CPovExporter::previewNoRenderer)
        OnMaterialRenderSetting();
}

void CMainFrame::OnUpdateMaterialRender(CCmdUI* ui) {
    ui->Enable(GetSelectedMaterial() != nullptr);
}

void CMainFrame::OnMaterialRenderSetting() {
    CMaterialPreviewSetting& preview = m_document.m_preview;
    CPreviewSettingDlg dialog(m_document.m_renderers, this);
    dialog.m_bgColor = preview.m_bgColor;
    dialog.m_shape = preview.m_shape;
    dialog.m_cameraX = preview.m_camera.m_eye.GetX();
    dialog.m_cameraY = preview.m_camera.m_eye.GetY();
    dialog.m_cameraZ = preview.m_camera.m_eye.GetZ();
    dialog.m_angle = preview.m_camera.m_angle;
    dialog.m_windowSize = preview.m_imageSize;
    dialog.m_objectSize = preview.m_objectSize;
    dialog.m_antialias = preview.m_antialias;
    dialog.m_xzPlane = preview.m_floor;
    dialog.m_xyPlane = preview.m_backPlane;
    dialog.SetSetting(m_document.m_previewRender);
    if (dialog.DoModal() != IDOK)
        return;
    preview.m_bgColor = dialog.m_bgColor;
    preview.m_shape = dialog.m_shape;
    preview.m_camera.m_eye = CVector3(dialog.m_cameraX, dialog.m_cameraY, dialog.m_cameraZ);
    preview.m_camera.m_angle = dialog.m_angle;
    preview.m_imageSize = dialog.m_windowSize;
    preview.m_objectSize = dialog.m_objectSize;
    preview.m_antialias = dialog.m_antialias;
    preview.m_floor = dialog.m_xzPlane;
    preview.m_backPlane = dialog.m_xyPlane;
    dialog.GetSetting(m_document.m_previewRender);
}
