#pragma once
// The patch object: control points joined by Bezier curves. Its patches are
// derived from the curve network and rebuilt on demand: a topology edit sets
// needsRebuild and the next reader of patches calls Rebuild; a geometry edit
// ends with UpdateCurveHandles, which marks the nets dirty. Every change drops
// the cached mirrored copy and display mesh, which their users build again.
#include "model/base_obj.h"
#include "model/curve_polylines.h"
#include "model/patch_elements.h"
#include "platform/base/obj_list.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

class CArchive;
class CMouseModeSetter;
class CCamera;
class CGlyphSource;
struct CPatchDrawSettings;
struct CTextFontStyle;

// Data a drawing library keeps with a patch object between paints; the
// object owns it and never looks into it.
class CDrawCache {
public:
    virtual ~CDrawCache() = default;
};

// The vertex flag record of the document file, by point index, read whole
// before anything of it is applied.
struct CVertexFlagRecord {
    struct Marker {
        int32_t index;
        int32_t values[2];
    };
    struct Colour {
        int32_t index;
        uint32_t colour;
    };
    std::vector<int32_t> fivePoints;
    std::vector<Marker> markers;
    std::vector<Colour> colours;
};

// What SetFivePointFlag does to the flag of each selected control point.
enum FivePointFlagOp {
    fivePointSet = 0,
    fivePointClear = 1,
    fivePointInvert = 2,
};

class CSpatchObj : public CBaseObj {
public:
    CSpatchObj();
    ~CSpatchObj() override;

    int GetObjType() const override { return objTypePatch; }

    // The owned lists. The object owns its control points, curves and patches;
    // pointers into them stay valid until the element is deleted by an edit
    // or a rebuild (patches live from one Rebuild to the next).
    CObjList<CPatchVertex>& GetVertices() { return m_vertices; }
    const CObjList<CPatchVertex>& GetVertices() const { return m_vertices; }
    CObjList<CCurve>& GetCurves() { return m_curves; }
    const CObjList<CCurve>& GetCurves() const { return m_curves; }
    CObjList<CPatch>& GetPatches() { return m_patches; }
    const CObjList<CPatch>& GetPatches() const { return m_patches; }
    CObjList<CFivePointPatch>& GetFivePatches() { return m_fivePatches; }
    const CObjList<CFivePointPatch>& GetFivePatches() const { return m_fivePatches; }

    // Building blocks; the caller completes the links and nodes it adds.
    CPatchVertex* AddVertex(float x, float y, float z);
    CCurve* AddCurve();
    // Null for a null vertex.
    CVertexLink* AddVertexLink(CPatchVertex* vertex);
    // A new node (sharp 0, weight 0.3) at the end of curve; null for a null curve.
    CCurvePoint* AddCurvePoint(CCurve* curve);
    void DeleteAllVertices();
    void DeleteAllCurves();
    void DeleteAllPatches();
    // Empties the patch back-lists of every control point.
    void RemoveAllPatches();

    // Running numbers in list order: control points and their links, curves
    // and their nodes, and the 3/4-sided and five-sided patches separately.
    void NumberVertices();
    void NumberCurves();
    void NumberPatches();

    // Selection lives in the flags of points and nodes.
    void SelectAllVertices(int v);
    // Selects the points that may not be patch corners.
    void SelectVisibleVertices();
    void SelectAllCurvePoints(int v);
    int CountSelectedVertices() const;
    int CountHiddenVertices() const;
    int CountInvisibleVertices() const;
    // The first curve, in list order, with a selected node; null when none.
    CCurve* GetSelectedCurve() const;
    // The first selected node of the selected curve; null when none.
    CCurvePoint* GetSelectedCurvePoint() const;

    // Component-wise extremes over the selected points; the outputs stay as
    // they were when nothing is selected.
    void GetSelectedBounds(CVector3& maxCorner, CVector3& minCorner) const;
    // The same over all points; both zero for an empty object.
    void GetBounds(CVector3& maxCorner, CVector3& minCorner) const;
    CVector3 GetSelectedCenter() const;
    CVector3 GetCenter() const;

