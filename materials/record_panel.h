#pragma once
// Panels that edit the numbers and switches of one record of the selected
// material (a finish, an interior, a turbulence, a pattern, a normal).
//
// The number fields of a panel are given by a table. Each row is a CMyEdit
// with its spin and, where the row names one, its slider; float or integer
// by the value it edits; with the range it clamps to and the value it shows
// before the panel is first loaded. The row also names the value of the
// record (a finish, a turbulence, ...) it edits, so the panel shows a
// record with Show and stores a left field with Commit.
#include "app/doc_helpers.h"
#include "controls/my_edit.h"
#include "controls/quel_meter.h"
#include "controls/quel_spin.h"
#include "materials/material_element_panel.h"
#include "platform/ui/dialog.h"

#include <memory>
#include <span>
#include <vector>

template <class Record> struct NumberField {
    UINT edit;
    UINT spin;
    UINT meter; // 0: none
    float min;
    float max;
    float initial;
    float& (*floatValue)(Record&); // null for an integer field
    int& (*intValue)(Record&);     // null for a float field
};

template <class Record> class CNumberFieldSet {
public:
    explicit CNumberFieldSet(std::span<const NumberField<Record>> fields) : m_fields(fields) {
        for (size_t i = 0; i < fields.size(); ++i)
            m_controls.push_back(std::make_unique<Controls>());
    }

    // In the panel's DoDataExchange.
    void Bind(CDataExchange* dx) {
        for (size_t i = 0; i < m_fields.size(); ++i) {
            DDX_Control(dx, static_cast<int>(m_fields[i].edit), m_controls[i]->edit);
            DDX_Control(dx, static_cast<int>(m_fields[i].spin), m_controls[i]->spin);
            if (m_fields[i].meter)
                DDX_Control(dx, static_cast<int>(m_fields[i].meter), m_controls[i]->meter);
        }
    }

    // In the panel's OnInitDialog: buddies, mode, range and the first value.
    void Init() {
        for (size_t i = 0; i < m_fields.size(); ++i) {
            const NumberField<Record>& field = m_fields[i];
            CMyEdit& edit = m_controls[i]->edit;
            edit.SetSpin(&m_controls[i]->spin);
            if (field.meter)
                edit.SetMeter(&m_controls[i]->meter);
            if (field.floatValue) {
                edit.SetFloatMode(TRUE);
                edit.SetRangeF(field.min, field.max);
                edit.SetFloat(field.initial);
            } else {
                edit.SetFloatMode(FALSE);
                edit.SetRange(static_cast<int>(field.min), static_cast<int>(field.max));
                edit.SetInt(static_cast<int>(field.initial));
            }
        }
    }

    // Every field shows its value of the record, clamped to its range.
    void Show(Record& record) {
        for (size_t i = 0; i < m_fields.size(); ++i)
            ShowField(i, record);
    }

    // The field of the edit stores what the edit holds; false when the edit is none of the set's.
    bool Commit(UINT editId, Record& record) {
        const int i = IndexOf(editId);
        if (i < 0)
            return false;
        const NumberField<Record>& field = m_fields[static_cast<size_t>(i)];
        const CMyEdit& edit = m_controls[static_cast<size_t>(i)]->edit;
        if (field.floatValue)
            field.floatValue(record) = edit.GetFloat();
        else
            field.intValue(record) = edit.GetInt();
        return true;
    }

    // Shows the field's value of the record again (after another field changed it).
    void ShowOne(UINT editId, Record& record) {
        if (const int i = IndexOf(editId); i >= 0)
            ShowField(static_cast<size_t>(i), record);
    }

    // Enables the edit with its spin and slider.
    void Enable(UINT editId, BOOL enable) {
        if (CMyEdit* edit = FindEdit(editId))
            edit->EnableWindow(enable);
    }

    CMyEdit* FindEdit(UINT editId) {
        const int i = IndexOf(editId);
        return i < 0 ? nullptr : &m_controls[static_cast<size_t>(i)]->edit;
    }

    UINT FirstEdit() const { return m_fields.front().edit; }
    UINT LastEdit() const { return m_fields.back().edit; }

private:
    struct Controls {
        CMyEdit edit;
        CQuelSpin spin;
        CQuelMeter meter;
    };

    int IndexOf(UINT editId) const {
        for (size_t i = 0; i < m_fields.size(); ++i)
            if (m_fields[i].edit == editId)
                return static_cast<int>(i);
        return -1;
    }

    void ShowField(size_t i, Record& record) {
        const NumberField<Record>& field = m_fields[i];
        if (field.floatValue)
            m_controls[i]->edit.SetFloat(field.floatValue(record));
        else
            m_controls[i]->edit.SetInt(field.intValue(record));
    }

    std::span<const NumberField<Record>> m_fields;
    std::vector<std::unique_ptr<Controls>> m_controls;
};

