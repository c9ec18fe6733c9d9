#include "shell/window_layout.h"

#include "platform/base/file_util.h"
#include "platform/base/text_file.h"
#include "resources/command_ids.h"

namespace {

// The longest key word read; the key words themselves are not compared.
constexpr size_t kMaxKeyBytes = 100;

} // namespace

std::string FormatWindowLayout(const WindowLayout& layout) {
    CString text;
    text.Format("Tool_Window %d\nDialog_Window %d %d\nStatus_Window %d\nMenu_Window %d\nMenu_Window2 %d\n",
                layout.toolWindow, layout.dialogWindow, layout.dialogOnRight, layout.statusWindow,
                layout.menuWindow, layout.menuWindow2);
    return std::string(text);
}

WindowLayout ParseWindowLayout(const std::string& text) {
    // Read as formatted input reads it: a key word, then its numbers, with
    // any white space (blank lines too) between them. Reading stops at the
    // first value missing or not a number.
    qf::CTextFileReader file = qf::CTextFileReader::FromText(text, qf::TextEncoding::Utf8);
    WindowLayout layout;
    struct Line {
        int* first;
        int* second;
    };
    const Line lines[] = {
        {&layout.toolWindow, nullptr},   {&layout.dialogWindow, &layout.dialogOnRight},
        {&layout.statusWindow, nullptr}, {&layout.menuWindow, nullptr},
        {&layout.menuWindow2, nullptr},
    };
    CString key;
    for (const Line& line : lines)
        if (!file.ReadWord(key, kMaxKeyBytes) || !file.ReadInt(*line.first) ||
            (line.second && !file.ReadInt(*line.second)))
            break;
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