    // Derives the patches from the curve network: every closed cycle of three
    // or four curve segments, and of five through flagged points when
    // fivePointOn is set, oriented alike where they share edges. Clears
    // needsRebuild, marks the nets dirty and drops the caches. A search that
    // runs out of memory throws and leaves no patches, needsRebuild set.
    void Rebuild();
    // The three-sided (four-sided) search alone, appending to the patch list;
    // the curves and points are numbered first. The control points' patch
    // back-lists stay filled for a following search; RemoveAllPatches empties them.
    void FindTriPatchesCall();
    void FindQuadPatchesCall();
    // Empties every control point's links, then links each node of each curve,
    // in order, to its control point again.
    void RebuildVertexLinks();
    // Builds the control nets of every patch when they are marked dirty, and
    // only then: one per quad, three per triangle, five per five-sided patch,
    // smoothed across shared edges when smoothing is on.
    void UpdatePatchNets();
    // Net k of a three- or four-sided patch (a quad has only net 0) at (s, t);
    // out is left as it was for a null patch or a net the patch lacks.
    void EvaluateTriPatchNet(CVector3& out, float s, float t, int k, const CPatch* patch) const;
    // Net k (0..4) of a five-sided patch at (s, t), likewise.
    void EvaluateFivePatchNet(CVector3& out, float s, float t, int k, const CFivePointPatch* patch) const;
    int CountTriPatches() const;
    int CountQuadPatches() const;
    int CountFivePointPatches() const { return m_fivePatches.GetCount(); }
    void DeleteFivePointPatches() {
        m_fivePatches.RemoveAll();
        ++m_netsGeneration;
    }
    // Derives every node's handles from its neighbours, then marks the nets
    // dirty and drops the caches. Every geometry edit ends with it.
    void UpdateCurveHandles();
    // The handles alone, from the points, weights and manual offsets; marks
    // nothing.
    void DeriveCurveHandles();
    // Adds delta to the weight of the chosen nodes (below), then updates the handles.
    void AddWeight(float delta);
    // Sets sharp = v, weight 0.3 and automatic handles on the chosen nodes,
    // then updates the handles. The chosen nodes: on the selected curve, those
    // on the first selected point; without a selected curve, every node on a
    // selected point.
    void SetSharp(int v);
    // One segment as a line strip in the current OpenGL context, by the
    // document's curve drawing type. The caller enables GL_MAP1_VERTEX_3
    // around its curve loop for the evaluator type. Fewer than one step draws
    // the chord.
    static void DrawBezierSegment(int steps, const CVector3& p0, const CVector3& p1, const CVector3& p2,
                                  const CVector3& p3);

    // Appends the outline of text in the XY plane, one closed curve per glyph
    // contour, starting at the origin with the base line on y = 0 and running
    // along +x; size is the height of the character cell (0 or below counts
    // as 1). A character the glyph source cannot give is skipped. 1 when
    // curves were added. The font variant finds faceName through fontconfig.
    int CreateTextOutline(CGlyphSource& glyphs, const CString& text, float size);
    int CreateTextOutline(const CString& text, const CString& faceName, const CTextFontStyle& font,
                          float size);
    // The point at (s, t) of the patch's single net (BuildNet): s runs along
    // the net's rows, t down its columns. out is left alone for a null patch.
    void EvaluateQuadPatch(CVector3& out, const CPatch* patch, float s, float t) const;
    // The same bicubic evaluation on a net the caller built, in single precision.
    static CVector3 EvaluateQuadNet(const PatchNet& net, float s, float t);

    // Drawing into the current OpenGL context of a pane, with the pane's and
    // the document's settings; surfaces are drawn by the mesh library.
    void DrawVertices(const CPatchDrawSettings& settings) const;
    void DrawCurves(int steps, const CPatchDrawSettings& settings) const;
    // Every control point's camera-space position, then its pane pixel
    // ((-10, -10) when it cannot be shown), for picking and dragging.
    void TransformVerticesToView(const CCamera& camera);
    void ProjectVertices(const CCamera& camera);

