#pragma once
// What the patch model reads of the current document: the pane cameras and
// a few display settings. The document implements this interface and the
// application installs, once at start-up, the function that finds the current
// document; the model asks it anew on every use. Without an accessor, or when
// it finds no document, the model draws with the settings' defaults and knows
// no camera.
class CCamera;

// The viewport panes, numbered 0..3.
constexpr int kPaneCount = 4;

// The gizmo drawn for a material axis.
enum MaterialAxisShape {
    axisShapeAxesOnly = -1,
    axisShapeSphere = 0,
    axisShapeCylinder = 2,
    axisShapePlane = 4,
    axisShapeTorus = 8,
};

class CModelDocument {
public:
    virtual ~CModelDocument() = default;
    // The camera of viewport pane view; the model only asks for 0..kPaneCount-1.
    virtual const CCamera& GetPaneCamera(int view) const = 0;
    // Near clipping distance of the perspective projection.
    virtual double GetNearDistance() const = 0;
    // The OpenGL setting "curve_type": 1 draws curve segments with evaluators.
    virtual int GetCurveType() const = 0;
    // Size in pixels of the control points drawn in the panes.
    virtual float GetVertexPointSize() const = 0;
    // The MaterialAxisShape drawn for a material axis.
    virtual int GetMaterialAxisShape() const = 0;
};

using ModelDocumentAccessor = CModelDocument* (*)();

// Null uninstalls.
void SetModelDocumentAccessor(ModelDocumentAccessor accessor);
// The current document, or null.
CModelDocument* GetModelDoc();
// The camera of viewport pane view of the current document; null without a
// document or for a view outside 0..3.
const CCamera* GetPaneCamera(int view);
