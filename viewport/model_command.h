#pragma once
// The pattern the view's modelling commands share: the tests that stop a
// command before it records anything, the repaint that shows its change in
// the four panes as cheaply as the change allows, and the rules that enable
// its menu item. The command tables name these by letter and number.
#include "app/undo_buffer.h"
#include "app/window_services.h"
#include "model/mouse_mode_setter.h"

#include <memory>

class CCmdUI;
class CSpatchObj;

// The quick draws of an OpenGL pane, which draw over its picture (or repaint
// it while the manipulator is shown). A pane's full repaint is its
// CWindowServices::RedrawNow.
class CPaneQuickDraws : public CGLPaneServices {
public:
    // The world axes, when the pane shows them.
    virtual void RedrawCoordinateAxes() = 0;
};

// Tests on the current object (the first selected patch object), combined
// with |. testObjectOrMessage shows the "no object selected" message when
// there is none; every other failed test stops silently.
enum CommandTest : unsigned {
    testObjectOrMessage = 1, // O!
    testObject = 2,          // O
    testSelectedVertex = 4,  // S: at least one selected vertex
    testSelectedCurve = 8,   // P: a selected curve point
    testEditable = 16,       // E
};
// The current object when it passes the tests, else null.
CSpatchObj* TakeCurrentObject(unsigned tests);

// A command's two undo descriptions, Japanese first.
struct CommandTexts {
    const char* japanese;
    const char* english;
};

// Opens the command's one undo step on obj before it changes anything: the
// descriptions, the kind, and what that kind restores (positions, geometry,
// curves or the whole object).
void RecordUndoStep(CSpatchObj* obj, const CommandTexts& texts, UndoKind kind);

// Selects exactly the points from list index first on, which a command just
// appended, so that they can be moved at once.
void SelectAppendedVertices(CSpatchObj& obj, int first);

// Hands a tool to the left mouse button through the document.
class CLeftButtonModes : public CMouseModeSetter {
public:
    void SetLeftMouseMode(int mode) override;
};

// How a command repaints each pane, panes taken in the order 0 to 3. A full
// repaint paints the pane now; quick vertex and curve draws draw over its
// picture (or repaint it while the manipulator is shown).
enum RepaintRule {
    repaintAll = 1,   // R1: full
    repaintShape,     // R2: full with surfaces, else curves then vertices
    repaintCurves,    // R3: full with curves or surfaces, else nothing
    repaintSelection, // R4: full with the manipulator, a cleared curve point or a control-point tool
    repaintSelectionNoCurveTest, // R5: full with the manipulator, else vertices
    repaintSelectionOnCurve,     // R6: full with the manipulator or a control-point tool, else curves and
                                 // vertices
    repaintHiddenPoints,         // R7: full with vertices or the manipulator, else nothing
    repaintShowAgain,            // R8: full with surfaces, else vertices then curves
    repaintCurveSelection,       // R9: full with a control-point tool, else curves
    repaintNewVertex,            // R10: vertices
};
// hadSelectedCurvePoint: the object had a selected curve point before the
// command ran (rule R4), which the selection operations clear.
void RepaintPanes(RepaintRule rule, bool hadSelectedCurvePoint = false);

// When a command's menu item is enabled.
enum UpdateRule {
    enableWithObject = 1,         // U1
    enableWithShownSelection,     // U2: selected vertex, editable, shown
    enableWithSelection,          // U3
    enableWithOneSelected,        // U4: exactly one selected vertex
    enableWithCurvePoint,         // U5
    enableWithEditableSelection,  // U6
    enableWithEditableCurvePoint, // U7
    enableWithEditable,           // U8
    enableWithEditableShown,      // U9
    enableWithVertices,           // U10: at least one vertex
    enableWithInvisibleVertices,  // U11
    enableWithAnyObject,          // U12: the document holds a patch object
    enableWithClipboard,          // U13: editable, and the clipboard holds a vertex
    enableWithoutDrag,            // U14: no window holds the mouse capture
};
bool IsEnabledByRule(UpdateRule rule);
// Enables the item by the rule.
void EnableByRule(CCmdUI* ui, UpdateRule rule);
