#pragma once
// CTypedField: what every field whose typed text goes into the document or
// the settings shares. The text is taken when the user leaves the field, or
// earlier, when something could show another item in the field's place or
// act on what the field edits: that something runs CommitFocused first.
class CTypedField {
public:
    virtual ~CTypedField() = default;

    // Takes the typed text now, as leaving the field does.
    virtual void CommitTypedText() = 0;

    // CommitTypedText for the field that has the focus, if any: what runs
    // before a tree selection, a page, a command, a click elsewhere or a
    // document replaced, so that the text reaches the item it was typed for.
    static void CommitFocused();
};
