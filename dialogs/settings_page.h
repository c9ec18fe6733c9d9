#pragma once
// CSettingsPage: a page of the scene page's settings tree. The scene page
// makes its window from the page's template when the page's leaf is chosen
// and destroys it when another is; each time the page loads its controls
// from the document (Refresh) and stores every change back at once.
//
// Most controls of a page edit one document value each, so a page describes
// them in tables: number fields (an edit with its spin and slider), check
// boxes, colour swatches and radio groups, each naming the document value it
// edits and what follows a change (nothing, the document marked modified,
// or the panes repainted). The base binds them, sets the fields up, loads
// them, stores them when they commit, and puts in the English captions; a
// page adds what its tables cannot say.
#include "controls/color_button.h"
#include "controls/my_edit.h"
#include "controls/quel_group.h"
#include "controls/quel_meter.h"
#include "controls/quel_scroll.h"
#include "controls/quel_spin.h"
#include "dialogs/dialog_texts.h"

#include <memory>
#include <span>
#include <vector>

class CQuelDoc;

// What a page does after it stored a value.
enum class AfterChange {
    nothing,
    modified, // the document is marked modified
    repaint,  // the OpenGL panes repaint (the update broadcast's code 6, posted)
};

struct PageNumberField {
    UINT edit;
    UINT spin;  // 0: none
    UINT meter; // 0: none
    float min;
    float max;
    int decimals; // digits a float field shows; -1 for an integer field
    AfterChange after;
    float& (*floatValue)(CQuelDoc&); // null for an integer field
    int& (*intValue)(CQuelDoc&);     // null for a float field
    BOOL liveCommit = TRUE;          // FALSE: a spin drag commits once, when released
    float dragStep = 1.0f;           // float change per dragged pixel, in float steps
};

constexpr PageNumberField FloatField(UINT edit, UINT spin, float min, float max, float& (*value)(CQuelDoc&),
                                     AfterChange after, int decimals = 3) {
    return {edit, spin, 0, min, max, decimals, after, value, nullptr};
}
constexpr PageNumberField IntField(UINT edit, UINT spin, int min, int max, int& (*value)(CQuelDoc&),
                                   AfterChange after) {
    return {edit, spin, 0, static_cast<float>(min), static_cast<float>(max), -1, after, nullptr, value};
}

struct PageCheck {
    UINT id;
    int& (*value)(CQuelDoc&);
    AfterChange after;
};

struct PageSwatch {
    UINT id;
    COLORREF& (*value)(CQuelDoc&);
    AfterChange after;
};

// Radio buttons with the consecutive ids first .. first + count - 1; the
// value is the index of the checked one.
struct PageRadioGroup {
    UINT first;
    int count;
    int& (*value)(CQuelDoc&);
    AfterChange after;
};

struct SettingsPageLayout {
    UINT templateId;
    std::span<const UINT> groupHeaders;
    std::span<const PageNumberField> numbers;
    std::span<const PageCheck> checks = {};
    std::span<const PageSwatch> swatches = {};
    std::span<const PageRadioGroup> radios = {};
    // The captions the English interface shows instead of the template's Japanese ones.
    std::span<const ControlText> englishTexts = {};
};

class CSettingsPage : public CQuelScroll {
public:
    explicit CSettingsPage(const SettingsPageLayout& layout);
    const char* GetRuntimeClassName() const override { return "CSettingsPage"; }

    // Makes the page's window from its template as a child of the scene page.
    BOOL Make(CWnd* parent) { return CDialog::Create(m_layout.templateId, parent); }
    // Loads every control of the tables from the current document.
    void Refresh() override;

    // The number field of the edit id; null when the page has none.
    CMyEdit* FindEdit(UINT id) const;
    CColorButton* FindSwatch(UINT id) const;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    // The scroll base, the group headers (open), the number fields, the English captions.
    BOOL OnInitDialog() override;
    // The group headers stay as wide as the page.
    void OnSize(UINT type, int cx, int cy) override;
    const CommandMap& GetCommandMap() const override;

    // A table's value was stored: the page does what follows the change.
    // A page that needs more overrides it and calls the base.
    virtual void AfterStore(UINT id, AfterChange after);
    // Runs the rule of an after-change.
    static void Follow(AfterChange after);
    // Copies every control of the tables into the document, as each control's own commit would.
    void StoreAllFields();
    // Tells the user that a file name cannot be kept in the document (it
    // holds characters the document's code page lacks); false then.
    bool CheckStorableName(const CString& path);

    const SettingsPageLayout& Layout() const { return m_layout; }

private:
    void OnNumberCommitted(UINT id);
    void OnButtonClicked(UINT id);

    struct NumberControls {
        CMyEdit edit;
        CQuelSpin spin;
        CQuelMeter meter;
    };

    SettingsPageLayout m_layout;
    std::vector<std::unique_ptr<CQuelGroup>> m_groups;
    std::vector<std::unique_ptr<NumberControls>> m_numbers;
    std::vector<std::unique_ptr<CColorButton>> m_swatches;
};
