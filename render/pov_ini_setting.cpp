#include "render/pov_ini_setting.h"

#include "platform/base/c_locale.h"
#include "platform/base/text_file.h"

#include <algorithm>

namespace {

// One covered range of pixels, 1-based and inclusive, of an image `image`
// pixels long, for pane pixels [low, high) of a pane `pane` pixels long.
std::pair<int, int> ScaleSpan(int low, int high, int pane, int image) {
    pane = std::max(pane, 1);
    image = std::max(image, 1);
    const long long first = static_cast<long long>(std::max(low, 0)) * image / pane;
    const long long past = (static_cast<long long>(std::max(high, 0)) * image + pane - 1) / pane;
    const int start = static_cast<int>(std::clamp<long long>(first + 1, 1, image));
    int end = static_cast<int>(std::clamp<long long>(past, start, image));
    if (end == 1)
        end = std::min(2, image);
    return {start, end};
}

bool IsQuotable(const std::string& value) {
    return std::none_of(value.begin(), value.end(),
                        [](char c) { return c == '"' || static_cast<unsigned char>(c) < 0x20; });
}

} // namespace

CImageRegion ScaleRegionToImage(int left, int top, int right, int bottom, int paneWidth, int paneHeight,
                                int imageWidth, int imageHeight) {
    const auto [startColumn, endColumn] = ScaleSpan(left, right, paneWidth, imageWidth);
    const auto [startRow, endRow] = ScaleSpan(top, bottom, paneHeight, imageHeight);
    return {startColumn, startRow, endColumn, endRow};
}

const char* PovOutputTypeLetter(int type) {
    // "B" where the system format was meant: POV-Ray on Linux refuses "S".
    static const char* const letters[] = {"B", "N", "P", "C", "T"};
    return type >= 1 && type <= 5 ? letters[type - 1] : "";
}

std::string CPovIniSetting::GetText() const {
    std::string text = "Input_File_Name=\"" + m_inputFile + "\"\n";
    text += qf::FormatC("Width=%d\nHeight=%d\nDisplay=%d\n", m_width, m_height, m_display);
    // The picture stays on screen until the user clicks it or presses a key.
    if (m_display)
        text += "Pause_When_Done=on\n";
    text += qf::FormatC("Output_to_File=%d\n", m_outputToFile);
    if (m_outputToFile == 1) {
        text += "Output_File_Name=\"" + m_outputFile + "\"\n";
        text += qf::FormatC("Output_File_Type=%s\n", PovOutputTypeLetter(m_outputFileType));
        if (m_outputAlpha)
            text += "Output_Alpha=on\n";
    }
    if (m_region) {
        const CImageRegion& r = m_regionPixels;
        text += qf::FormatC("Start_Column=%d\nStart_Row=%d\nEnd_Column=%d\nEnd_Row=%d\n", r.startColumn,
                            r.startRow, r.endColumn, r.endRow);
    }
    text += m_antialias ? "Antialias=on\n" : "Antialias=off\n";
    // Three decimals: a threshold of 0.05 must not become 0.1.
    text += qf::FormatC("Sampling_Method=%d\nAntialias_Threshold=%0.3f\nJitter=%d\nJitter_Amount=%0.3f\n"
                        "Antialias_Depth=%d\n",
                        m_samplingMethod, m_antiThreshold, m_jitter, m_jitterAmount, m_antiDepth);
    for (const std::string& path : m_libraryPaths)
        if (!path.empty())
            text += "Library_Path=\"" + path + "\"\n";
    return text;
}

bool CPovIniSetting::Write(std::string* error) const {
    for (const std::string* value : {&m_inputFile, &m_outputFile})
        if (!IsQuotable(*value)) {
            if (error)
                *error = "a file name holds a double quote or a line break: " + *value;
            return false;
        }
    for (const std::string& path : m_libraryPaths)
        if (!IsQuotable(path)) {
            if (error)
                *error = "a folder name holds a double quote or a line break: " + path;
            return false;
        }
    qf::CTextFileWriter file(m_runFilePath, qf::TextEncoding::Utf8);
    file.Write(GetText());
    if (!file.Close()) {
        if (error)
            *error = file.GetError();
        return false;
    }
    return true;
}

bool CPovIniSetting::WriteRegion(std::string* error) {
    m_region = 1;
    m_display = 1;
    return Write(error);
}
