#pragma once
// CPovIniSetting: the options of one POV-Ray job, written as the run file the
// renderer is started with. Values that name files are written between
// double quotes, so folders with blanks or semicolons (the INI comment
// character) reach the renderer whole.
#include <array>
#include <string>

// The image pixels a region of a pane covers once the pane's view is
// rendered at the image size: 1-based and inclusive, as the renderer counts.
struct CImageRegion {
    int startColumn = 1;
    int startRow = 1;
    int endColumn = 1;
    int endRow = 1;
};

// The pixels of the image that the pane rectangle [left, right) x [top,
// bottom) covers, the pane being paneWidth x paneHeight pixels; at least one
// pixel each way. The renderer reads an end of 1 as "the whole width", so a
// region ending in the first column or row is widened to the second.
CImageRegion ScaleRegionToImage(int left, int top, int right, int bottom, int paneWidth, int paneHeight,
                                int imageWidth, int imageHeight);

class CPovIniSetting {
public:
    virtual ~CPovIniSetting() = default;

    // The run file text below, created at m_runFilePath. False, with the
    // reason in error, when it cannot be written or a file name cannot
    // stand between quotes (a double quote or a line break in it).
    bool Write(std::string* error = nullptr) const;
    // The run file text.
    std::string GetText() const;

    // The region in image pixels, as ScaleRegionToImage gives it.
    void SetRegion(const CImageRegion& region) { m_regionPixels = region; }
    // Renders only the region: the region lines are written and the picture shown.
    bool WriteRegion(std::string* error = nullptr);

    std::string m_runFilePath;
    std::string m_inputFile;
    std::string m_outputFile;
    std::array<std::string, 5> m_libraryPaths;
    int m_width = 640;
    int m_height = 400;
    CImageRegion m_regionPixels;
    int m_display = 1;
    int m_outputToFile = 0;
    int m_outputAlpha = 0;
    int m_region = 0;
    int m_outputFileType = 2; // 1 bmp, 2 png, 3 ppm, 4 compressed tga, 5 tga
    int m_samplingMethod = 2;
    float m_antiThreshold = 0.3f;
    int m_jitter = 0;
    float m_jitterAmount = 1.0f;
    int m_antiDepth = 1;
    int m_antialias = 0;
};

// The renderer's letter for an output file type 1..5; empty for any other.
const char* PovOutputTypeLetter(int type);
