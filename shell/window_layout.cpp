#include "shell/window_layout.h"

#include "platform/base/file_util.h"
#include "platform/base/text_file.h"
#include "resources/command_ids.h"

namespace {

// The longest key word read; the key words themselves are not compared.
constexpr size_t kMaxKeyBytes = 100;

bool ReadLine(qf::CTextFileReader& file, int* first, int* second = nullptr) {
    CString line;
    if (!file.ReadLine(line, 256))
        return false;
    qf::CTextFileReader words = qf::CTextFileReader::FromText(std::string(line), qf::TextEncoding::Utf8);
    CString key;
    if (!words.ReadWord(key, kMaxKeyBytes) || !words.ReadInt(*first))
        return false;
    return !second || words.ReadInt(*second);
}

} // namespace

std::string FormatWindowLayout(const WindowLayout& layout) {
    CString text;
    text.Format("Tool_Window %d\nDialog_Window %d %d\nStatus_Window %d\nMenu_Window %d\nMenu_Window2 %d\n",
                layout.toolWindow, layout.dialogWindow, layout.dialogOnRight, layout.statusWindow,
                layout.menuWindow, layout.menuWindow2);
    return std::string(text);
}

std::optional<WindowLayout> ParseWindowLayout(const std::string& text) {
    qf::CTextFileReader file = qf::CTextFileReader::FromText(text, qf::TextEncoding::Utf8);
    WindowLayout layout;
    if (!ReadLine(file, &layout.toolWindow) || !ReadLine(file, &layout.dialogWindow, &layout.dialogOnRight) ||
        !ReadLine(file, &layout.statusWindow) || !ReadLine(file, &layout.menuWindow) ||
        !ReadLine(file, &layout.menuWindow2))
        return std::nullopt;
    return layout;
}

std::vector<UINT> WindowLayoutCommands(const WindowLayout& layout) {
    // The bars start as WindowLayout's defaults; each command toggles one.
    std::vector<UINT> commands;
    if (layout.toolWindow == 0)
        commands.push_back(ID_WINDOW_TOOL);
    if (layout.dialogOnRight == 0)
        commands.push_back(ID_LAYOUT_DIALOG_LEFT);
    if (layout.dialogWindow == 0)
        commands.push_back(ID_WINDOW_DIALOG);
    if (layout.statusWindow == 0)
        commands.push_back(ID_WINDOW_STATUS);
    if (layout.menuWindow == 1)
        commands.push_back(ID_WINDOW_MENU_LEFT);
    if (layout.menuWindow2 == 1)
        commands.push_back(ID_WINDOW_MENU_RIGHT);
    return commands;
}

std::string CWndLayout::FilePath() {
    return qf::SettingsPath("quel_wnd.ini");
}

std::optional<WindowLayout> CWndLayout::Read() const {
    std::string bytes;
    if (!qf::ReadWholeFile(FilePath(), bytes))
        return std::nullopt;
    return ParseWindowLayout(bytes);
}

bool CWndLayout::Write(const WindowLayout& layout) const {
    qf::CTextFileWriter file(FilePath());
    file.Write(FormatWindowLayout(layout));
    return file.Close();
}
