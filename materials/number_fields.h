#pragma once
// The number fields of a panel, given by a table. Each row is a CMyEdit
// with its spin and, where the row names one, its slider; float or integer
// by the value it edits; with the range it clamps to and the value it shows
// before the panel is first loaded. The row also names the value of the
// record (a finish, a turbulence, ...) it edits, so the panel shows a
// record with Show and stores a left field with Commit.
#include "controls/my_edit.h"
#include "controls/quel_meter.h"
#include "controls/quel_spin.h"
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
