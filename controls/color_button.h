#pragma once
// CColorButton: a colour swatch. A click opens the colour dialog (fully
// open) with the swatch's colour; after OK the swatch takes the chosen
// colour, redraws, and sends WM_COMMAND (control id, 0, no sender) to its
// parent, whose ON_BN_CLICKED (id) handler reads GetColor and commits it;
// Cancel changes and sends nothing. The parent never hears the click itself.
#include "platform/ui/controls.h"

class CColorButton : public CButton {
public:
    const char* GetRuntimeClassName() const override { return "CColorButton"; }
    // Stores and redraws at once.
    void SetColor(COLORREF color);
    COLORREF GetColor() const { return m_color; }

protected:
    void DrawItem(LPDRAWITEMSTRUCT drawItem) override;
    BOOL OnEraseBkgnd(CDC* dc) override;
    const CommandMap& GetCommandMap() const override;

private:
    void OnClicked();

    COLORREF m_color = RGB(255, 255, 255);
};
