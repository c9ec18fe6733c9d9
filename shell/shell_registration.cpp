#include "shell/shell_registration.h"

#include "platform/base/c_locale.h"
#include "platform/base/file_util.h"

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr const char* kProgramName = "quelaform";
// The icon of the document type, named after its MIME type.
constexpr const char* kDocumentIconName = "application-x-quelaform";

// A desktop entry's Exec argument: quoted, with the characters the quoting
// reserves escaped, then escaped once more as a desktop entry string.
std::string ExecArgument(const std::string& path) {
    std::string quoted = "\"";
    for (const char c : path) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    quoted += '"';
    std::string escaped;
    for (const char c : quoted) {
        if (c == '\\')
            escaped += '\\';
        escaped += c;
    }
    return escaped;
}

std::string XmlText(const CString& text) {
    std::string out;
    for (const char c : std::string(text.GetString())) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// The icon as SVG: one square per run of equal pixels in a row.
std::string IconSvg(const PixelArt& art) {
    std::string svg = qf::FormatC("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" "
                                  "viewBox=\"0 0 %d %d\" shape-rendering=\"crispEdges\">\n",
                                  art.width, art.height, art.width, art.height);
    for (int y = 0; y < art.height && y < static_cast<int>(art.rows.size()); ++y) {
        const std::string row = art.rows[static_cast<size_t>(y)];
        for (size_t x = 0; x < row.size();) {
            size_t end = x + 1;
            while (end < row.size() && row[end] == row[x])
                ++end;
            bool transparent = true;
            const COLORREF colour = PixelArtColour(row[x], &transparent);
            if (!transparent)
                svg += qf::FormatC(
                    "<rect x=\"%zu\" y=\"%d\" width=\"%zu\" height=\"1\" fill=\"#%02x%02x%02x\"/>\n", x, y,
                    end - x, GetRValue(colour), GetGValue(colour), GetBValue(colour));
            x = end;
        }
    }
    return svg + "</svg>\n";
}

bool WriteIfChanged(const std::string& path, const std::string& text, bool& changed) {
    std::string old;
    if (qf::ReadWholeFile(path, old) && old == text)
        return true;
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    if (!qf::WriteFileAtomically(path, text))
        return false;
    changed = true;
    return true;
}

// Runs a desktop tool over a folder and waits for it (they finish at once);
// a tool that is not installed is skipped.
void RunCacheTool(const char* tool, const std::string& folder) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::string name = tool;
    std::string argument = folder;
    char* argv[] = {name.data(), argument.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, tool, &actions, nullptr, argv, environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
    }
    posix_spawn_file_actions_destroy(&actions);
}

} // namespace

std::string UserDataHome() {
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data)
        return data;
    if (const char* home = std::getenv("HOME"); home && *home)
        return qf::JoinPath(qf::JoinPath(home, ".local"), "share");
    return {};
}

std::vector<CShellRegistrationFile> ShellRegistrationFiles(const CShellRegistration& r) {
    const std::string desktop = std::string("[Desktop Entry]\n"
                                            "Type=Application\n"
                                            "Name=quelaForm\n"
                                            "Comment=3D modeller of spline patches\n"
                                            "Exec=") +
                                ExecArgument(r.executable) +
                                " %f\n"
                                "Icon=" +
                                kProgramName +
                                "\n"
                                "Terminal=false\n"
                                "Categories=Graphics;3DGraphics;\n"
                                "MimeType=" +
                                kDocumentMimeType + ";\n";
    const std::string mime =
        std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                    "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                    "  <mime-type type=\"") +
        kDocumentMimeType + "\">\n    <comment>" + XmlText(r.typeName) + "</comment>\n    <icon name=\"" +
        kDocumentIconName + "\"/>\n    <glob pattern=\"*" + XmlText(r.extension) +
        "\"/>\n  </mime-type>\n</mime-info>\n";
    std::vector<CShellRegistrationFile> files = {
        {std::string("applications/") + kProgramName + ".desktop", desktop},
        {std::string("mime/packages/") + kProgramName + ".xml", mime},
    };
    if (r.icon) {
        const std::string svg = IconSvg(*r.icon);
        files.push_back({std::string("icons/hicolor/scalable/apps/") + kProgramName + ".svg", svg});
        files.push_back({std::string("icons/hicolor/scalable/mimetypes/") + kDocumentIconName + ".svg", svg});
    }
    return files;
}

bool RegisterShellFileTypes(const CShellRegistration& r) {
    if (r.dataHome.empty() || r.executable.find_first_of("\r\n") != std::string::npos)
        return false;
    bool changed = false;
    bool written = true;
    for (const CShellRegistrationFile& file : ShellRegistrationFiles(r))
        written = WriteIfChanged(qf::JoinPath(r.dataHome, file.path), file.text, changed) && written;
    if (changed) {
        RunCacheTool("update-mime-database", qf::JoinPath(r.dataHome, "mime"));
        RunCacheTool("update-desktop-database", qf::JoinPath(r.dataHome, "applications"));
    }
    return written;
}
