#include "app/memory_shortage.h"

#include "app/doc_helpers.h"
#include "app/quel_doc.h"
#include "platform/base/modal_runner.h"

#include <new>
#include <optional>
#include <stdexcept>
#include <vector>

namespace {

struct Text {
    const char* english;
    const char* japanese;
};

const char* InLanguage(const Text& text) {
    return IsEnglish() ? text.english : text.japanese;
}

// Runs fn; false when it ran out of memory.
template <class Fn> bool RunWithMemory(Fn fn) {
    try {
        fn();
        return true;
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    return false;
}

// Set while the user is told: the box's own loop may run out of memory too.
bool g_telling = false;
// Set once the user was told that the display could not catch up; the next
// request done whole clears it, so that idle time short of memory does not
// box the user in.
bool g_displayTold = false;

// What a handing-out that ran out of memory left behind.
enum class Shortfall { request, display, paint };

// Takes back what the handler began and tells the user what happened: a step
// taken back, a display that could not catch up with what was done, or a
// request left unfinished.
void RecoverStep(CUndoHold* hold, Shortfall what) {
    CString step;
    bool takenBack = false;
    // An Undo done whole is a request done: what failed after it only showed it.
    if (what == Shortfall::request && hold && hold->HasUndoneMeanwhile())
        what = Shortfall::display;
    RunWithMemory([&] {
        if (const CUndoRecord* first = hold ? hold->GetFirstStep() : nullptr)
            step = IsEnglish() ? first->m_english : first->m_japanese;
        takenBack = hold && hold->TakeBack();
        // A drag whose press ran out of memory before its step began has
        // nothing to take back, yet must not go on editing without a step.
        if (takenBack || what == Shortfall::request)
            SendToRegisteredWindows(notifyStepTakenBack);
    });
    if (g_telling)
        return;
    CString text;
    if (takenBack && !step.IsEmpty()) {
        text.Format(
            InLanguage({"There was not enough memory for \"%s\". It was taken back: the document is as "
                        "it was before.",
                        "メモリが足りないため「%s」を続けられませんでした。取り消したので、"
                        "ドキュメントは前のままです。"}),
            step.GetString());
    } else if (what == Shortfall::display) {
        if (g_displayTold)
            return;
        g_displayTold = true;
        text = InLanguage({"There was not enough memory to bring the display up to date.",
                           "メモリが足りないため、表示を最新の状態にできませんでした。"});
    } else {
        text = InLanguage({"There was not enough memory to finish what was asked.",
                           "メモリが足りないため、操作を最後まで行えませんでした。"});
    }
    struct Telling {
        Telling() { g_telling = true; }
        ~Telling() { g_telling = false; }
    } telling;
    MessageBox(MessageOwner(), text, "quelaForm", MB_OK | MB_ICONERROR);
}

// The undo hold of the request under way. It outlives its handing-out
// while the request goes on (a drag, from the press that began its step to
// the release), so that memory running out in any handing-out of the
// request takes back all the request began.
std::optional<CUndoHold> g_request;
// Set while a handing-out of that request runs: what the user asks in a
// modal window meanwhile is held on its own.
bool g_requestRunning = false;

// Runs work with the document's undo list held; when it runs out of memory,
// what it began is taken back and, unless it painted, the user told.
template <class Work> void RunGuarded(Shortfall what, Work work) {
    CQuelDoc* doc = GetDoc();
    const bool request = what == Shortfall::request && !g_requestRunning;
    std::optional<CUndoHold> own;
    std::optional<CUndoHold>& hold = request ? g_request : own;
    if (doc && !hold)
        hold.emplace(doc->m_undoBuffer);
    bool done = false;
    {
        struct Running {
            bool on;
            explicit Running(bool request) : on(request) { g_requestRunning |= on; }
            ~Running() { g_requestRunning &= !on; }
        } running(request);
        done = RunWithMemory(work);
    }
    // A paint edits nothing, and its picture stays as far as it got: a box
    // at every paint would keep the user from going on. Surfaces left out
    // are told about by the panes.
    if (done) {
        if (what == Shortfall::request)
            g_displayTold = false;
    } else if (what != Shortfall::paint) {
        RunWithMemory([&] { RecoverStep(hold ? &*hold : nullptr, what); });
    }
    if (request && !RequestGoesOn())
        g_request.reset();
}

Shortfall ShortfallOf(HandingOut kind) {
    return kind == HandingOut::display ? Shortfall::display : Shortfall::request;
}

} // namespace

CMemoryShortageGuard::CMemoryShortageGuard() : m_previous(SetMessageGuard(this)) {}

CMemoryShortageGuard::~CMemoryShortageGuard() {
    SetMessageGuard(m_previous);
    g_request.reset();
}

void CMemoryShortageGuard::LetGoOfDocument() {
    g_request.reset();
}

LRESULT CMemoryShortageGuard::Deliver(CMessageTarget& target, UINT message, WPARAM wParam, LPARAM lParam,
                                      HandingOut kind) {
    LRESULT result = 0;
    const auto deliver = [&] { result = target.WindowProc(message, wParam, lParam); };
    if (message == WM_PAINT)
        RunGuarded(Shortfall::paint, deliver);
    else if (kind == HandingOut::within)
        deliver(); // the call that sent it is guarded, and takes back what it began
    else if (message == WM_DOC_NOTIFY)
        RunGuarded(Shortfall::display, deliver); // brings the windows up to date with what was done
    else
        RunGuarded(ShortfallOf(kind), deliver);
    return result;
}

void CMemoryShortageGuard::Run(void (*call)(void*), void* context, HandingOut kind) {
    RunGuarded(ShortfallOf(kind), [&] { call(context); });
}

bool HasUntoldSurfaceShortage(const CQuelDoc& doc) {
    for (const CSpatchObj* obj : doc.m_objects)
        if (obj->GetSurfaceShortage() == CSpatchObj::surfacesShort)
            return true;
    return false;
}

void ReportSurfaceShortages(CQuelDoc& doc) {
    // All are marked told first: the boxes' loops repaint the panes.
    std::vector<CSpatchObj*> untold;
    for (CSpatchObj* obj : doc.m_objects)
        if (obj->GetSurfaceShortage() == CSpatchObj::surfacesShort) {
            obj->SetSurfaceShortage(CSpatchObj::surfacesShortTold);
            untold.push_back(obj);
        }
    for (const CSpatchObj* obj : untold) {
        CString text;
        text.Format(
            InLanguage({"There is not enough memory to show the surfaces of \"%s\"; it is shown by its "
                        "curves alone.",
                        "メモリが足りないため「%s」の面を表示できません。カーブだけを表示しています。"}),
            obj->GetName().GetString());
        if (obj->GetPolygonize())
            text += InLanguage({" Lower subdivide values under Convert Polygon or Subdivision Surface need "
                                "less memory.",
                                "ポリゴン化やサブディビジョンサーフェースの分割数を下げると、必要なメモリが"
                                "減ります。"});
        MessageBox(MessageOwner(), text, "quelaForm", MB_OK | MB_ICONWARNING);
    }
}
