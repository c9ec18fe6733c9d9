// Memory running out at any one allocation of an operation: for each n, the
// nth allocation of the program's own code in the operation is refused (the
// ones after it are given), then every pane is painted and the program runs
// idle. Nothing may be read or written out of bounds or leak, and the
// document, its undo list, its modified flag and its path are either as
// before or as after the operation done whole; a whole one is undone to the
// bytes before it. The user is told that a step was taken back only when
// all is as before, and that it could not be finished only when it was not
// done whole.
//
// `make test` tries a spread of n for each operation; with
// QF_ALLOCATION_SWEEP=all (scripts/allocation-sweep) every n is tried.
#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "app/undo_buffer.h"
#include "dialogs/pov_export_dlg.h"
#include "platform/base/file_util.h"
#include "platform/ui/common_dialogs.h"
#include "resources/command_ids.h"
#include "shell/doc_commands.h"
#include "shell_gui/running_app.h"
#include "support/allocation_budget.h"
#include "support/doc_bytes.h"
#include "support/model_shapes.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <iostream>
#include <string>
#include <vector>
#include <wx/app.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace {

using qf::test::PumpEvents;

// Menu commands, as the menu bar sends them.
constexpr UINT kExtrude = 30183;
constexpr UINT kLathe = 30181;
constexpr UINT kClone = 30185;
constexpr UINT kFlipX = 30010;
constexpr UINT kDeleteSelectedPoints = 30214;
constexpr UINT kShowSurfaces = 30034;

// What the user is told when memory runs out, in English.
constexpr const char* kTakenBack = "It was taken back: the document is as it was before.";
constexpr const char* kNotFinished = "There was not enough memory to finish what was asked.";

// Without the sanitizer there is nothing to ask.
bool LeakFree() {
#if defined(__SANITIZE_ADDRESS__)
    return __lsan_do_recoverable_leak_check() == 0;
#else
    return true;
#endif
}

// Answers for the user: a file dialog takes the operation's file, the save
// question No, every other box (kept as told) OK and every other dialog OK
// as it opens.
class SweepRunner : public qf::CModalRunner {
public:
    SweepRunner() : m_previous(qf::SetModalRunner(this)) {}
    ~SweepRunner() override { qf::SetModalRunner(m_previous); }
    SweepRunner(const SweepRunner&) = delete;
    SweepRunner& operator=(const SweepRunner&) = delete;

    int RunMessageBox(const qf::CModalRequest& request) override {
        if ((request.type & MB_TYPEMASK) == MB_YESNOCANCEL)
            return IDNO;
        m_told.push_back(request.text.str());
        return qf::CancellingAnswer(request.type);
    }
    int RunModal(qf::CModalWindow& window) override {
        if (auto* file = dynamic_cast<CFileDialog*>(&window))
            return file->AcceptPath(m_file.c_str()) ? IDOK : IDCANCEL;
        if (auto* pov = dynamic_cast<CPovExportDlg*>(&window))
            pov->m_rendererIndex = 0;
        return IDOK;
    }

    std::string m_file;
    std::vector<std::string> m_told;

private:
    qf::CModalRunner* m_previous;
};

struct Operation;

