#pragma once
// What one pane paints from the document on every repaint: its background
// and its scene, seen through the pane's camera. Needs only a current GL
// context, so the pane's window and the off-screen tests paint alike.
#include "model/spatch_draw.h"
#include "viewport/view_camera.h"

class CBaseObj;
class CQuelDoc;
class CSpatchObj;
struct CHandleState;

// The three manipulators of the object and material-axis transform tools.
enum class ManipulatorKind { translate, scale, rotate };

class CPaneScene {
public:
    // Where DrawScene takes the objects from: drawn now, or the display list
    // CompileObjects made.
    enum ObjectsSource { drawObjects, objectsFromList };

    // pane: 0..3, the pane whose camera and display switches are used;
    // handles: the pane's highlighted manipulator handles, none when null.
    CPaneScene(CQuelDoc& doc, int pane, const CViewCamera& view, const CHandleState* handles = nullptr)
        : m_doc(doc), m_pane(pane), m_view(view), m_handles(handles) {}

    // Clears colour and depth (the background colour, or the render
    // background colour when that one is in use), draws the underlay when
    // the pane shows it, and draws the scene.
    void Paint();
    // Depth test, the pane camera, the grids, the objects, the manipulator
    // and last the corner axis indicator.
    void DrawScene(ObjectsSource objects = drawObjects);
    // The scene's contents as the pane's switches ask: the world axes, the
    // patch objects (the opaque ones first, then the see-through ones
    // without writing depth), the polygon objects and the lights.
    void DrawObjects();
    // OpenGL lighting for shaded surfaces when the pane asks for it (always
    // when forced): its light source's lights, at most eight, or the
    // document's two default lights in white. The caller switches it off.
    void SetupLighting(bool force);
    // The handles of the current drag tool over everything drawn so far:
    // translate, scale or rotate, at the selection's centre or at the
    // selected object's material axis.
    void DrawManipulator();
    // The manipulator handles at position, turned by rotation (degrees about
    // x, y, z), sized to the pane; the axis the camera looks along is left
    // out. In select mode only the parts a pick tells apart are drawn, each
    // under its name: 0 X, 1 Y, 2 Z and 3 the centre.
    void DrawHandles(ManipulatorKind kind, const CVector3& position, const CVector3& rotation, bool picking);
    void DrawTranslateHandles(const CVector3& position, const CVector3& rotation, bool picking);
    void DrawScaleHandles(const CVector3& position, const CVector3& rotation, bool picking);
    void DrawRotateHandles(const CVector3& position, const CVector3& rotation, bool picking);
    // The pane camera: viewport, projection and view.
    void ApplyCamera();
    // DrawObjects into the current context's display list, replacing it.
    void CompileObjects();
    static void DeleteCompiledObjects();

private:
    // One pass over a patch object: its surfaces with the given opacity when
    // the pane shows them, then curves, points and the tool's extras.
    void DrawPatchObject(CSpatchObj& obj, int alpha);
    void DrawPolygonObjects();
    // The translate and scale handles differ only in their heads.
    void DrawAxisHandles(const CVector3& position, const CVector3& rotation, bool picking, bool cones);
    bool IsHighlighted(int handle) const;

    CQuelDoc& m_doc;
    int m_pane;
    const CViewCamera& m_view;
    const CHandleState* m_handles;
};

// How a pane draws a patch or polygon object: the document's colours, point
// size and left-button tool, the OpenGL settings, and the object's colour
// and opacity.
CPatchDrawSettings MakePatchDrawSettings(const CQuelDoc& doc, const CBaseObj& obj);
