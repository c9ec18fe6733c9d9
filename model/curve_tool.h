#pragma once
// CCurveTool: the operations on whole curves of one patch object, built on the
// stack around its target for one call. Deleting the selected curve and
// sharpening or smoothing the curves that cross it need a selected curve; the
// knife cuts every visible curve segment that a line dragged in a pane
// crosses, inserting a new point there. Each operation returns 1 when it
// changed the object and 0 when it found nothing to do (a null target, no
// selected curve, an empty pane or drag, nothing crossed); the object is then
// unchanged.
class CCamera;
class CSpatchObj;

class CCurveTool {
public:
    explicit CCurveTool(CSpatchObj* obj) : m_obj(obj) {}
    virtual ~CCurveTool() = default;

    // Deletes the selected curve with its nodes and links; its points stay.
    int DeleteSelectedCurve();
    // Makes the other curves sharp (smooth) where they pass the selected
    // curve's points; the selected curve itself is left as it is.
    int SharpenCrossingCurves();
    int SmoothCrossingCurves();

    // The knife: camera and client size of the pane the line was dragged in,
    // and the press and release points in client pixels. A segment whose
    // plane crossing projects within 3 pixels of the drag's rectangle is cut
    // once, at a new point; segments at a hidden point are never cut.
    // Variant 0 only inserts the points.
    int KnifeCutCurves(const CCamera& camera, int paneWidth, int paneHeight, int x0, int y0, int x1, int y1);
    // Variant 1 also joins the two new points of every three- or four-sided
    // patch cut on exactly two edges, so the patch splits in two; the joins
    // of neighbouring patches grow into one curve, closed round a ring.
    int KnifeCutPatches(const CCamera& camera, int paneWidth, int paneHeight, int x0, int y0, int x1, int y1);
    // Variant 2 also runs one new curve through the new points, ordered by
    // their pixel distance from the press point; a single cut adds no curve.
    int KnifeCutWithCurve(const CCamera& camera, int paneWidth, int paneHeight, int x0, int y0, int x1,
                          int y1);

private:
    int SetCrossingSharp(int sharp);

    CSpatchObj* m_obj; // not owned
};