// A check box that switches a flag (0 or 1) of the record.
template <class Record> struct FlagCheck {
    int id;
    int& (*flag)(Record&);
};

// A panel of one record: Refresh shows the numbers and switches of the
// record the panel serves; a left number field or a clicked switch stores
// its value at once and marks the document modified.
template <class Record> class CRecordPanel : public CMaterialElementPanel {
public:
    CRecordPanel(std::span<const int> groups, std::span<const NumberField<Record>> fields,
                 std::span<const FlagCheck<Record>> flags)
        : CMaterialElementPanel(groups), m_numbers(fields), m_flags(flags) {}

    void Refresh() override {
        CMaterialData* mat = CurrentMaterial();
        if (!mat)
            return;
        Record& record = RecordOf(*mat);
        m_numbers.Show(record);
        for (const FlagCheck<Record>& check : m_flags)
            CheckDlgButton(check.id, check.flag(record) ? BST_CHECKED : BST_UNCHECKED);
        ShowMore(record);
        UpdateEnables(record);
    }

protected:
    // The record the panel edits in the material.
    virtual Record& RecordOf(CMaterialData& mat) = 0;
    // What the panel shows beside its numbers and switches.
    virtual void ShowMore(Record&) {}
    virtual void UpdateEnables(const Record&) {}
    // After a number field stored its value in the record.
    virtual void AfterCommit(UINT, Record&) {}

    void DoDataExchange(CDataExchange* dx) override {
        CMaterialElementPanel::DoDataExchange(dx);
        m_numbers.Bind(dx);
    }
    BOOL OnInitDialog() override {
        CMaterialElementPanel::OnInitDialog();
        m_numbers.Init();
        return TRUE;
    }
    BOOL OnCmdMsg(const CommandMessage& message) override {
        // Controls only: spins, sliders and group headers also send code 0, without a sender.
        if (message.kind == CommandKind::Command && message.sender) {
            if (message.code == EN_KILLFOCUS && m_numbers.FindEdit(message.id)) {
                OnNumber(message.id);
                return TRUE;
            }
            if (message.code == BN_CLICKED)
                for (const FlagCheck<Record>& check : m_flags)
                    if (check.id == static_cast<int>(message.id)) {
                        OnFlag(check);
                        return TRUE;
                    }
        }
        return CMaterialElementPanel::OnCmdMsg(message);
    }

    CNumberFieldSet<Record> m_numbers;

private:
    void OnNumber(UINT editId) {
        CMaterialData* mat = CurrentMaterial();
        if (!mat)
            return;
        Record& record = RecordOf(*mat);
        m_numbers.Commit(editId, record);
        AfterCommit(editId, record);
        SetModifiedForPanels();
    }
    void OnFlag(const FlagCheck<Record>& check) {
        CMaterialData* mat = CurrentMaterial();
        if (!mat)
            return;
        Record& record = RecordOf(*mat);
        check.flag(record) = IsDlgButtonChecked(check.id) == BST_CHECKED ? 1 : 0;
        UpdateEnables(record);
        SetModifiedForPanels();
    }

    std::span<const FlagCheck<Record>> m_flags;
};
