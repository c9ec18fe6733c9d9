#pragma once
// The renderer front ends under test: a document with a box, scripted
// message boxes, a stand-in renderer program that writes its arguments into
// a file, and the registered windows the front ends ask (the view and the
// OpenGL panes with their sizes).
#include "platform/base/file_util.h"
#include "platform/base/modal_runner.h"
#include "pov_fixture.h"
#include "render/pov_exporter.h"

#include <chrono>
#include <filesystem>
#include <sys/stat.h>
#include <thread>

class RenderFixture : public PovFixture {
protected:
    RenderFixture() {
        doc->RegisterWindow(view.GetSafeHwnd(), wndView);
        for (int i = 0; i < kPaneCount; ++i) {
            panes[i].screenRect = CRect(0, 0, 200, 100);
            doc->RegisterWindow(panes[i].GetSafeHwnd(), wndGLPane0 + i);
        }
        AddObject(MakeCube(1.0f), "box");
        qf::test::WriteFileBytes(program, "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.args\"\n");
        chmod(program.c_str(), 0700);
        CRendererInfo stand;
        stand.title = "stand-in";
        stand.path = program.c_str();
        stand.official_version = "3.7";
        doc->m_renderers.Add(stand);
        // What an earlier test saved does not count.
        doc->m_render = CRenderSetting();
        doc->m_render.renderer_index = doc->m_renderers.GetCount() - 1;
        doc->m_render.output_folder = CString(dir.path().string());
        for (const char* name :
             {CPovExporter::includeName, CPovExporter::sceneName, CPovExporter::runFileName})
            std::filesystem::remove(WorkFile(name));
    }

    // The arguments the stand-in renderer was started with, one to a line;
    // empty when it was not started within ten seconds.
    std::string AwaitArguments() const {
        for (int i = 0; i < 1000; ++i) {
            std::error_code ec;
            if (std::filesystem::file_size(program + ".args", ec) > 0 && !ec)
                return qf::test::ReadFileBytes(program + ".args");
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return {};
    }
    // How often piece stands in text.
    static int Count(const std::string& text, const std::string& piece) {
        int n = 0;
        for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1))
            ++n;
        return n;
    }
    static std::string WorkFile(const char* name) {
        return qf::JoinPath(CPovExporter::GetWorkFolder(), name);
    }

    qf::CScriptedModalRunner boxes;
    qf::test::RecordingDocWindow view;
    qf::test::RecordingDocWindow panes[kPaneCount];
    std::string program = dir.File("renderer");
};
