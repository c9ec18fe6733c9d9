#pragma once
// The commands that set one switch (editable, exported, shown) of every
// patch object at once: to on, or to whether the object is selected.
// Polygon objects and folders keep theirs.
class CQuelDoc;

enum class ObjectFlag { editable, exported, shown };

// Offered with an object selected among at least two patch objects.
bool CanSetObjectFlags(const CQuelDoc& doc);

// Sets the switch and refreshes the object panel. True when the panes must
// be redrawn: always when only the selected objects are shown; when all are
// shown, only if an object with control points was hidden before.
bool SetObjectFlags(CQuelDoc& doc, ObjectFlag flag, bool onlySelected);
