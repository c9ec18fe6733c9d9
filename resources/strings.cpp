#include "resources/resource_parts.h"
#include "resources/resource_tables.h"

// String tables. A command's string is "prompt\ntool tip".
namespace {

constexpr StringEntry kJapanese[] = {
    {IDS_IDLE_MESSAGE, "レディ"},
    {ID_INDICATOR_KANA, "ｶﾅ"},
    {ID_INDICATOR_CAPS, "CAP"},
    {ID_INDICATOR_NUM, "NUM"},
    {ID_INDICATOR_SCRL, "SCRL"},
    {IDS_PARSE_INT, "整数を入力してください。"},
    {IDS_PARSE_REAL, "数値を入力してください。"},
    {IDS_FILE_EXISTS, "%s は既に存在します。\n上書きしますか?"},
    {IDS_BUTTON_OK, "OK"},
    {IDS_BUTTON_CANCEL, "キャンセル"},
    {IDS_BUTTON_YES, "はい(&Y)"},
    {IDS_BUTTON_NO, "いいえ(&N)"},
    {57600, "新規作成\n新規作成"},
    {57601, "ファイルを開く\n開く"},
    {57603, "上書き保存\n上書き保存"},
    {57635, "切り取り\n切り取り"},
    {57634, "コピー\nコピー"},
    {57637, "貼り付け\n貼り付け"},
    {57643, "元に戻す\n元に戻す"},
    {57664, "バージョン情報を表示\nバージョン情報"},
};

constexpr StringEntry kEnglish[] = {
    {IDS_IDLE_MESSAGE, "Ready"},
    {ID_INDICATOR_KANA, "ｶﾅ"},
    {ID_INDICATOR_CAPS, "CAP"},
    {ID_INDICATOR_NUM, "NUM"},
    {ID_INDICATOR_SCRL, "SCRL"},
    {IDS_PARSE_INT, "Please enter an integer."},
    {IDS_PARSE_REAL, "Please enter a number."},
    {IDS_FILE_EXISTS, "%s already exists.\nDo you want to replace it?"},
    {IDS_BUTTON_OK, "OK"},
    {IDS_BUTTON_CANCEL, "Cancel"},
    {IDS_BUTTON_YES, "&Yes"},
    {IDS_BUTTON_NO, "&No"},
    {57600, "Create a new document\nNew"},
    {57601, "Open a document\nOpen"},
    {57603, "Save the document\nSave"},
    {57635, "Cut the selection\nCut"},
    {57634, "Copy the selection\nCopy"},
    {57637, "Paste\nPaste"},
    {57643, "Undo the last edit\nUndo"},
    {57664, "Show Version Info\nAbout"},
};

} // namespace

std::span<const StringEntry> JapaneseStrings() {
    return kJapanese;
}

std::span<const StringEntry> EnglishStrings() {
    return kEnglish;
}
