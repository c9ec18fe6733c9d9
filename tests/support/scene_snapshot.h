#pragma once
// A document's scene as comparable text, one entry per element: patch objects
// with their geometry, folders with their place in the hierarchy, polygon
// objects, lights, materials, and the scene-wide state (setting records,
// cameras, default material setting, background colour, MegaPOV values,
// include files, underlays). It keeps what a saved document keeps: names,
// keys, settings, attributes and geometry, with material references as
// material names. It leaves out the selection and derived data (patches,
// nets, curve handles, caches), which a saved document does not keep either.
// Records that already have their file form (lights, materials, folders,
// setting records) enter as the bytes they store.
//
// Elements are keyed by kind and name: undo finds them by name, and one that
// undo re-creates returns at the end of its list. Inside an object the order
// of points, curves and nodes counts.
#include <gtest/gtest.h>
#include <map>
#include <string>

class CQuelDoc;

namespace qf::test {

class SceneSnapshot {
public:
    explicit SceneSnapshot(const CQuelDoc& doc);

    // "object <name>", "folder <name>", "polygon <name>", "light <name>",
    // "material <name>", "scene" -> the element's text.
    const std::map<std::string, std::string>& GetEntries() const { return m_entries; }

private:
    std::map<std::string, std::string> m_entries;
};

// Passes when both hold the same entries with the same text; otherwise names
// each entry that is missing, extra or different, with its first differing line.
::testing::AssertionResult SameScene(const SceneSnapshot& expected, const SceneSnapshot& actual);

} // namespace qf::test