    // Drops the mirrored copy when a mirror is set up and the display mesh
    // when the object is drawn through it.
    void InvalidateCaches();
    // A non-zero flag deletes the mirrored copy; 1 also marks the mesh dirty.
    void SetMirrorDirty(int flag);
    // A non-zero flag deletes the display mesh, here and in the mirrored copy.
    void SetMeshDirty(int flag);
    // 0 when nothing changed since the mirrored copy was made and it can be
    // used; otherwise drops the copy and returns 1.
    int CheckMirrorCache();
    void InvalidateMesh() { SetMeshDirty(1); }
    int GetMirrorDirty() const { return m_mirrorDirty; }
    int GetMeshDirty() const { return m_meshDirty; }
    CSpatchObj* GetMirrorCache() const { return m_mirrorCache.get(); }
    void SetMirrorCache(std::unique_ptr<CSpatchObj> copy) { m_mirrorCache = std::move(copy); }
    // The display mesh is a scene object of the mesh library.
    CBaseObj* GetMeshCache() const { return m_meshCache.get(); }
    void SetMeshCache(std::unique_ptr<CBaseObj> mesh) { m_meshCache = std::move(mesh); }
    // The evaluated surfaces of the mesh library's drawing, checked by it
    // against the nets' generation, which counts every change of the patch
    // lists and every rebuild of the nets.
    CDrawCache* GetSurfaceCache() const { return m_surfaceCache.get(); }
    void SetSurfaceCache(std::unique_ptr<CDrawCache> cache) { m_surfaceCache = std::move(cache); }
    unsigned GetNetsGeneration() const { return m_netsGeneration; }

    // Copies smoothing, the polygonize settings and fivePointOn, then the
    // attributes; never geometry, key, parent or selection.
    void CopySettings(const CSpatchObj* other);
    // Appends copies of other's points, curves and links after this object's
    // own (other is renumbered), then updates the handles and marks the
    // patches for rebuilding. keepSelection 1 keeps the points' selection.
    void AppendGeometry(CSpatchObj* other, int keepSelection);
    // Trades points, curves and patches with other, which cannot fail: a
    // geometry built apart replaces this one whole. The patches and nets of
    // both are stale then.
    void SwapGeometry(CSpatchObj& other) noexcept;

    // Five-sided patches may only have corners whose fivePoint flag is set.
    // Sets, clears or inverts (FivePointFlagOp) the flag of the selected points.
    void SetFivePointFlag(int op);
    // Selects the points whose flag equals v and deselects every node.
    void SelectByFivePointFlag(int v);
    // Red points, larger, where the fivePoint (visible) flag is set (clear),
    // yellow ones elsewhere; needs a current OpenGL context.
    void DrawFivePointVertices() const;
    void DrawInvisibleVertices() const;
    int CountFivePointVertices() const;
    int CountMarkedVertices() const;
    int CountColouredVertices() const;
    // The control points' fivePoint flags, marker values and own colours by
    // point index. Reading replaces them all, or throws CArchiveException on
    // a damaged record and leaves them as they were.
    void WriteVertexFlags(CArchive& ar) const;
    void ReadVertexFlags(CArchive& ar);
    // ReadVertexFlags in two steps: the record, checked against the points,
    // then its flags set on them.
    CVertexFlagRecord ReadVertexFlagRecord(CArchive& ar) const;
    void ApplyVertexFlags(const CVertexFlagRecord& record);
    // The object record of the document file: name, switches, points, curves
    // and links, with the motion-blur partner given by name (" " for none).
    // Write numbers the points and curves first. Read fills a new, empty
    // object; a count or number that does not fit the record throws
    // CArchiveException, and the object must then be thrown away.
    int Write(CArchive& ar, const CString& partnerName);
    int Read(CArchive& ar, CString& partnerName);
    // Read in two steps, for readers that build many objects at once: the
    // leading part (name, switches, partner), then points, curves and links
    // without deriving the handles (DeriveCurveHandles does that). Geometry
    // touches nothing but this object, so objects may be read side by side;
    // the leading part goes through the shared code-page converter and may not.
    void ReadHeader(CArchive& ar, CString& partnerName);
    void ReadGeometry(CArchive& ar);
    // The length of the object record at the start of bytes, and of its
    // leading part; false when bytes hold no whole, well-formed record.
    static bool MeasureRecord(std::string_view bytes, size_t& headerBytes, size_t& recordBytes);
    // The option record: see-through, mirror and polygonize settings; a short
    // record throws and changes nothing.
    int WriteOptions(CArchive& ar) const;
    int ReadOptions(CArchive& ar);

