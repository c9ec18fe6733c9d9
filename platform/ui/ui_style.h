#pragma once
// The look the window layer gives dialogs and bars; platform/ui only.
#include "resources/resource_format.h"

#include <wx/bitmap.h>
#include <wx/font.h>

// The 9-point UI font the dialog templates are laid out for ("MS UI Gothic"), as the installed face that
// stands in for it, with an em of 12 pixels.
wxFont DialogFont();

// GTK's controls want more room than dialog layouts give them; a little
// style sheet makes buttons, boxes, fields and tabs compact. Idempotent.
void ApplyCompactControlStyle();

// A picture of the resources as a bitmap; its '.' pixels are transparent.
wxBitmap PixelArtBitmap(const PixelArt& art);