class AllocationSweepGuiTest : public qf::test::RunningAppGuiTest,
                               public ::testing::WithParamInterface<const Operation*> {
public:
    using RunningAppGuiTest::Doc;

    // What must be either as before or as after the whole operation.
    struct State {
        std::string bytes;
        std::vector<std::string> steps; // undo descriptions, oldest first
        int position = 0;
        BOOL modified = FALSE;
        std::string path;
        std::string written; // the files the operation writes, as they are
        bool operator==(const State&) const = default;
    };
    State Now() {
        State now{qf::test::DocumentBytes(Doc()), {}, Doc().m_undoBuffer.GetPosition(), Doc().IsModified(),
                  Commands().GetPathName().str(), {}};
        for (const std::string& name : written) {
            const std::string path = files.File(name);
            now.written +=
                name + (qf::FileExists(path) ? ":\n" + qf::test::ReadFileBytes(path) : " absent\n");
        }
        for (int i = 0; i < Doc().m_undoBuffer.GetRecordCount(); ++i)
            now.steps.push_back(Doc().m_undoBuffer.GetRecord(i)->m_english.str());
        return now;
    }

    // A new document's first object gets a colour of chance: a new document
    // is told by the rest.
    State NowWithoutColours() {
        std::vector<uint32_t> colours;
        for (CSpatchObj* obj : Doc().m_objects) {
            colours.push_back(obj->GetColor());
            obj->SetColor(0);
        }
        const State now = Now();
        size_t i = 0;
        for (CSpatchObj* obj : Doc().m_objects)
            obj->SetColor(colours[i++]);
        return now;
    }

    // Whether the object tree shows exactly the document's objects, folders
    // and polygon objects, each by the item it knows.
    bool TreeShowsDocument() {
        CTreeCtrl& tree = Page().GetTree();
        std::vector<const void*> shown;
        const std::function<void(HTREEITEM)> walk = [&](HTREEITEM first) {
            for (HTREEITEM item = first; item; item = tree.GetNextSiblingItem(item)) {
                if (const auto* node = reinterpret_cast<const CBaseObj*>(tree.GetItemData(item))) {
                    if (node->GetTreeItem() != item)
                        return;
                    shown.push_back(node);
                }
                walk(tree.GetChildItem(item));
            }
        };
        walk(tree.GetRootItem());
        std::vector<const void*> held;
        for (const CSpatchObj* obj : Doc().m_objects)
            held.push_back(obj);
        for (const CFolderObj* folder : Doc().m_folders)
            held.push_back(folder);
        for (const CPolygonObj* polygon : Doc().m_polygonObjects)
            held.push_back(polygon);
        std::sort(shown.begin(), shown.end());
        std::sort(held.begin(), held.end());
        return shown == held;
    }

    CQuelDocCommands& Commands() { return *app->GetDocumentCommands(); }
    void Send(UINT id) {
        Frame().SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0);
        PumpEvents(5);
    }
    // Every pane painted (at once), then the program idle.
    void Settle() {
        Doc().RedrawPanes();
        PumpEvents();
        for (int round = 0; round < 2; ++round)
            wxTheApp->ProcessIdle();
        PumpEvents();
    }
    CSpatchObj* Work() { return FindObjectByName("work"); }

    // The document every run starts from: one of every kind of content,
    // and "work", the selected object the modelling commands change.
    void MakeFiles() {
        qf::test::FillEveryKindOfContent(Doc());
        for (CSpatchObj* obj : Doc().m_objects)
            obj->SetSelected(0);
        CSpatchObj* work = Doc().AddPatchObject(qf::test::MakeFlatQuadGrid(3));
        work->SetName("work");
        ASSERT_TRUE(Doc().OnSaveDocument(files.File("base.qfm").c_str()));
        // Another document to open and insert, and the exchange files to import.
        const std::string other =
            qf::test::ReadFileBytes((qf::test::DataDir() / "docfile/every_kind.qfm").string());
        qf::test::WriteFileBytes(files.File("other.qfm"), other);
        for (const auto& [id, name] :
             {std::pair{ID_FILE_EXPORT_SPT, "other.spt"}, std::pair{ID_FILE_EXPORT_MQO, "other.mqo"},
              std::pair{ID_FILE_EXPORT_MDL, "other.mdl"}}) {
            answers.m_file = files.File(name);
            Send(id);
            ASSERT_TRUE(qf::FileExists(answers.m_file)) << name;
        }
    }
    // Back to the base document, then what the operation needs before it runs.
    void Reset(const Operation& op);

    SweepRunner answers;
    qf::test::TempDir files;
    // Files of files that the operation writes: each is new or written whole.
    std::vector<std::string> written;
};

struct Operation {
    const char* name;
    std::function<void(AllocationSweepGuiTest&)> prepare;
    std::function<void(AllocationSweepGuiTest&)> run;
    // Whether the whole operation leaves a step that Undo takes back.
    bool undoable = true;
    // Open may end in a new, untitled document once the previous one was given up.
    bool mayStartAnew = false;
    // The undo step the whole operation records: its kind and, when given,
    // its English description.
    int kind = undoKindNone;
    const char* step = nullptr;
};

void AllocationSweepGuiTest::Reset(const Operation& op) {
    Doc().SetModifiedFlag(FALSE);
    ASSERT_TRUE(Commands().OpenDocumentFile(files.File("base.qfm").c_str()));
    ASSERT_NE(Work(), nullptr);
    for (CSpatchObj* obj : Doc().m_objects)
        obj->SetSelected(obj == Work());
    // The first row of points, a curve the lathe and extrude take.
    int i = 0;
    for (CPatchVertex* v : Work()->GetVertices())
        v->SetSelected(i++ < 4);
    if (op.prepare)
        op.prepare(*this);
    Settle();
    answers.m_told.clear();
}

const auto kNothing = [](AllocationSweepGuiTest&) {};

