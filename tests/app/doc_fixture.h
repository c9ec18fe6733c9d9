#pragma once
// A document in an empty settings folder of its own, found through a
// recording main window, with helpers to register recording windows under
// registry ids. Message boxes go to a scripted runner.
#include "app/app_state.h"
#include "app/quel_doc.h"
#include "platform/base/modal_runner.h"
#include "settings_home.h"
#include "support/recording_windows.h"

#include <memory>
#include <optional>
#include <vector>

class DocTest : public SettingsHomeTest {
protected:
    void SetUp() override {
        SettingsHomeTest::SetUp();
        GetAppState() = CQuelAppState();
        doc = std::make_unique<CQuelDoc>();
        main.emplace(doc.get());
    }
    void TearDown() override {
        CloseDocument();
        while (DispatchPostedMessages() > 0) {
        }
        GetAppState() = CQuelAppState();
        SettingsHomeTest::TearDown();
    }

    // The document dies (and writes its settings) before its main window.
    void CloseDocument() {
        doc.reset();
        main.reset();
    }

    qf::test::RecordingDocWindow& Register(int id) {
        windows.push_back(std::make_unique<qf::test::RecordingDocWindow>());
        doc->RegisterWindow(windows.back()->GetSafeHwnd(), id);
        return *windows.back();
    }

    // Registers the four OpenGL panes and returns them.
    std::vector<qf::test::RecordingDocWindow*> RegisterPanes() {
        std::vector<qf::test::RecordingDocWindow*> panes;
        for (int id = wndGLPane0; id < wndGLPane0 + kPaneCount; ++id)
            panes.push_back(&Register(id));
        return panes;
    }

    qf::CScriptedModalRunner boxes;
    std::unique_ptr<CQuelDoc> doc;
    std::optional<qf::test::RecordingMainWindow> main;
    std::vector<std::unique_ptr<qf::test::RecordingDocWindow>> windows;
};
