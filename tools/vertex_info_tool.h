#pragma once
// The vertex-information tool (mode 2000), a diagnostic: while it is the
// left button's tool, moving over a pane with no button held shows the
// cursor and the index of the current object's control point under it in
// the status text, "(120,85)vertex : 7" (-1 for none), and draws that point
// as selected in the four panes until they are next painted. Its press,
// drag and release do nothing; the selection never changes.
class CMouseToolController;

class CVertexInfoTool {
public:
    explicit CVertexInfoTool(CMouseToolController& owner) : m_owner(owner) {}
    CVertexInfoTool(const CVertexInfoTool&) = delete;
    CVertexInfoTool& operator=(const CVertexInfoTool&) = delete;

    void OnHover(int x, int y);

private:
    CMouseToolController& m_owner;
};