const Operation kOperations[] = {
    {"Open",
     [](AllocationSweepGuiTest& t) {
         // A modified document with a step of its own, given up at the save question.
         t.Send(kFlipX);
         t.answers.m_file = t.files.File("other.qfm");
     },
     [](AllocationSweepGuiTest& t) { t.Send(ID_FILE_OPEN); }, false, true},
    {.name = "Insert",
     .prepare = [](AllocationSweepGuiTest& t) { t.answers.m_file = t.files.File("other.qfm"); },
     .run = [](AllocationSweepGuiTest& t) { t.Send(ID_FILE_INSERT); },
     .kind = undoInsert},
    {.name = "ImportSpt",
     .prepare = [](AllocationSweepGuiTest& t) { t.answers.m_file = t.files.File("other.spt"); },
     .run = [](AllocationSweepGuiTest& t) { t.Send(ID_FILE_IMPORT_SPT); },
     .kind = undoImport},
    {.name = "ImportMqo",
     .prepare = [](AllocationSweepGuiTest& t) { t.answers.m_file = t.files.File("other.mqo"); },
     .run = [](AllocationSweepGuiTest& t) { t.Send(ID_FILE_IMPORT_MQO); },
     .kind = undoImport},
    {.name = "ImportMdl",
     .prepare = [](AllocationSweepGuiTest& t) { t.answers.m_file = t.files.File("other.mdl"); },
     .run = [](AllocationSweepGuiTest& t) { t.Send(ID_FILE_IMPORT_MDL); },
     .kind = undoImport},
    {.name = "Lathe",
     .prepare = kNothing,
     .run = [](AllocationSweepGuiTest& t) { t.Send(kLathe); },
     .kind = undoWholeObject},
    {.name = "Extrude",
     .prepare = kNothing,
     .run = [](AllocationSweepGuiTest& t) { t.Send(kExtrude); },
     .kind = undoWholeObject},
    {.name = "Clone",
     .prepare = kNothing,
     .run = [](AllocationSweepGuiTest& t) { t.Send(kClone); },
     .kind = undoWholeObject},
    {.name = "Paste",
     .prepare = [](AllocationSweepGuiTest& t) { t.Send(ID_EDIT_COPY); },
     .run = [](AllocationSweepGuiTest& t) { t.Send(ID_EDIT_PASTE); },
     .kind = undoWholeObject},
    {.name = "DeletePoints",
     .prepare = kNothing,
     .run = [](AllocationSweepGuiTest& t) { t.Send(kDeleteSelectedPoints); },
     .kind = undoWholeObject},
    {.name = "Flip",
     .prepare = kNothing,
     .run = [](AllocationSweepGuiTest& t) { t.Send(kFlipX); },
     .kind = undoPatchGeometry},
    {"PaneSurfaces",
     [](AllocationSweepGuiTest& t) {
         // The active pane's surfaces off, so that showing them builds them.
         for (CPaneDisplaySettings& pane : t.Doc().m_settings.m_panes)
             pane.m_showSurfaces = 0;
     },
     [](AllocationSweepGuiTest& t) {
         t.Send(kShowSurfaces);
         PumpEvents(40);
     },
     false},
    {"ExportPov",
     [](AllocationSweepGuiTest& t) {
         t.answers.m_file = t.files.File("scene.pov");
         t.written = {"scene.pov", "scene_obj.inc"};
         for (const std::string& name : t.written)
             std::filesystem::remove(t.files.File(name));
     },
     [](AllocationSweepGuiTest& t) { t.Send(ID_FILE_EXPORT_POVRAY); }, false},
    {"UndoLathe", [](AllocationSweepGuiTest& t) { t.Send(kLathe); },
     [](AllocationSweepGuiTest& t) { t.Send(ID_EDIT_UNDO); }, false},
    {"IdleAfterChange", [](AllocationSweepGuiTest& t) { t.Send(kFlipX); },
     [](AllocationSweepGuiTest&) {
         for (int round = 0; round < 2; ++round)
             wxTheApp->ProcessIdle();
     },
     false},
};

// Every n with QF_ALLOCATION_SWEEP=all, only n with QF_ALLOCATION_SWEEP=n
// (to look at one run again); else the first and last few and an even
// spread between them.
std::vector<long long> NsToTry(long long count) {
    const char* sweep = std::getenv("QF_ALLOCATION_SWEEP");
    if (sweep && std::atoll(sweep) > 0)
        return {std::atoll(sweep)};
    const bool all = sweep && std::string(sweep) == "all";
    constexpr long long kEnds = 3;
    constexpr long long kBetween = 10;
    std::vector<long long> ns;
    for (long long n = 1; n <= count; ++n)
        if (all || n <= kEnds || n > count - kEnds || (n - kEnds) % std::max(1LL, count / kBetween) == 0)
            ns.push_back(n);
    return ns;
}

