#pragma once
// The program-wide settings kept in quel.ini in the settings folder: viewport
// colours, renderer paths, mouse-button tools, per-pane display settings,
// editing options, renderer output values and a few view switches. The file
// is CP932 text with Japanese section and key names, written whole; the
// reader finds each section by its header and takes the values of a section
// in order, whatever their keys say.
#include "model/model_document.h"
#include "model/mouse_modes.h"
#include "platform/base/cstring.h"
#include "platform/base/text_file.h"
#include "platform/base/win_types.h"

#include <array>
#include <string>

// The display settings of one pane.
struct CPaneDisplaySettings {
    int m_showVertices = 1;
    int m_showCurves = 1;
    int m_showSurfaces = 0;
    int m_useLighting = 0;
    int m_curveResolution = 4;   // even, 2..20 after reading
    int m_surfaceResolution = 4; // follows the curve smoothness when read
    int m_gridCount = 10;
    float m_gridSpacing = 1.0f; // at least 1 after reading
    int m_showGrid = 1;
    int m_showGridXY = 0;
    int m_showGridXZ = 0;
    int m_showGridYZ = 0;
    std::array<int, 3> m_gridLock{}; // snap on x, y, z
    int m_showAxes = 1;
    int m_showUnderlay = 0;
};

class CCoreSettings {
public:
    CCoreSettings();

    COLORREF m_bgColor = RGB(227, 227, 203);
    COLORREF m_unselectObjColor = RGB(196, 163, 133);
    COLORREF m_selectObjColor = RGB(46, 97, 106);
    COLORREF m_unselectVertexColor = RGB(255, 0, 0);
    COLORREF m_selectVertexColor = RGB(0, 255, 0);
    COLORREF m_invisibleColor = RGB(150, 140, 100);
    COLORREF m_gridColor = RGB(177, 177, 126);
    COLORREF m_materialAxisColor = RGB(0, 255, 255);

    // Renderer programs and folders; each is stored as one whole line. POV-Ray
    // and Python where Debian installs them; BMRT, MegaPOV and Lightflow have
    // no package and are looked for where a user would unpack them.
    CString m_povRayPath = "/usr/bin/povray";
    CString m_megaPovPath = "/usr/local/bin/megapov";
    int m_normalRenderer = 1;
    float m_megaPovVersion = 0.4f;
    CString m_rendribPath = "/usr/local/BMRT2.5/bin/rendrib";
    CString m_bmrtFolder = "/usr/local/BMRT2.5";
    CString m_lightflowFolder = "/usr/local/Lightflow";
    CString m_pythonPath = "/usr/bin/python3";

    // MouseMode of each button.
    int m_mouseModeLeft = mouseModeTranslate;
    int m_mouseModeRight = mouseModeCameraRotate1;
    int m_mouseModeMiddle = mouseModeCameraPan;
    int m_mouseModeBoth = mouseModeCameraZoom;

    std::array<CPaneDisplaySettings, kPaneCount> m_panes;

    int m_latheCount = 8;
    float m_vertexSize = 4.0f;
    float m_cameraRotateSpeed = 5.0f;
    int m_vertexSelectOption = 2; // 0 select all, 1 select none, 2 inverse

    // Output of the renderer, edited by the render pages.
    int m_imageWidth = 640;
    int m_imageHeight = 480;
    float m_antiThreshold = 0.3f;
    float m_jitterAmount = 1.0f;
    int m_antiSamplingMethod = 0;
    int m_antiDepth = 3;
    int m_useAnti = 0;
    int m_useJitter = 0;
    int m_useAlpha = 0;
    int m_writeOutputFile = 1;
    int m_displayWhileRendering = 1;
    int m_useRadiosity = 0;
    int m_outputFileType = 0;

    int m_syncRedraw = 0;
    int m_manipulatorShown = 1;
    int m_zoomReverse = 0;
    int m_rotateReverse = 0;
    int m_moveReverse = 0;
};

// Reads and writes quel.ini for settings that the caller owns.
class CQuelIniFile {
public:
    explicit CQuelIniFile(CCoreSettings& settings) : m_settings(settings) {}

    // Reads quel.ini; when it does not exist, writes it from the settings.
    // False (settings kept) when the file cannot be read or written.
    bool Read(std::string* error = nullptr);
    // Replaces quel.ini with the settings. False, leaving the old file as it
    // was, when it cannot be written or a path cannot stand in it (a line
    // break, or a character without a CP932 form).
    bool Write(std::string* error = nullptr) const;
    // Takes the values of every section found; values the file lacks keep
    // theirs. Numbers are then brought into the ranges their dialogs offer (a
    // choice outside its list takes its default): the curve smoothness is made
    // even within 2..20, the surface smoothness follows it, and the grid
    // spacing is at least 1.
    void Parse(qf::CTextFileReader& file);

private:
    CCoreSettings& m_settings;
};
