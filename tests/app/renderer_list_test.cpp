#include "app/renderer_list.h"
#include "settings_home.h"

#include <algorithm>
#include <vector>

namespace fs = std::filesystem;

namespace {

const char* const kDefaultDefinition = "[basic info]\n\ntitle=\"untitle\"\npath=\"\"\n"
                                       "version=official version \"3.5\"\n\n[end]\n\n"
                                       "[setting]\n\nno_shadow=\"on\"\n"
                                       "bicubic_patch_type=\"0\"\noutput_polygon_type=\"0\"\n"
                                       "output_patch_level=\"3\"\noutput_polygon_level=\"3\"\n\n\n"
                                       "separate_pov_inc=\"on\"\nradiosity_type=\"1\"\n\n[end]\n\n";

CRendererInfo Named(const char* title) {
    CRendererInfo info;
    info.title = title;
    return info;
}

std::vector<std::string> Titles(const CRendererList& list) {
    std::vector<std::string> titles;
    for (const CRendererInfo* info : list)
        titles.push_back(info->title.str());
    return titles;
}

} // namespace

class RendererListTest : public SettingsHomeTest {
protected:
    std::string Def(const std::string& name) const { return "POV Render/" + name; }
    std::vector<std::string> FolderNames() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(File("POV Render")))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(RendererListTest, DefinitionsRoundTripInOrderByteForByte) {
    CRendererList list;
    CRendererInfo official = Named("POV-Ray 3.7");
    official.path = "/usr/bin/povray";
    official.no_image = official.light_orient = official.pp_find_edge = official.hdr = 1;
    official.no_shadow = 0;
    official.patch_type = official.bicubic_patch_type = official.radiosity_type = 1;
    official.output_patch_level = 7;
    CRendererInfo unofficial = Named("メガ版");
    unofficial.is_official = 0;
    unofficial.unofficial_version = "1.2";
    unofficial.official_version = "9.9";
    unofficial.separate_pov_inc = 0;
    unofficial.commandline_render = unofficial.post_process = 1;
    list.Add(official);
    list.Add(unofficial);
    list.Add(CRendererInfo());
    std::string error;
    ASSERT_TRUE(list.SaveAll(&error)) << error;
    EXPECT_EQ(FolderNames(), (std::vector<std::string>{"render001.ini", "render002.ini", "render003.ini"}));
    EXPECT_EQ(Bytes(Def("render003.ini")), kDefaultDefinition);
    const std::string first = Bytes(Def("render001.ini")) + Bytes(Def("render002.ini"));

    CRendererList back;
    ASSERT_TRUE(back.LoadAll(&error)) << error;
    EXPECT_EQ(Titles(back), (std::vector<std::string>{"POV-Ray 3.7", "メガ版", "untitle"}));
    const CRendererInfo& a = *back.GetAt(0);
    EXPECT_EQ(a.path, "/usr/bin/povray");
    EXPECT_EQ(a.no_shadow, 0) << "\"off\" stays off";
    EXPECT_EQ(a.patch_type + a.bicubic_patch_type + a.radiosity_type + a.hdr + a.pp_find_edge, 5);
    EXPECT_EQ(a.output_patch_level, 7);
    const CRendererInfo& b = *back.GetAt(1);
    EXPECT_EQ(b.is_official, 0);
    EXPECT_EQ(b.unofficial_version, "1.2");
    EXPECT_EQ(b.official_version, "3.5") << "only the chosen version kind is stored";
    EXPECT_EQ(b.separate_pov_inc, 0);
    ASSERT_TRUE(back.SaveAll());
    EXPECT_EQ(Bytes(Def("render001.ini")) + Bytes(Def("render002.ini")), first);
}

TEST_F(RendererListTest, HandMadeFilesAreReadAsTheLinesSay) {
    fs::create_directory(File("POV Render"));
    Put(Def("render001.ini"),
        "[setting]\r\nhdr=\"on\"\r\nbicubic_patch_type=\"2\"\r\noutput_patch_level=\"0\"\r\n"
        "output_polygon_level=\"11\"\r\noutput_polygon_type=\"2\"\r\n[end]\r\n"
        "[basic info]\r\ntitle=\"\"\r\nversion=official release \"4.0\"\r\n[end]\r\n"
        "[setting]\r\nno_image=\"on\"\r\nradiosity_type=\"x\"\r\npatch_type=\"other\"");
    Put(Def("render002.ini"), "[basic info]\npath=\"/opt/pov\"\nversion=unofficial \"mega\"\n"
                              "[setting]\nno_shadow=\"off\"\n");
    qf::test::WriteFileBytes(File(Def("render003.ini")), std::string("\x83\xFF\0garbage", 10));
    CRendererList list;
    ASSERT_TRUE(list.LoadAll());
    ASSERT_EQ(list.GetCount(), 3);
    const CRendererInfo& a = *list.GetAt(0);
    EXPECT_EQ(a.title, "untitled") << "an empty title";
    EXPECT_EQ(a.is_official, 1);
    EXPECT_EQ(a.official_version, "3.5") << "\"release\" is not \"version\"";
    EXPECT_EQ(a.hdr, 1);
    EXPECT_EQ(a.bicubic_patch_type, 0);
    EXPECT_EQ(a.output_patch_level, 3) << "decimals outside 1..10 take the default";
    EXPECT_EQ(a.output_polygon_level, 3);
    EXPECT_EQ(a.output_polygon_type, 0);
    EXPECT_EQ(a.no_image, 1) << "an unterminated last section line is applied";
    const CRendererInfo& b = *list.GetAt(1);
    EXPECT_EQ(b.title, "render002") << "no title line keeps the file name";
    EXPECT_EQ(b.path, "/opt/pov");
    EXPECT_EQ(b.is_official, 0);
    EXPECT_EQ(b.unofficial_name, "mega");
    EXPECT_EQ(b.no_shadow, 1) << "keys of the other section are ignored";
    EXPECT_EQ(list.GetAt(2)->title, "render003") << "a damaged file keeps the defaults";
    EXPECT_EQ(list.GetAt(2)->separate_pov_inc, 1);
}

