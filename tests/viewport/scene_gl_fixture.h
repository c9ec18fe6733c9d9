#pragma once
// A document found through a main window, its pane cameras sized to an
// off-screen surface of 200 x 150 pixels, and patch objects to draw and pick.
#include "app/app_state.h"
#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "support/gl_fixture.h"
#include "support/model_shapes.h"
#include "support/recording_windows.h"
#include "viewport/view_camera.h"

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

class SceneGlTest : public qf::test::GlFixture {
protected:
    static constexpr int kWidth = 200;
    static constexpr int kHeight = 150;

    void SetUp() override {
        if (const char* old = std::getenv("QUELAFORM_HOME"))
            m_oldHome = old;
        setenv("QUELAFORM_HOME", m_home.path().c_str(), 1);
        doc = std::make_unique<CQuelDoc>();
        m_main.emplace(doc.get());
        InstallModelDocumentAccessor();
        for (int pane = 0; pane < kPaneCount; ++pane)
            doc->m_cameras[static_cast<size_t>(pane)].SetPreset(pane);
        UseSurface(kWidth, kHeight);
    }
    void TearDown() override {
        doc.reset();
        m_main.reset();
        GetAppState() = CQuelAppState();
        setenv("QUELAFORM_HOME", m_oldHome.c_str(), 1);
        GlFixture::TearDown();
    }

    // A new surface of that size, which every pane camera takes as its pane.
    void UseSurface(int width, int height) {
        surface = &MakeSurface(width, height);
        view.emplace(surface);
        for (CCamera& camera : doc->m_cameras) {
            camera.m_viewportWidth = width;
            camera.m_viewportHeight = height;
            camera.m_angleSpansWidth = 1;
        }
    }

    // A selected patch object of the document with one square quad patch of
    // half size s in the plane z, facing a front view: four straight curves.
    CSpatchObj* AddSquare(const char* name, float z, float s = 1.0f) {
        CSpatchObj* obj = doc->AddPatchObject();
        obj->SetName(name);
        obj->SetSelected(1);
        CPatchVertex* corners[] = {obj->AddVertex(-s, -s, z), obj->AddVertex(s, -s, z),
                                   obj->AddVertex(s, s, z), obj->AddVertex(-s, s, z)};
        for (int i = 0; i < 4; ++i)
            qf::test::AddCurveThrough(*obj, {corners[i], corners[(i + 1) % 4]});
        obj->UpdateCurveHandles();
        return obj;
    }

    std::unique_ptr<CQuelDoc> doc;
    qf::test::OsMesaSurface* surface = nullptr;
    std::optional<CViewCamera> view;

private:
    qf::test::TempDir m_home;
    std::string m_oldHome;
    std::optional<qf::test::RecordingMainWindow> m_main;
};
