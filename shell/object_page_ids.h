#pragma once
// Control ids of the object page's buttons and the submenus they open.
constexpr int kNewButtonId = 1020;
constexpr int kCopyButtonId = 1026;
constexpr int kDeleteButtonId = 1032;
constexpr int kEtcButtonId = 1040;
// Positions in the pane popup menus of the New button's and the etc. button's submenus.
constexpr int kCreateObjectSubmenu = 4;
constexpr int kObjectEtcSubmenu = 5;
