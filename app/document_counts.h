#pragma once
// What the document information dialog counts: the patch objects and
// folders of the document, and per scope the patches by their sides, the
// curves and the control points (all, selected, temporarily hidden) of the
// patch objects the scope takes. Stale patch objects are rebuilt first, so
// the patch counts are current. Polygon objects are not counted.
class CQuelDoc;

enum DocumentCountScope {
    countAll = 0,            // every patch object
    countSelectedObject = 1, // the first selected patch object of the list, or none
    countExported = 2,       // every patch object whose export is effective
};

struct CScopeCounts {
    int threeSided = 0;
    int fourSided = 0;
    int fiveSided = 0;
    int curves = 0;
    int vertices = 0;
    // In the scopes of several objects only those of selected objects count.
    int selectedVertices = 0;
    int hiddenVertices = 0;
};

CScopeCounts CountScope(CQuelDoc& doc, int scope);
