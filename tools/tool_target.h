#pragma once
// What the edit drags work on: the current object (the first selected patch
// object) while it is shown and editable. Each drag asks anew at every event.
class CSpatchObj;

// Null when there is no current object, or it is hidden or not editable.
CSpatchObj* TakeEditableObject();