TEST_F(RendererListTest, SaveReplacesOnlyStaleDefinitionFiles) {
    fs::create_directory(File("POV Render"));
    for (const char* name :
         {"render010.ini", "render002.ini", "render1000.ini", "render999.ini", "render01.ini"})
        Put(Def(name), std::string("[basic info]\ntitle=\"") + name + "\"\n");
    Put(Def("notes.ini"), "user notes\n");
    Put(Def("render.ini"), "not numbered\n");
    CRendererList list;
    ASSERT_TRUE(list.LoadAll());
    EXPECT_EQ(Titles(list), (std::vector<std::string>{"render01.ini", "render002.ini", "render010.ini",
                                                      "render999.ini", "render1000.ini"}))
        << "numbered files in number order; no other file is a definition";
    int active = 0;
    ASSERT_TRUE(list.Remove(list.GetAt(1), active));
    ASSERT_TRUE(list.Remove(list.GetAt(1), active));
    ASSERT_TRUE(list.SaveAll());
    EXPECT_EQ(FolderNames(), (std::vector<std::string>{"notes.ini", "render.ini", "render001.ini",
                                                       "render002.ini", "render003.ini"}));
    EXPECT_EQ(Bytes(Def("notes.ini")), "user notes\n");
    CRendererList back;
    ASSERT_TRUE(back.LoadAll());
    EXPECT_EQ(Titles(back), (std::vector<std::string>{"render01.ini", "render999.ini", "render1000.ini"}));
}

TEST_F(RendererListTest, FolderIsMadeOnlyWhenThereIsSomethingToKeep) {
    CRendererList empty;
    ASSERT_TRUE(empty.LoadAll());
    ASSERT_TRUE(empty.SaveAll());
    EXPECT_FALSE(fs::exists(File("POV Render")));
    CRendererList list;
    list.Add(Named("added this run"));
    ASSERT_TRUE(list.SaveAll());
    EXPECT_EQ(FolderNames(), std::vector<std::string>{"render001.ini"})
        << "the user's definition is not lost";
}

TEST_F(RendererListTest, UnstorableTextLeavesTheFolderAsItWas) {
    CRendererList list;
    list.Add(Named("first"));
    list.Add(Named("second"));
    ASSERT_TRUE(list.SaveAll());
    const std::string before = Bytes(Def("render001.ini")) + Bytes(Def("render002.ini"));
    int active = -1;
    list.Remove(list.GetAt(1), active);
    list.GetAt(0)->path = "/opt/say \"hi\"/povray";
    std::string error;
    EXPECT_FALSE(list.SaveAll(&error));
    EXPECT_NE(error.find("first"), std::string::npos);
    EXPECT_EQ(FolderNames(), (std::vector<std::string>{"render001.ini", "render002.ini"}));
    EXPECT_EQ(Bytes(Def("render001.ini")) + Bytes(Def("render002.ini")), before);
}

TEST(RendererListOpsTest, ActiveIndexFollowsItsDefinition) {
    CRendererList list;
    for (const char* title : {"a", "b", "c", "d"})
        list.Add(Named(title));
    EXPECT_EQ(list.GetAt(-1), nullptr);
    EXPECT_EQ(list.GetAt(4), nullptr);
    CRendererInfo* second = list.GetAt(1);
    int active = 2;
    EXPECT_EQ(list.MoveUp(0, active) + list.MoveDown(3, active), 0) << "nothing moves past the ends";
    EXPECT_EQ(list.MoveUp(2, active), 1);
    EXPECT_EQ(Titles(list), (std::vector<std::string>{"a", "c", "b", "d"}));
    EXPECT_EQ(second->title, "c") << "contents move, objects stay";
    EXPECT_EQ(active, 1);
    EXPECT_EQ(list.MoveDown(0, active), 1);
    EXPECT_EQ(list.MoveDown(2, active), 1) << "a move elsewhere";
    EXPECT_EQ(active, 0);

    // c a d b
    EXPECT_EQ(list.Remove(list.GetAt(3), active), 1);
    EXPECT_EQ(active, 0) << "removing after the active one";
    list.MoveDown(0, active);
    EXPECT_EQ(list.Remove(list.GetAt(0), active), 1);
    EXPECT_EQ(list.GetAt(active)->title, "c") << "removing before the active one";
    EXPECT_EQ(list.Remove(list.GetAt(0), active), 1);
    EXPECT_EQ(active, -1) << "removing the active one";
    CRendererInfo outsider = Named("x");
    EXPECT_EQ(list.Remove(&outsider, active), 0);
    EXPECT_EQ(Titles(list), std::vector<std::string>{"d"});
}
