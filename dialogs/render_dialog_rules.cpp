#include "dialogs/render_dialog_rules.h"

#include "app/render_setting.h"

CRenderSettingControlStates RenderSettingControlStates(int sizeMode, int useAspect, int antialias,
                                                       int jitter) {
    CRenderSettingControlStates s;
    const bool custom = sizeMode == 1;
    s.width = s.useAspect = custom;
    s.height = custom && !useAspect;
    s.aspect = custom && useAspect;
    s.threshold = s.jitterBox = s.rays = s.sampling = antialias != 0;
    s.jitterAmount = antialias && jitter;
    return s;
}

int AspectLockedHeight(int width, int aspectX, int aspectY) {
    if (aspectX <= 0 || aspectY <= 0)
        return width;
    const float ratio = static_cast<float>(aspectY) / static_cast<float>(aspectX);
    return static_cast<int>(static_cast<float>(width) * ratio);
}

CString FileNameForFormat(const CString& name, int formatIndex) {
    if (formatIndex < 0 || formatIndex > 4)
        return name;
    CRenderSetting scratch;
    scratch.output_filename = name;
    scratch.image_type = formatIndex + 1;
    scratch.UpdateFileExtension();
    return scratch.output_filename;
}

CString FolderWithSeparator(const CString& folder) {
    if (!folder.IsEmpty() && folder.Right(1) == "/")
        return folder;
    return folder + "/";
}

int PreviewShapeFromRadio(int radio) {
    static const int shapes[] = {0, 1, 2, 8};
    return radio >= 0 && radio < 4 ? shapes[radio] : 0;
}

int PreviewRadioFromShape(int shape) {
    for (int radio = 0; radio < 4; ++radio)
        if (PreviewShapeFromRadio(radio) == shape)
            return radio;
    return 0;
}

bool IsUsableClipRange(double nearPlane, double farPlane) {
    return nearPlane > 0.0 && nearPlane < farPlane;
}

bool HasBitmapExtension(const CString& path) {
    return path.GetLength() > 4 && path.Right(4).CompareNoCase(".bmp") == 0;
}
