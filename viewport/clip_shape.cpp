#include "viewport/clip_shape.h"

#include "app/doc_helpers.h"
#include "formats/spt_format.h"
#include "model/spatch_obj.h"
#include "platform/base/file_util.h"

std::string ClipShapesFolder() {
    return qf::DataPath("Clip Shapes");
}

ClipShapeRead ReadClipShape(const std::string& path, CSpatchObj& shape, CString& why) {
    std::string bytes;
    if (qf::GetFileStatus(path).isDirectory || !qf::ReadWholeFile(path, bytes))
        return ClipShapeRead::missing;
    CTokenScanner scanner(bytes);
    try {
        if (ReadSptHeader(scanner) != 1) {
            why = IsEnglish() ? "it is not a version-1 sPatch text"
                              : "バージョン1の sPatch テキストではありません";
            return ClipShapeRead::damaged;
        }
        ReadSptBody(scanner, shape);
    } catch (const CFormatError& error) {
        why = error.Describe(IsEnglish());
        return ClipShapeRead::damaged;
    }
    return ClipShapeRead::ok;
}
