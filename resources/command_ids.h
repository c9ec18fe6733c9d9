#pragma once
// Command ids that the program's code names: the class library's standard
// commands and the main frame's own. The rest are used by number where the
// command tables give them.
#include "platform/base/win_types.h"

constexpr UINT ID_FILE_NEW = 57600;
constexpr UINT ID_FILE_OPEN = 57601;
constexpr UINT ID_FILE_SAVE = 57603;
constexpr UINT ID_FILE_SAVE_AS = 57604;
// The recent-file list: four entries from the first.
constexpr UINT ID_FILE_MRU_FILE1 = 57616;
constexpr int kRecentFileCount = 4;
constexpr UINT ID_EDIT_COPY = 57634;
constexpr UINT ID_EDIT_CUT = 57635;
constexpr UINT ID_EDIT_PASTE = 57637;
constexpr UINT ID_EDIT_UNDO = 57643;
constexpr UINT ID_EDIT_REDO = 57644;
constexpr UINT ID_APP_ABOUT = 57664;
constexpr UINT ID_APP_EXIT = 57665;
constexpr UINT ID_VIEW_STATUS_BAR = 59393;

constexpr UINT ID_FILE_INSERT = 30547;
constexpr UINT ID_FILE_IMPORT_SPT = 30000;
constexpr UINT ID_FILE_EXPORT_SPT = 30001;
constexpr UINT ID_FILE_EXPORT_MQO = 30002;
constexpr UINT ID_FILE_IMPORT_MQO = 30140;
constexpr UINT ID_FILE_EXPORT_DXF = 30057;
constexpr UINT ID_FILE_EXPORT_X = 30093;
constexpr UINT ID_FILE_EXPORT_TRUESPACE = 30059;
constexpr UINT ID_FILE_EXPORT_LIGHTWAVE5 = 30568;
constexpr UINT ID_FILE_EXPORT_LIGHTWAVE6 = 30569;
constexpr UINT ID_FILE_IMPORT_PYGMALION = 30138;
constexpr UINT ID_EDIT_PASTE_AT_SELECTION = 30128;
constexpr UINT ID_EDIT_CLEAR_UNDO = 30570;
constexpr UINT ID_EDIT_PASTE_ALONG_CURVE = 30136;
constexpr UINT ID_EDIT_UNDO_SETTING = 30517;
constexpr UINT ID_MODEL_CONNECT_CURVE = 30731;
constexpr UINT ID_MODEL_FREEZE = 30735;
constexpr UINT ID_HELP_INDEX = 30004;

constexpr UINT ID_WINDOW_TOOL = 30025;
constexpr UINT ID_WINDOW_DIALOG = 30023;
constexpr UINT ID_LAYOUT_DIALOG_LEFT = 30019;
constexpr UINT ID_LAYOUT_DIALOG_RIGHT = 30021;
// The object page's New menu and its etc. menu.
constexpr UINT ID_OBJECT_CREATE_PATCH = 30573;
constexpr UINT ID_OBJECT_CREATE_FOLDER = 30728;
constexpr UINT ID_OBJECT_CHANGE_PARENT = 30730;
constexpr UINT ID_WINDOW_MENU = 30029;
constexpr UINT ID_WINDOW_FULL_SCREEN = 30032;

// Rendering and the document's information, view and object-flag commands.
constexpr UINT ID_FILE_EXPORT_POVRAY = 30035;
constexpr UINT ID_FILE_EXPORT_MEGAPOV = 30051;
constexpr UINT ID_FILE_EXPORT_RIB = 30054;
constexpr UINT ID_FILE_EXPORT_LIGHTFLOW = 30111;
constexpr UINT ID_HELP_DEBUG = 30017;
constexpr UINT ID_VIEW_RENDER_POVRAY = 30068;
constexpr UINT ID_VIEW_SAVE_CLIPBOARD = 30067;
constexpr UINT ID_WINDOW_DOCUMENT = 30042;
constexpr UINT ID_OBJECT_SHOW_SELECTED = 30060;
constexpr UINT ID_OBJECT_SHOW_ALL = 30063;
constexpr UINT ID_OBJECT_EDIT_SELECTED = 30065;
constexpr UINT ID_OBJECT_EDIT_ALL = 30069;
constexpr UINT ID_OBJECT_EXPORT_SELECTED = 30071;
constexpr UINT ID_OBJECT_EXPORT_ALL = 30073;
constexpr UINT ID_RENDER_SETTING = 30102;
constexpr UINT ID_RENDER_NORMAL_POVRAY = 30103;
constexpr UINT ID_RENDER_NORMAL_MEGAPOV = 30104;
constexpr UINT ID_RENDER_BMRT = 30105;
constexpr UINT ID_RENDER_LIGHTFLOW = 30106;
constexpr UINT ID_RENDER_BMRT_SETTING = 30108;
constexpr UINT ID_RENDER_LIGHTFLOW_SETTING = 30110;
constexpr UINT ID_MATERIAL_PREVIEW_SETTING = 30575;
constexpr UINT ID_MATERIAL_PREVIEW_RENDER = 30576;
constexpr UINT ID_PANE_UNDERLAY = 30582;
