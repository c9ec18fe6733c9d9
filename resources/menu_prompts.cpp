#include "resources/command_ids.h"
#include "resources/resource_parts.h"

// Status-bar prompts and tool tips of the menus' remaining standard commands.
namespace {

constexpr StringEntry kJapanese[] = {
    {ID_FILE_SAVE_AS, "ドキュメントに名前を付けて保存\n名前を付けて保存"},
    {ID_FILE_MRU_FILE1, "このドキュメントを開く\n最近使ったファイル"},
    {ID_FILE_MRU_FILE1 + 1, "このドキュメントを開く\n最近使ったファイル"},
    {ID_FILE_MRU_FILE1 + 2, "このドキュメントを開く\n最近使ったファイル"},
    {ID_FILE_MRU_FILE1 + 3, "このドキュメントを開く\n最近使ったファイル"},
    {ID_APP_EXIT, "quelaForm を終了\n終了"},
    {ID_EDIT_REDO, "取り消した操作をやり直す\nやり直し"},
    {ID_VIEW_STATUS_BAR, "ステータスバーの表示/非表示\nステータスバー"},
};

constexpr StringEntry kEnglish[] = {
    {ID_FILE_SAVE_AS, "Save the document under a new name\nSave As"},
    {ID_FILE_MRU_FILE1, "Open this document\nRecent File"},
    {ID_FILE_MRU_FILE1 + 1, "Open this document\nRecent File"},
    {ID_FILE_MRU_FILE1 + 2, "Open this document\nRecent File"},
    {ID_FILE_MRU_FILE1 + 3, "Open this document\nRecent File"},
    {ID_APP_EXIT, "Quit quelaForm\nExit"},
    {ID_EDIT_REDO, "Redo the last undone edit\nRedo"},
    {ID_VIEW_STATUS_BAR, "Show or hide the status bar\nStatus Bar"},
};

} // namespace

std::span<const StringEntry> MenuPrompts(ResourceLanguage language) {
    if (language == ResourceLanguage::English)
        return kEnglish;
    return kJapanese;
}
