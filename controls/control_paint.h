#pragma once
// What the owner-drawn controls share when they paint: the caption font and
// an off-screen picture of the client area that is copied to the window in
// one piece, so a control never flickers while it is drawn.
#include "platform/ui/dc.h"

// The captions' font: "MS UI Gothic" (the installed Japanese UI font) at a
// pixel height, normal weight, with the Shift-JIS character set.
void CreateCaptionFont(CFont& font, int height);

// A memory DC over a bitmap of the client size, filled with the dialog face
// colour; what was drawn into it is copied to the target at the client
// origin when this dies.
class COffscreenPaint {
public:
    COffscreenPaint(CDC& target, const CRect& client);
    ~COffscreenPaint();
    COffscreenPaint(const COffscreenPaint&) = delete;
    COffscreenPaint& operator=(const COffscreenPaint&) = delete;

    CDC& DC() { return m_memory; }

private:
    CDC& m_target;
    CRect m_client;
    CDC m_memory;
    CBitmap m_bitmap;
    CBitmap* m_previous = nullptr;
};
