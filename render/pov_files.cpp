#include "render/pov_files.h"

#include "app/pov_text.h"
#include "platform/base/text_file.h"
#include "render/pov_scene_writer.h"

namespace {

bool Fail(std::string* error, const std::string& message) {
    if (error)
        *error = message;
    return false;
}

// Closes the file and says why when it or the writer failed.
bool Finish(qf::CTextFileWriter& file, bool written, const std::string& path, std::string* error) {
    if (!written)
        return Fail(error, "there is no scene to write to " + path);
    if (!file.Close())
        return Fail(error, file.GetError());
    return true;
}

} // namespace

bool WritePovFiles(CPovSceneWriter& writer, const CPovOutputFiles& files, std::string* error) {
    if (!files.includePath.empty()) {
        qf::CTextFileWriter include(files.includePath, qf::TextEncoding::Utf8);
        if (!Finish(include, writer.WriteObjectDeclarations(include), files.includePath, error))
            return false;
    }
    qf::CTextFileWriter scene(files.scenePath, qf::TextEncoding::Utf8);
    bool written = true;
    if (files.includePath.empty()) {
        written = writer.WriteObjectDeclarations(scene);
    } else {
        scene.Write("#include ");
        scene.Write(PovStringExpression(files.includeName).view());
        scene.Write("\n\n");
    }
    written = written && writer.WriteAll(scene);
    return Finish(scene, written, files.scenePath, error);
}