std::string Describe(const AllocationSweepGuiTest::State& s) {
    std::string text = std::to_string(s.bytes.size()) + " bytes, steps";
    for (const std::string& step : s.steps)
        text += " \"" + step + "\"";
    return text + " at " + std::to_string(s.position) + (s.modified ? ", modified" : ", unmodified") +
           ", path \"" + s.path + "\", " + std::to_string(s.written.size()) + " bytes of written files";
}

} // namespace

TEST_P(AllocationSweepGuiTest, EachAllocationRefusedLeavesTheDocumentAsBeforeOrDoneWhole) {
    const Operation& op = *GetParam();
    Start();
    MakeFiles();
    ASSERT_TRUE(LeakFree()) << "leaks before the sweep";

    // The operation run whole, counting the allocations it makes.
    State fresh;
    if (op.mayStartAnew) {
        Doc().SetModifiedFlag(FALSE);
        Send(ID_FILE_NEW);
        fresh = NowWithoutColours();
    }
    Reset(op);
    const State before = Now();
    long long count = 0;
    {
        const qf::test::AllocationFailure counting(0);
        op.run(*this);
        count = counting.GetCount();
    }
    Settle();
    const State done = Now();
    ASSERT_GT(count, 0);
    ASSERT_TRUE(TreeShowsDocument());
    ASSERT_TRUE(answers.m_told.empty()) << answers.m_told.front();
    if (op.kind != undoKindNone) {
        const CUndoBuffer& undo = Doc().m_undoBuffer;
        ASSERT_GT(undo.GetPosition(), 0);
        const CUndoRecord& newest = *undo.GetRecord(undo.GetPosition() - 1);
        EXPECT_EQ(newest.m_kind, op.kind) << "the kind of step recorded";
        if (op.step) {
            EXPECT_EQ(newest.m_english.str(), op.step);
        }
    }
    if (op.undoable) {
        ASSERT_FALSE(done.bytes == before.bytes) << "the operation changes the document";
        Send(ID_EDIT_UNDO);
        Settle();
        ASSERT_TRUE(qf::test::SameDocumentBytes(before.bytes, qf::test::DocumentBytes(Doc())));
    }

    int refused = 0;
    const std::vector<long long> ns = NsToTry(count);
    for (const long long n : ns) {
        SCOPED_TRACE(std::string(op.name) + ": allocation " + std::to_string(n) + " of " +
                     std::to_string(count));
        Reset(op);
        ASSERT_EQ(Now(), before) << "the run starts where the whole one did";
        bool failed = false;
        {
            const qf::test::AllocationFailure failure(n);
            op.run(*this);
            failed = failure.HasRefused();
        }
        Settle();
        refused += failed;
        const State after = Now();
        const bool asBefore = after == before;
        const bool whole = after == done;
        const bool anew = op.mayStartAnew && NowWithoutColours() == fresh;
        EXPECT_TRUE(asBefore || whole || anew)
            << "before: " << Describe(before) << "\ndone: " << Describe(done)
            << "\nafter: " << Describe(after)
            << (op.mayStartAnew ? "\nanew: " + Describe(fresh) : std::string());
        EXPECT_TRUE(TreeShowsDocument());
        EXPECT_LE(answers.m_told.size(), 1u) << "told once: " << ::testing::PrintToString(answers.m_told);
        if (failed && (asBefore || anew) && !(before == done)) {
            EXPECT_EQ(answers.m_told.size(), 1u) << "a step that was not done is told";
        }
        for (const std::string& told : answers.m_told) {
            if (told.find(kTakenBack) != std::string::npos) {
                EXPECT_TRUE(asBefore) << "told \"" << told << "\"\nbefore: " << Describe(before)
                                      << "\nafter: " << Describe(after);
            }
            if (told == kNotFinished) {
                EXPECT_FALSE(whole) << "told \"" << told << "\" after the step was done whole";
            }
        }
        if (whole && op.undoable) {
            Send(ID_EDIT_UNDO);
            Settle();
            EXPECT_TRUE(qf::test::SameDocumentBytes(before.bytes, qf::test::DocumentBytes(Doc())))
                << "Undo after the whole operation";
        }
        ASSERT_TRUE(LeakFree());
        if (HasFatalFailure())
            return;
    }
    EXPECT_GT(refused, 0) << "no allocation was refused";
    std::cout << op.name << ": " << ns.size() << " of its " << count << " allocations tried, one run each; "
              << refused << " refused\n";
}

INSTANTIATE_TEST_SUITE_P(Operations, AllocationSweepGuiTest, ::testing::ValuesIn([] {
                             std::vector<const Operation*> ops;
                             for (const Operation& op : kOperations)
                                 ops.push_back(&op);
                             return ops;
                         }()),
                         [](const ::testing::TestParamInfo<const Operation*>& info) {
                             return std::string(info.param->name);
                         });
