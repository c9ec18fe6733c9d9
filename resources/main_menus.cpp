#include "resources/menu_text.h"
#include "resources/resource_parts.h"

// The main menus of both sets: 103 (Japanese) and 140 (English), and the
// main menus of polygon editing, 191 and 193, which put the polygon menu in
// place of the menus that edit patch objects. Items whose commands nothing
// handles yet stay in the menu and do nothing when chosen. The File menu's
// "Recent File" item stands where the recent-file list goes, and the
// "sPatch Plug-in" submenu is filled with the export plug-ins.
namespace {

// clang-format off

constexpr MenuText kFile[] = {
    Popup("ﾌｧｲﾙ(&F)", "&File"),
        Item(57600, "新規作成(&N)", "&New"),
        Item(57601, "開く(&O)...", "&Open..."),
        Item(57603, "上書き保存(&S)", "&Save"),
        Item(57604, "名前を付けて保存(&A)...", "Save &As..."),
        Separator(),
        Popup("インサート", "Insert"),
            Item(30547, "quelaForm(*.qfm)"),
        End(),
        Popup("インポート", "Import"),
            Item(30000, "sPatch(*.spt)"),
            Item(30140, "メタセコイア(*.mqo)", "Metasequoia(*.mqo)"),
            Item(30548, "AnimationMaster(*.mdl)"),
            Item(30550, "Wavefront(*.obj)"),
            Item(30566, "Lightwave(*.lwo)"),
            Item(30567, "Lightwave6.x(*.lwo)"),
            Item(30138, "Pygmalion(*.pyg)"),
        End(),
        Popup("エクスポート", "Export"),
            Item(30001, "sPatch(*.spt)"),
            Item(30002, "メタセコイア(*.mqo)", "Metasequoia(*.mqo)"),
            Item(30003, "Pygmalion(*.pyg)"),
            Item(30035, "POV-Ray(*.pov)"),
            Item(30051, "MegaPov(*.pov)"),
            Item(30054, "RenderMan(*.rib)"),
            Item(30111, "Lightflow(*.py)"),
            Item(30057, "DXF(*.dxf)"),
            Item(30059, "TrueSpace(*.cob)"),
            Item(30062, "Wavefront(*.obj)"),
            Item(30093, "DirectX(*.x)"),
            Item(30518, "AnimationMaster(*.mdl)"),
            Item(30568, "Lightwave5.x(*.lwo)"),
            Item(30569, "Lightwave6.x(*.lwo)"),
            Item(30592, "VRML2.0(*.wrl)"),
            Item(30732, "Redqueen(*.rrt)"),
        End(),
        Popup("sPatch Plug-in"),
        End(),
        Separator(),
        Item(57616, "最近使ったファイル", "Recent File", MF_GRAYED),
        Separator(),
        Item(57665, "終了(&X)", "E&xit"),
    End(),
};

constexpr MenuText kEdit[] = {
    Popup("編集(&E)", "&Edit"),
        Item(57643, "元に戻す(&U)", "&Undo"),
        Item(57644, "やり直し(&R)", "Redo"),
        Separator(),
        Item(57635, "切り取り(&T)", "Cu&t"),
        Item(57634, "コピー(&C)", "&Copy"),
        Item(57637, "貼り付け(&P)", "&Paste"),
        Item(30128, "選択頂点の中心に貼り付け", "Paste(Center of select Vertex)"),
        Item(30136, "選択カーブに沿って貼り付け", "Paste(Around Select Curve)"),
        Separator(),
        Item(30577, "配列", "Array"),
        Separator(),
        Item(30517, "\"元に戻す\"の最大回数", "Undo Setting"),
        Item(30570, "元に戻す情報をクリア", "Clear Undo Info"),
    End(),
};

constexpr MenuText kSelect[] = {
    Popup("選択(&S)", "&Select"),
        Item(30005, "全ての頂点を選択", "All"),
        Item(30006, "全ての頂点を非選択", "None"),
        Item(30007, "選択頂点を反転", "Inverse"),
        Item(30048, "不可視の頂点を選択", "Invisible"),
        Item(30008, "選択された頂点につながった頂点を選択", "Connected"),
        Item(30009, "選択されたカーブ上にある頂点を選択", "Spline"),
        Item(30740, "5点パッチ有効の頂点を選択", "Permit 5point patch"),
        Separator(),
        Item(30213, "カーブを選択", "Select Curve"),
        Separator(),
        Item(30013, "選択頂点を一時的に非表示", "Hide Selection"),
        Item(30014, "一時的に非表示の頂点を全て表示", "Show All"),
    End(),
};

constexpr MenuText kModel[] = {
    Popup("モデル(&M)", "&Model"),
        Popup("オブジェクト挿入", "Insert"),
            Item(30037, "球", "Sphere"),
            Item(30039, "円柱", "Cylinder"),
            Item(30041, "円錐", "Cone"),
            Item(30044, "円(4)", "Circle(4)"),
            Item(30079, "円(8)", "Circle(8)"),
            Item(30046, "ボックス", "Box"),
            Item(30049, "平面", "Plane"),
            Item(30052, "四角", "Square"),
            Item(30055, "星型", "Star"),
        End(),
        Separator(),
        Item(30183, "押し出し", "Extrude"),
        Item(30181, "回転体作成", "Lathe"),
        Item(30131, "選択されたカーブに沿って円を押し出す", "Extrude(select curve)"),
        Item(30174, "指定した位置に頂点を追加", "Create Point"),
        Item(30532, "テキスト", "Text"),
        Separator(),
        Item(30010, "X反転", "Flip X"),
        Item(30011, "Y反転", "Flip Y"),
        Item(30012, "Z反転", "Flip Z"),
        Separator(),
        Item(30015, "選択頂点の可視・不可視を変更", "Toggle Invisibility"),
        Item(30737, "選択頂点の5点パッチ有効・無効を変更", "Permit 5point patch"),
        Separator(),
        Item(30114, "位置合わせ", "Shift Position"),
        Item(30116, "頂点を揃える", "Align Points"),
        Item(30118, "頂点を移動(数値入力)", "Translate"),
        Item(30122, "頂点を回転(数値入力)", "Rotate"),
        Item(30124, "頂点を拡大/縮小(数値入力)", "Scale"),
        Separator(),
        Item(30549, "選択されたカーブを分割", "Subdivide Select Curve"),
        Item(30214, "選択頂点を削除", "Delete Select Points"),
        Item(30187, "選択カーブを削除", "Delete Select Edge"),
        Item(30595, "選択されたカーブを削除", "Delete Select Curve"),
        Item(30189, "カーブを尖らせる", "Peak"),
        Item(30191, "カーブを丸くする", "Round"),
        Item(30596, "選択したカーブを通るカーブを鋭角にする", "Peak (Around Select Curve)"),
        Item(30597, "選択したカーブを通るカーブを鈍角にする", "Round (Around Select Curve)"),
        Item(30565, "CPをリセットする", "Reset CP"),
        Separator(),
        Item(30731, "別々のカーブを一つに接続", "Connect Curve"),
        Item(30735, "フリーズ", "Freeze"),
    End(),
};

constexpr MenuText kMulti[] = {
    Popup("複数オブジェクト(&O)", "Multi &Object"),
        Item(30659, "位置合わせ", "Shift Position"),
        Item(30660, "移動(数値入力)", "Translate"),
        Item(30662, "回転(数値入力)", "Rotate"),
        Item(30661, "拡大/縮小(数値入力)", "Scale"),
    End(),
};

constexpr MenuText kDisplay[] = {
    Popup("表示(&D)", "&Display"),
        Item(30738, "5点パッチを許可する頂点を表示", "vertex with permit 5point patch"),
        Item(30739, "不可視頂点を表示", "invisible vertex"),
    End(),
};

constexpr MenuText kWindow[] = {
    Popup("ウィンドウ(&W)", "&Window"),
        Item(30025, "ツールウィンドウ(&T)", "&Tool Window"),
        Item(30023, "ダイアログウィンドウ(&D)", "&Dialog Window"),
        Item(30028, "ステータスウィンドウ(&M)", "&Status Window"),
        Item(59393, "ステータスバー(&S)", "&StatusBar"),
        Separator(),
        Item(30519, "メニューウィンドウ(左)(&M)", "&Menu Window(Left)"),
        Item(30520, "メニューウィンドウ(右)(&M)", "&Menu Window(Right)"),
        Separator(),
        Item(30029, "メニュー(&M)", "&Menu"),
        Item(30032, "フルスクリーン(&F)", "&FullScreen"),
        Separator(),
        Item(30042, "ドキュメント", "&Document"),
        Separator(),
        Item(30588, "４つのウィンドウを同時に再描画", "Synchronize Views"),
        Item(30727, "回転を禁止(トップ、フロント、ライト視点のとき)", "Disable Rotate(Top, Front, Right View)"),
        Item(30594, "OpenGL 設定", "OpenGL Setting"),
    End(),
};

constexpr MenuText kLayout[] = {
    Popup("配置(&L)", "&Layout"),
        Popup("ダイアログウィンドウ", "Dialog Window"),
            Item(30019, "左", "Left"),
            Item(30021, "右", "Right"),
        End(),
    End(),
};

constexpr MenuText kHelp[] = {
    Popup("ヘルプ(&H)", "&Help"),
        Item(30004, "ヘルプ(&H)", "Help(&H)"),
        Item(30389, "ショートカットキーのカスタマイズ", "Edit Shortcut Key"),
        Item(30017, "デバッグ", "Debug"),
        Separator(),
        Item(57664, "バージョン情報(&A)...", "&About quelaForm..."),
    End(),
};

constexpr MenuText kPolygon[] = {
    Popup("ポリゴン(&P)", "&Polygon"),
        Item(30589, "頂点を編集", "Edit Vertex"),
        Item(30590, "辺を編集", "Edit Edge"),
        Item(30591, "面を編集", "Edit Surface"),
    End(),
};

// clang-format on

constexpr auto kMain = Concat(kFile, kEdit, kSelect, kModel, kMulti, kDisplay, kWindow, kLayout, kHelp);
constexpr auto kPolygonMain = Concat(kFile, kEdit, kPolygon, kWindow, kLayout, kHelp);
constexpr auto kMainJa = InLanguage(kMain, ResourceLanguage::Japanese);
constexpr auto kMainEn = InLanguage(kMain, ResourceLanguage::English);
constexpr auto kPolygonMainJa = InLanguage(kPolygonMain, ResourceLanguage::Japanese);
constexpr auto kPolygonMainEn = InLanguage(kPolygonMain, ResourceLanguage::English);

} // namespace

std::span<const MenuEntry> MainMenuEntries(ResourceLanguage language, bool polygonEditing) {
    const bool english = language == ResourceLanguage::English;
    if (polygonEditing)
        return english ? std::span<const MenuEntry>(kPolygonMainEn)
                       : std::span<const MenuEntry>(kPolygonMainJa);
    return english ? std::span<const MenuEntry>(kMainEn) : std::span<const MenuEntry>(kMainJa);
}
