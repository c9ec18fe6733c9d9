#pragma once
// When memory runs short in the middle of something (std::bad_alloc, or
// std::length_error where a size would not fit): an edit is taken back
// whole and the user told; a patch object whose surfaces could not be built
// is drawn by its curves and the user told once.
#include "platform/base/message.h"

class CQuelDoc;

// The guard of every message the event loop hands a window and of every
// other call of the loop into the program, in use while it lives. A handler
// that runs out of memory has every undo step it began taken back, the
// current document's undo list and modified flag given back as they were,
// and the user is told what happened, once: the step taken back, or the
// request left unfinished, or (for the display catching up with what was
// done, told once until a request is done) that the display could not be
// brought up to date. A request that goes on over several handing-outs (a
// drag) is taken back whole, from its press on. What runs out of memory
// again while the user is being told is taken back silently.
class CMemoryShortageGuard : public CMessageGuard {
public:
    CMemoryShortageGuard();
    ~CMemoryShortageGuard() override;
    CMemoryShortageGuard(const CMemoryShortageGuard&) = delete;
    CMemoryShortageGuard& operator=(const CMemoryShortageGuard&) = delete;

    LRESULT Deliver(CMessageTarget& target, UINT message, WPARAM wParam, LPARAM lParam,
                    HandingOut kind) override;
    void Run(void (*call)(void*), void* context, HandingOut kind) override;
    // The document is about to go: a request going on over it ends.
    void LetGoOfDocument();

private:
    CMessageGuard* m_previous;
};

// Whether a patch object of doc could not have its surfaces built since it
// last changed and the user has not been told yet.
bool HasUntoldSurfaceShortage(const CQuelDoc& doc);
// Tells the user about each such object, one box each, naming it (and, for
// one drawn through its display mesh, that lower division or subdivision
// values need less memory); each is told once.
void ReportSurfaceShortages(CQuelDoc& doc);