    // Edits of the view's modelling commands. They work on the selection held
    // in the points and nodes and return 1 when they changed the object, 0
    // when they found nothing to do (the object is then unchanged).

    // Deletes the selected points with their nodes; a curve left with fewer
    // than two nodes goes too.
    int DeleteSelectedVertices();
    // Removes the segment after the selected node: a closed curve opens
    // there, an open one loses its end segment or splits in two. The last
    // node of an open curve has no segment to remove.
    int DeleteSelectedSegment();
    // With exactly one point selected, selects the next segment leaving or
    // arriving at it, in the order of its links.
    int SelectNextCurveAtVertex();
    int SelectVerticesOnCurve(CCurve* curve);
    // Extends the point selection over curves to whole connected pieces.
    int SelectConnectedVertices();
    int InvertVertexSelection();
    // Revolves the profile about the Y axis in divisions steps (at least 3),
    // flattening it onto z = 0 first. The profile is the selected curve, else
    // the first curve of two or more nodes whose points are all selected.
    int CreateLathe(int divisions);
    // Copies the profile onto new selected points, each joined to its source
    // point by extending an open curve that ends there or by a new segment,
    // and hands the left mouse button the translate tool so the copy can be
    // dragged off at once.
    int Extrude(CMouseModeSetter& modes);
    // Mirror the selected points and their manual handles through x = 0,
    // y = 0 or z = 0.
    int FlipX();
    int FlipY();
    int FlipZ();
    // Toggles the patch-corner switch of the selected points.
    int ToggleVisibleSelected();
    int HideSelectedTemporarily();
    int ShowAllTemporarilyHidden();
    // Appends a closed star of five outer points at radius r1 and five inner
    // ones at r2 in the XY plane; only its points end selected.
    int AddStarShape(float r1, float r2);
    // Deletes a curve of this object with its nodes and the links to them.
    int RemoveCurve(CCurve* curve);

    // Replaces target's geometry by the curve-connected pieces of this object
    // that hold a selected point, none of their points selected; an empty
    // target when nothing is selected. Copying into itself does nothing.
    void CopySelectionTo(CSpatchObj* target);
    // Sweeps a four-point circle of the radius along the selected curve: a
    // closed ring at every node and four rails through the rings.
    int ExtrudeCircleAlongCurve(float radius);
    // Divides segments of the selected curve into count pieces (at least 2):
    // every segment, or with onlySelectedPart only the one that starts at the
    // selected node.
    int SubdivideSelectedCurve(int count, int onlySelectedPart);
    // Moves target onto merged and lets it take over merged's curves, joining
    // curve ends that meet there; merged is deleted. Both must be points of
    // this object, and different.
    int ConnectVertices(CPatchVertex* target, CPatchVertex* merged);
    // The handles of the selected node as white lines and coloured points;
    // nothing unless the object is selected and has a selected curve. Needs
    // a current OpenGL context.
    void DrawSelectedCurveHandles() const;

