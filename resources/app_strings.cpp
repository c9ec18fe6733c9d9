#include "resources/resource_parts.h"
#include "resources/resource_tables.h"

// The document strings: window title, document name, file type name,
// filter, extension and the type's ids, one field per line. Each set names
// its own by its main menu's id; both sets hold both.
namespace {

constexpr StringEntry kDocumentStrings[] = {
    {IDR_MAINFRAME_JA,
     "quelaForm\n\nQuelaForm\nQuelaForm ﾌｧｲﾙ (*.qfm)\n.qfm\nQuelaForm.Document\nQuelaForm Document"},
    {IDR_MAINFRAME_EN,
     "quelaForm\n\nQuelaForm\nQuelaForm file(*.qfm)\n.qfm\nQuelaForm.Document\nQuelaForm Document"},
};

} // namespace

std::span<const StringEntry> AppStrings() {
    return kDocumentStrings;
}
