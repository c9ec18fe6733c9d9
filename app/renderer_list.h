#pragma once
// The POV-Ray-compatible renderers the user has defined: title, program path,
// version, and the switches that tell the scene writer which language
// features a renderer understands. One file per definition, render001.ini,
// render002.ini ... in the "POV Render" folder of the settings folder.
#include "platform/base/cstring.h"
#include "platform/base/obj_list.h"
#include "platform/base/text_file.h"

#include <string>

class CRendererInfo {
public:
    void CopyFrom(const CRendererInfo& other) { *this = other; }
    // Reads "[basic info]" and "[setting]" sections; fields the file does not
    // mention keep their values. An empty title becomes "untitled".
    void Load(qf::CTextFileReader& file);
    // Writes the whole definition; false when the title, path or a version
    // text cannot stand between quotes (the writer's text is then unusable).
    bool Save(qf::CTextFileWriter& file) const;

    CString title = "untitle";
    int is_official = 1;
    CString unofficial_name = "megapov";
    CString official_version = "3.5";
    CString unofficial_version = "1.0";
    CString path;
    int no_image = 0;
    int no_reflection = 0;
    int no_shadow = 1;  // stored only
    int uv_mapping = 0; // stored only
    int double_illuminate = 0;
    int light_parallel = 0;
    int light_orient = 0;
    int light_circular = 0;
    int light_shadow_pigment = 0;
    int post_process = 0;
    int pp_motion_blur = 0;
    int pp_focal_blur = 0;
    int pp_soft_glow = 0;
    int pp_depth = 0;
    int pp_stars = 0;
    int pp_posterize = 0;
    int pp_normal = 0;
    int pp_clip_color = 0;
    int pp_invert = 0;
    int pp_find_edge = 0;
    int patch_type = 0;          // 0 bicubic_patch, 1 bezier_patch
    int bicubic_patch_type = 0;  // the bicubic_patch "type", 0 or 1
    int output_polygon_type = 0; // 0 mesh, 1 mesh2
    int output_patch_level = 3;  // decimals of patch output
    int output_polygon_level = 3;
    int camera_image_size = 0; // stored only
    int hdr = 0;
    // 0 "Type1" (POV-Ray 3.1's keywords), 1 "Type2" (3.5 and later); a new
    // definition is of 3.5.
    int radiosity_type = 1;
    int separate_pov_inc = 1;
    int commandline_render = 0; // the front end passes "/render"

private:
    void ApplyBasicInfo(const CString& key, CString rest);
    void ApplySetting(const CString& key, const CString& value);
};

// The POV-Ray that Debian installs, as "povray" on the PATH: the definition a
// first start begins with, so that rendering works before the user has
// defined a renderer.
CRendererInfo InstalledPovRayDefinition();

// The document's renderer definitions in user order; positions count from 0.
// The list owns its definitions: a pointer from GetAt stays valid until that
// definition is removed or the list dies. The render setting's renderer_index
// is a position in it; the operations that shift positions take that index and
// keep it on its definition.
class CRendererList {
public:
    // Appends the definition files of the folder in name order. A missing
    // folder gives nothing and is no error; false when a file or the folder
    // cannot be read (that definition keeps its defaults and file name).
    bool LoadAll(std::string* error = nullptr);
    // Writes every definition, numbered from render001.ini, then deletes the
    // definition files left over from a longer list. Nothing in the folder
    // changes when a definition cannot be stored; no other file is touched.
    bool SaveAll(std::string* error = nullptr) const;

    int GetCount() const { return m_infos.GetCount(); }
    // None when position is outside the list.
    CRendererInfo* GetAt(int position) const { return m_infos.GetAtIndex(position); }
    auto begin() const { return m_infos.begin(); }
    auto end() const { return m_infos.end(); }

    // Appends a copy of info.
    void Add(const CRendererInfo& info);
    // Deletes that very definition; 0 when it is not in the list. The active
    // index follows its definition and becomes -1 when that one goes.
    int Remove(const CRendererInfo* info, int& activeIndex);
    // Exchange the contents of neighbours (the objects keep their positions);
    // 0, changing nothing, at the ends.
    int MoveUp(int position, int& activeIndex);
    int MoveDown(int position, int& activeIndex);
    // How another index into the list follows its definition when the one
    // at position is removed, or the ones at first and first + 1 change places.
    static void FollowRemoval(int& index, int position);
    static void FollowExchange(int& index, int first);

    // The "POV Render" folder of the settings folder.
    static std::string Folder();

private:
    void Exchange(int first, int& activeIndex);
    static bool DeleteDefinitionFiles(const std::string& folder, int keep, std::string* error);

    CObjList<CRendererInfo> m_infos;
};
