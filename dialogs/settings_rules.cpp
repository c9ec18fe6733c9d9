#include "dialogs/settings_rules.h"

#include "model/mouse_modes.h"

#include <algorithm>
#include <filesystem>
#include <utility>

int MoveEntryUp(std::vector<CString>& list, int index) {
    if (index < 1 || index >= static_cast<int>(list.size()))
        return -1;
    std::swap(list[static_cast<size_t>(index)], list[static_cast<size_t>(index - 1)]);
    return index - 1;
}

int MoveEntryDown(std::vector<CString>& list, int index) {
    if (index < 0 || index + 1 >= static_cast<int>(list.size()))
        return -1;
    std::swap(list[static_cast<size_t>(index)], list[static_cast<size_t>(index + 1)]);
    return index + 1;
}

bool RemoveEntry(std::vector<CString>& list, int index) {
    if (index < 0 || index >= static_cast<int>(list.size()))
        return false;
    list.erase(list.begin() + index);
    return true;
}

CString FolderOf(const CString& path) {
    return CString(std::filesystem::path(path.str()).parent_path().string());
}

COLORREF AmbientSwatchColor(float red, float green, float blue) {
    const auto byte = [](float value) { return static_cast<int>(std::clamp(value, 0.0f, 1.0f) * 255.0f); };
    return RGB(byte(red), byte(green), byte(blue));
}

std::array<float, 3> AmbientFromColor(COLORREF color) {
    return {static_cast<float>(color & 0xFF) / 255.0f, static_cast<float>((color >> 8) & 0xFF) / 255.0f,
            static_cast<float>((color >> 16) & 0xFF) / 255.0f};
}

std::vector<MouseToolChoice> MouseToolChoices(bool english, bool withPopupMenu) {
    struct Choice {
        const char* english;
        const char* japanese;
        int mode;
    };
    static constexpr Choice kChoices[] = {
        {"(Camera) Location X", "(カメラ) Location X", mouseModeCameraLocationX},
        {"(Camera) Location Y", "(カメラ) Location Y", mouseModeCameraLocationY},
        {"(Camera) Location Z", "(カメラ) Location Z", mouseModeCameraLocationZ},
        {"(Camera) Look At X", "(カメラ) Look At X", mouseModeCameraLookAtX},
        {"(Camera) Look At Y", "(カメラ) Look At Y", mouseModeCameraLookAtY},
        {"(Camera) Look At Z", "(カメラ) Look At Z", mouseModeCameraLookAtZ},
        {"(Camera) Angle", "(カメラ) Angle", mouseModeCameraAngle},
        {"(Camera) Zoom", "(カメラ) ズーム", mouseModeCameraZoom},
        {"(Camera) Pan", "(カメラ) 移動", mouseModeCameraPan},
        {"(Camera) Rotate 1", "(カメラ) 回転 1", mouseModeCameraRotate1},
        {"(Camera) Rotate 2", "(カメラ) 回転 2", mouseModeCameraRotate2},
    };
    std::vector<MouseToolChoice> choices;
    for (const Choice& choice : kChoices)
        choices.push_back({english ? choice.english : choice.japanese, choice.mode});
    if (withPopupMenu)
        choices.push_back({english ? "Popup Menu" : "ポップアップメニューのみ", mouseModePopupMenu});
    return choices;
}
