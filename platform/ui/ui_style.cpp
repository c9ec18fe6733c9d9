#include "platform/ui/ui_style.h"

#include "platform/ui/dialog.h"
#include "platform/ui/native_window.h"

#include <cstring>
#include <dlfcn.h>
#include <wx/gdicmn.h>
#include <wx/image.h>

wxFont DialogFont() {
    static const wxFont font = [] {
        // wx sizes fonts in points; the em is to be 12 pixels on this screen.
        const int ppi = wxGetDisplayPPI().y > 0 ? wxGetDisplayPPI().y : 96;
        wxFontInfo info(kDialogFontPixels * 72.0 / ppi);
        info.FaceName(wxString::FromUTF8(ResolveFontFace("MS UI Gothic", true).GetString()));
        return wxFont(info);
    }();
    return font;
}

wxBitmap PixelArtBitmap(const PixelArt& art) {
    wxImage image(art.width, art.height);
    image.InitAlpha();
    for (int y = 0; y < art.height; ++y) {
        const char* row = y < static_cast<int>(art.rows.size()) ? art.rows[static_cast<size_t>(y)] : "";
        const int length = static_cast<int>(std::strlen(row));
        for (int x = 0; x < art.width; ++x) {
            bool transparent = true;
            const COLORREF colour = x < length ? PixelArtColour(row[x], &transparent) : 0;
            image.SetRGB(x, y, GetRValue(colour), GetGValue(colour), GetBValue(colour));
            image.SetAlpha(x, y, transparent ? 0 : 255);
        }
    }
    return wxBitmap(image);
}

namespace {

// Rows of dialog layouts are 10 to 14 dialog units (15 to 21 pixels) high;
// the theme's default paddings and minimum heights would not fit them.
constexpr const char* kCompactCss = R"css(
button { min-height: 0; min-width: 0; padding: 0 6px; }
checkbutton, radiobutton { min-height: 0; padding: 0; }
checkbutton check, radiobutton radio { min-width: 13px; min-height: 13px; margin: 0 4px 0 0; padding: 0; }
entry { min-height: 0; padding: 0 4px; }
combobox button.combo, combobox entry { min-height: 0; padding-top: 0; padding-bottom: 0; }
notebook > header > tabs > tab { min-height: 0; min-width: 0; padding: 2px 5px; }
toolbar { padding: 1px; }
toolbar button { padding: 2px; }
)css";

} // namespace

// wx hides GTK and this project does not build against GTK's headers; the
// running program already has GTK loaded, so its style functions are looked
// up by name.
void ApplyCompactControlStyle() {
    static bool applied = false;
    if (applied)
        return;
    applied = true;
    using ProviderNew = void* (*)();
    using LoadFromData = int (*)(void*, const char*, long, void**);
    using ScreenDefault = void* (*)();
    using AddProvider = void (*)(void*, void*, unsigned);
    auto providerNew = reinterpret_cast<ProviderNew>(dlsym(RTLD_DEFAULT, "gtk_css_provider_new"));
    auto loadFromData =
        reinterpret_cast<LoadFromData>(dlsym(RTLD_DEFAULT, "gtk_css_provider_load_from_data"));
    auto screenDefault = reinterpret_cast<ScreenDefault>(dlsym(RTLD_DEFAULT, "gdk_screen_get_default"));
    auto addProvider =
        reinterpret_cast<AddProvider>(dlsym(RTLD_DEFAULT, "gtk_style_context_add_provider_for_screen"));
    if (!providerNew || !loadFromData || !screenDefault || !addProvider)
        return;
    void* screen = screenDefault();
    void* provider = providerNew();
    if (!screen || !provider)
        return;
    constexpr unsigned kApplicationPriority = 600;
    if (loadFromData(provider, kCompactCss, -1, nullptr))
        addProvider(screen, provider, kApplicationPriority);
}
