#pragma once
// Documents as the bytes of their file: tests of undo, editing commands and
// the file itself save a document before and after and compare byte for
// byte. Also a scene with every kind of content the file carries.
#include <gtest/gtest.h>
#include <string>

class CQuelDoc;

namespace qf::test {

// The document file of doc, exactly as File > Save writes it.
std::string DocumentBytes(CQuelDoc& doc);
// Success when both files are the same; otherwise the message names the
// first differing byte and the section it lies in.
::testing::AssertionResult SameDocumentBytes(const std::string& expected, const std::string& actual);

// Gives doc one of everything its file holds: patch objects (a grid with
// manual handles and a smoothed, mirrored one; a flagged pentagon with its
// neighbours; an empty one) in nested folders, a motion-blur pair, polygon
// objects with line, triangle and quad faces, three lights, materials that
// use every element record and are referred to by material slots and the
// default material setting, include files, underlays, cameras, memo cameras,
// and every scene record changed from its defaults. Names include Japanese
// text. Every value survives the file exactly.
void FillEveryKindOfContent(CQuelDoc& doc);

} // namespace qf::test