    // A change of the topology or of the geometry makes the patches or the
    // nets stale, which also lets the panes try the surfaces again.
    int GetNeedsRebuild() const { return m_needsRebuild; }
    void SetNeedsRebuild(int v) {
        m_needsRebuild = v;
        if (v)
            m_surfaceShortage = surfacesBuildable;
    }
    int GetNetsDirty() const { return m_netsDirty; }
    void SetNetsDirty(int v) {
        m_netsDirty = v;
        if (v)
            m_surfaceShortage = surfacesBuildable;
    }
    // Set when the memory for the surfaces the panes draw (patches, nets,
    // evaluated surfaces, mirrored copy, display mesh) could not be had: the
    // panes draw the object without them and do not try again until a change
    // makes any of them stale (needsRebuild, netsDirty, a dropped mirrored
    // copy or display mesh). Told once the user has been told.
    enum SurfaceShortage { surfacesBuildable = 0, surfacesShort = 1, surfacesShortTold = 2 };
    int GetSurfaceShortage() const { return m_surfaceShortage; }
    void SetSurfaceShortage(int v) { m_surfaceShortage = v; }
    int GetFivePointOn() const { return m_fivePointOn; }
    void SetFivePointOn(int v) { m_fivePointOn = v; }
    int GetSmoothing() const { return m_smoothing; }
    // Also marks the nets dirty and drops the caches.
    void SetSmoothing(int on);
    int GetAllowHiddenCorners() const { return m_allowHiddenCorners; }
    void SetAllowHiddenCorners(int v) { m_allowHiddenCorners = v; }
    int GetPolygonize() const { return m_polygonize; }
    void SetPolygonize(int v) { m_polygonize = v; }
    int GetSmoothOn() const { return m_smoothOn; }
    void SetSmoothOn(int v) { m_smoothOn = v; }
    float GetSmoothAngle() const { return m_smoothAngle; } // crease angle, degrees
    void SetSmoothAngle(float v) { m_smoothAngle = v; }
    int GetDivision() const { return m_division; }
    void SetDivision(int v) { m_division = v; }
    int GetSubdivisionOn() const { return m_subdivisionOn; }
    void SetSubdivisionOn(int v) { m_subdivisionOn = v; }
    int GetSubdivisionCount() const { return m_subdivisionCount; }
    void SetSubdivisionCount(int v) { m_subdivisionCount = v; }
    // One patch's net, built on request for the exporters.
    PatchNet& GetScratchNet() { return m_scratchNet; }
    // Position in the document's object list, written before the hierarchy is stored.
    int GetTreeIndex() const { return m_treeIndex; }
    void SetTreeIndex(int v) { m_treeIndex = v; }

private:
    template <class Fn> void ForEachChosenNode(Fn fn);
    // The kept polylines of the curves at a pane's curve resolution.
    CCurvePolylines& CurvePolylines(int steps) const;
    // The three-, four- and five-sided searches and the orientation pass of
    // Rebuild, after numbering the points and curves and emptying the
    // points' patch back-lists.
    void SearchPatches();
    // One search alone, as the exporters run them, with the points' back-lists
    // carried from one to the next.
    void SearchPatchesOfSides(int sides);
    void SmoothPatchNets();

    int m_needsRebuild = 1;
    int m_fivePointOn = 0;
    int m_smoothing = 0;
    CObjList<CPatchVertex> m_vertices;
    CObjList<CCurve> m_curves;
    CObjList<CPatch> m_patches;
    CObjList<CFivePointPatch> m_fivePatches;
    PatchNet m_scratchNet{};
    int m_netsDirty = 1;
    int m_allowHiddenCorners = 0;
    int m_polygonize = 0;
    int m_smoothOn = 0;
    float m_smoothAngle = 89.0f;
    int m_division = 1;
    int m_subdivisionOn = 0;
    int m_subdivisionCount = 2;
    std::unique_ptr<CSpatchObj> m_mirrorCache; // owned, rebuilt by the mirror builder
    int m_mirrorDirty = 0;
    std::unique_ptr<CBaseObj> m_meshCache; // owned, rebuilt by the mesh builder
    int m_meshDirty = 0;
    std::unique_ptr<CDrawCache> m_surfaceCache;            // owned, drawn from by the mesh library
    mutable std::vector<CCurvePolylines> m_curvePolylines; // by curve resolution
    unsigned m_netsGeneration = 0;
    int m_treeIndex = 0;
    int m_surfaceShortage = surfacesBuildable;
    // The patches of the previous search, handed out again by the next one
    // while Rebuild runs and empty otherwise: a large object then keeps its
    // patch memory instead of returning it to the system and faulting it in
    // again on every rebuild.
    CObjList<CPatch> m_sparePatches;
};
