#pragma once
// What one pane paints from the document on every repaint: its background
// and its scene, seen through the pane's camera. Needs only a current GL
// context, so the pane's window and the off-screen tests paint alike.
#include "model/spatch_draw.h"
#include "viewport/view_camera.h"

class CQuelDoc;
class CSpatchObj;

class CPaneScene {
public:
    // Where DrawScene takes the objects from: drawn now, or the display list
    // CompileObjects made.
    enum ObjectsSource { drawObjects, objectsFromList };

    // pane: 0..3, the pane whose camera and display switches are used.
    CPaneScene(CQuelDoc& doc, int pane, const CViewCamera& view) : m_doc(doc), m_pane(pane), m_view(view) {}

    // Clears colour and depth (the background colour, or the render
    // background colour when that one is in use) and draws the scene.
    void Paint();
    // Depth test, the pane camera, the grids, the objects and last the
    // corner axis indicator.
    void DrawScene(ObjectsSource objects = drawObjects);
    // The scene's contents as the pane's switches ask: the world axes.
    void DrawObjects();
    // The pane camera: viewport, projection and view.
    void ApplyCamera();
    // DrawObjects into the current context's display list, replacing it.
    void CompileObjects();
    static void DeleteCompiledObjects();

private:
    CQuelDoc& m_doc;
    int m_pane;
    const CViewCamera& m_view;
};

// How a pane draws a patch object: the document's colours, point size and
// left-button tool, the OpenGL settings, and the object's colour and opacity.
CPatchDrawSettings MakePatchDrawSettings(const CQuelDoc& doc, const CSpatchObj& obj);
