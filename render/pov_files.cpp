#include "render/pov_files.h"

#include "app/pov_text.h"
#include "platform/base/file_util.h"
#include "platform/base/text_file.h"
#include "render/pov_scene_writer.h"

namespace {

bool Fail(std::string* error, const std::string& message) {
    if (error)
        *error = message;
    return false;
}

} // namespace

bool WritePovFiles(CPovSceneWriter& writer, const CPovOutputFiles& files, std::string* error) {
    // Both texts are made, then both files written beside their places, and
    // only then do both go there: running out of memory or room on the way
    // leaves neither a scene without its objects nor objects without a scene.
    const bool separate = !files.includePath.empty();
    qf::CTextFileWriter include(files.includePath, qf::TextEncoding::Utf8);
    if (separate && !writer.WriteObjectDeclarations(include))
        return Fail(error, "there is no scene to write to " + files.includePath);
    qf::CTextFileWriter scene(files.scenePath, qf::TextEncoding::Utf8);
    bool written = true;
    if (!separate) {
        written = writer.WriteObjectDeclarations(scene);
    } else {
        scene.Write("#include ");
        scene.Write(PovStringExpression(files.includeName).view());
        scene.Write("\n\n");
    }
    if (!(written && writer.WriteAll(scene)))
        return Fail(error, "there is no scene to write to " + files.scenePath);
    qf::CStagedFile includeFile;
    qf::CStagedFile sceneFile;
    if (separate && !include.Stage(includeFile))
        return Fail(error, include.GetError());
    if (!scene.Stage(sceneFile))
        return Fail(error, scene.GetError());
    return (!separate || includeFile.Commit(error)) && sceneFile.Commit(error);
}
