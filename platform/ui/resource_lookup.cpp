#include "platform/ui/resource_lookup.h"

#include "resources/resource_tables.h"

namespace {

ResourceLanguage g_language = ResourceLanguage::Japanese;

ResourceLanguage Other(ResourceLanguage language) {
    return language == ResourceLanguage::English ? ResourceLanguage::Japanese : ResourceLanguage::English;
}

template <class T> const T* FindInSets(std::span<const T> ResourceSet::*table, UINT id) {
    for (const ResourceLanguage language : {g_language, Other(g_language)})
        if (const T* found = FindResourceById(GetResourceSet(language).*table, id))
            return found;
    return nullptr;
}

} // namespace

void SetResourceLanguage(ResourceLanguage language) {
    g_language = language;
}

ResourceLanguage GetResourceLanguage() {
    return g_language;
}

const MenuResource* FindMenuResource(UINT id) {
    return FindInSets(&ResourceSet::menus, id);
}

const AcceleratorResource* FindAcceleratorResource(UINT id) {
    return FindInSets(&ResourceSet::accelerators, id);
}

const DialogTemplate* FindDialogTemplate(UINT id) {
    return FindInSets(&ResourceSet::dialogs, id);
}

const ToolBarResource* FindToolBarResource(UINT id) {
    return FindInSets(&ResourceSet::toolBars, id);
}

const IconResource* FindIconResource(UINT id) {
    return FindInSets(&ResourceSet::icons, id);
}

const CursorResource* FindCursorResource(UINT id) {
    return FindInSets(&ResourceSet::cursors, id);
}

const BitmapResource* FindBitmapResource(UINT id) {
    return FindInSets(&ResourceSet::bitmaps, id);
}

CString LoadResourceString(UINT id) {
    const StringEntry* entry = FindInSets(&ResourceSet::strings, id);
    return entry ? CString(entry->text) : CString();
}

CString CommandPrompt(UINT id) {
    const CString text = LoadResourceString(id);
    const int newline = text.Find('\n');
    return newline < 0 ? text : text.Left(newline);
}

CString CommandToolTip(UINT id) {
    const CString text = LoadResourceString(id);
    const int newline = text.Find('\n');
    return newline < 0 ? CString() : text.Mid(newline + 1);
}
