#include "resources/resource_parts.h"

// Dialog templates of the viewport whose texts are the same in both sets
// (the pane header changes its own texts for English).
namespace {

// Pane header bar (102): the pane letter, the view, show and light menu
// buttons and the three layout buttons. The bar places them itself.
constexpr DWORD kHeaderButton = WS_VISIBLE | BS_OWNERDRAW;
constexpr DialogItemTemplate kPaneHeader[] = {
    {DialogControl::Button, 1012, "", 6, 2, 10, 11, kHeaderButton},
    {DialogControl::Button, 1468, "視点", 39, 3, 30, 12, kHeaderButton},
    {DialogControl::Button, 1476, "表示", 82, 2, 30, 12, kHeaderButton},
    {DialogControl::Button, 1479, "ライト", 114, 1, 30, 12, kHeaderButton},
    {DialogControl::Button, 1002, "", 166, 3, 9, 10, kHeaderButton},
    {DialogControl::Button, 1004, "", 179, 2, 14, 11, kHeaderButton},
    {DialogControl::Button, 1008, "", 197, 3, 15, 9, kHeaderButton},
};

constexpr DialogTemplate kTemplates[] = {
    {102, "", 330, 16, WS_CHILD, kPaneHeader},
};

} // namespace

std::span<const DialogTemplate> SharedAppDialogTemplates() {
    return kTemplates;
}
