#pragma once
// When memory runs short (std::bad_alloc, or std::length_error where a size
// would not fit) for the surfaces of a patch object: it is drawn by its
// curves and the user told once.
class CQuelDoc;

// Whether a patch object of doc could not have its surfaces built since it
// last changed and the user has not been told yet.
bool HasUntoldSurfaceShortage(const CQuelDoc& doc);
// Tells the user about each such object, one box each, naming it (and, for
// one drawn through its display mesh, that lower division or subdivision
// values need less memory); each is told once.
void ReportSurfaceShortages(CQuelDoc& doc);
