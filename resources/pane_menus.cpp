#include "resources/menu_text.h"
#include "resources/resource_parts.h"

// The pane popup menus: 119 (Japanese) and 142 (English). Their submenus are
// found by position: 0 the pane menu of a right click, 1 view, 2 show and
// 3 light (the pane header's buttons), 4 and 5 the object page's new and etc.
// buttons, 8 to 11 the tools of the left, middle, right and left+right mouse
// buttons, 12 patch, 13 render, 15 material. Positions 6, 7 and 14 hold
// nothing, so that the later ones keep their places. The titles of these
// submenus are never shown.
namespace {

// clang-format off

constexpr MenuText kFit[] = {
    Popup("視点のフィット", "Fit"),
        Item(30082, "選択頂点の中心を見るようにする", "look at center of selection"),
        Item(30091, "選択オブジェクト全体を見るようにする", "look at select object"),
        Item(30092, "全てのオブジェクトが見えるようにする", "look at  all object"),
    End(),
};

constexpr MenuText kMemo[] = {
    Popup("メモカメラ", "Memo"),
        Popup("カメラ１", "Camera1"),
            Item(30083, "保存", "Save"),
            Item(30084, "呼び出し", "Load"),
        End(),
        Popup("カメラ２", "Camera2"),
            Item(30085, "保存", "Save"),
            Item(30086, "呼び出し", "Load"),
        End(),
        Popup("カメラ３", "Camera3"),
            Item(30087, "保存", "Save"),
            Item(30088, "呼び出し", "Load"),
        End(),
        Popup("カメラ４", "Camera4"),
            Item(30089, "保存", "Save"),
            Item(30090, "呼び出し", "Load"),
        End(),
    End(),
};

// The camera's projection, the axis views and the numeric camera dialog.
constexpr MenuText kCameraViews[] = {
    Item(30016, "平行投影", "Ortho"),
    Item(30018, "透視投影", "Perspective"),
    Separator(),
    Item(30020, "トップ", "Top"),
    Item(30022, "フロント", "Front"),
    Item(30024, "ライト", "Right"),
    Separator(),
    Item(30045, "数値入力", "Setting"),
};

// 0: the pane menu, which opens with its camera submenu.
constexpr MenuText kPaneMenuStart[] = {
    Popup("glView"),
        Popup("カメラ(&C)", "&Camera"),
};

// The rest of the pane menu, and 1: the view menu up to its camera history.
constexpr MenuText kPaneMenuRest[] = {
        End(),
        Popup("表示(&V)", "&Window"),
            Item(30025, "ツールウィンドウ(&T)", "&Tool Window"),
            Item(30023, "ダイアログウィンドウ(&D)", "&Dialog Window"),
            Item(30028, "ステータスウィンドウ(&M)", "&Status Window"),
            Item(59393, "ｽﾃｰﾀｽ ﾊﾞｰ(&S)", "&Status Bar"),
            Item(30029, "メニュー(&M)", "&Menu"),
            Item(30032, "フルスクリーン(&F)", "&FullScreen"),
        End(),
        Separator(),
        Item(30067, "画像をクリップボードに保存", "Save Clipboard"),
    End(),
    Popup("視点", "View"),
};

constexpr MenuText kViewHistory[] = {
        Separator(),
        Item(30571, "元に戻す", "Undo"),
        Item(30572, "やり直す", "Redo"),
        Separator(),
};

// The end of the view menu and the submenus from 2 on.
constexpr MenuText kOtherSubmenus[] = {
        Separator(),
        Item(30727, "回転を禁止(トップ、フロント、ライト視点のとき)", "Disable Rotate(Top, Front, Right View)"),
    End(),
    Popup("表示", "Show"),
        Item(30027, "頂点", "Point"),
        Item(30031, "カーブ", "Curve"),
        Item(30034, "面", "Surface"),
        Separator(),
        Item(30077, "座標軸", "Axis"),
        Separator(),
        Item(30193, "グリッド", "Grid"),
        Item(30112, "グリッド(XY平面)", "Grid(XY plane)"),
        Item(30120, "グリッド(XZ平面)", "Grid(XZ plane)"),
        Item(30115, "グリッド(YZ平面)", "Grid(YZ plane)"),
        Popup("グリッドロック", "Grid Lock"),
            Item(30542, "すべてオンにする", "All"),
            Item(30543, "すべてオフにする", "None"),
            Separator(),
            Item(30544, "X"),
            Item(30545, "Y"),
            Item(30546, "Z"),
        End(),
        Item(30081, "グリッド設定", "Grid Setting"),
        Separator(),
        Item(30581, "下絵", "background_image"),
        Item(30582, "下絵を設定", "Set background_image"),
        Separator(),
        Item(30736, "ポリゴンに変換", "Convert Polygon"),
        Separator(),
        Item(30734, "表示設定", "View Setting"),
    End(),
    Popup("ライト", "Light"),
        Item(30038, "ライトを有効にする", "Enable Light(for preview)"),
        Separator(),
        Item(30638, "デフォルトのライトで照らす", "Use Default Light"),
        Item(30639, "作成したライトで照らす", "Use All Light"),
        Item(30640, "選択したライトで照らす", "Use Selected Light"),
    End(),
    Popup("create object"),
        Item(30573, "パッチオブジェクト", "Patch Object"),
        Item(30728, "フォルダ", "Folder"),
    End(),
    Popup("obj_etc"),
        Item(30060, "選択されたオブジェクトのみ表示", "Show Only Select Object"),
        Item(30063, "全てのオブジェクトを表示", "Show All Objects"),
        Separator(),
        Item(30065, "選択オブジェクトのみ編集可能にする", "Enable Edit Only Select Object"),
        Item(30069, "全てのオブジェクトを編集可能にする", "Enable Edit All Objects"),
        Separator(),
        Item(30071, "選択されたオブジェクトのみエクスポートする", "Export Only Select Object"),
        Item(30073, "全てのオブジェクトをエクスポートする", "Export All Objects"),
        Separator(),
        Item(30730, "親オブジェクトを変更", "Change Parent Object"),
    End(),
    Popup("unused"),
    End(),
    Popup("unused"),
    End(),
    Popup("L_mouse"),
        Item(30165, "(パッチ)移動", "(Patch)Translate"),
        Item(30141, "(パッチ)拡大/縮小", "(Patch)Scale"),
        Item(30145, "(パッチ)回転", "(Patch)Rotate"),
        Item(30137, "(パッチ)選択", "(Patch)Select"),
        Item(30043, "(パッチ)投げ縄選択", "(Patch)Select with rope"),
        Item(30175, "(パッチ)頂点を追加", "(Patch)Add Point"),
        Item(30179, "(パッチ)カーブの曲がり方を調整", "(Patch)Weit Set"),
        Item(30177, "(パッチ)ランダムに移動", "(Patch)Noise"),
        Item(30212, "(パッチ)フリーハンド", "(Patch)FreeHand"),
        Item(30563, "(パッチ)CPを移動", "(Patch)Translate CP"),
        Item(30564, "(パッチ)CPを移動2", "(Patch)Translate CP2"),
        Separator(),
        Item(30514, "(パッチ)複数オブジェクトを移動", "(Multi)Translate"),
        Item(30516, "(パッチ)複数オブジェクトを拡大/縮小", "(Multi)Scale"),
        Item(30515, "(パッチ)複数オブジェクトを回転", "(Multi)Rotate"),
        Separator(),
        Item(30030, "(カメラ)LocationXを変更", "(Camera)LocationX"),
        Item(30033, "(カメラ)LocationYを変更", "(Camera)LocationY"),
        Item(30036, "(カメラ)LocationZを変更", "(Camera)LocationZ"),
        Item(30040, "(カメラ)Look_atXを変更", "(Camera)Look_atX"),
        Item(30047, "(カメラ)Look_atYを変更", "(Camera)Look_atY"),
        Item(30050, "(カメラ)Look_atZを変更", "(Camera)Look_atZ"),
        Item(30053, "(カメラ)Angleを変更", "(Camera)Angle"),
        Item(30729, "(カメラ)ドリー", "(Camera)Dolly"),
        Item(30026, "(カメラ)ズームイン/ズームアウト", "(Camera)Zoom"),
        Item(30056, "(カメラ)移動", "(Camera)Pan"),
        Item(30058, "(カメラ)回転1", "(Camera)Rotate1"),
        Item(30064, "(カメラ)回転2", "(Camera)Rotate2"),
        Separator(),
        Item(30194, "(POV-Ray)選択した部分をレンダリング", "(POV-Ray)Rendering Select Part"),
        Item(30196, "(POV-Ray)選択したウィンドウをレンダリング", "(POV-Ray)Rendering Select Window"),
    End(),
    Popup("M_mouse"),
        Item(30157, "(カメラ)LocationXを変更", "(Camera)LocationX"),
        Item(30158, "(カメラ)LocationYを変更", "(Camera)LocationY"),
        Item(30159, "(カメラ)LocationZを変更", "(Camera)LocationZ"),
        Item(30160, "(カメラ)Look_atXを変更", "(Camera)Look_atX"),
        Item(30161, "(カメラ)Look_atYを変更", "(Camera)Look_atY"),
        Item(30162, "(カメラ)Look_atZを変更", "(Camera)Look_atZ"),
        Item(30164, "(カメラ)angleを変更", "(Camera)angle"),
        Item(30166, "(カメラ)ズームイン/ズームアウト", "(Camera)Zoom"),
        Item(30168, "(カメラ)移動", "(Camera)Pan"),
        Item(30176, "(カメラ)回転1", "(Camera)Rotate1"),
        Item(30178, "(カメラ)回転2", "(Camera)Rotate2"),
    End(),
    Popup("R_mouse"),
        Item(30180, "(カメラ)LocationXを変更", "(Camera)LocationX"),
        Item(30182, "(カメラ)LocationYを変更", "(Camera)LocationY"),
        Item(30184, "(カメラ)LocationZを変更", "(Camera)LocationZ"),
        Item(30186, "(カメラ)Look_atXを変更", "(Camera)Look_atX"),
        Item(30188, "(カメラ)Look_atYを変更", "(Camera)Look_atY"),
        Item(30190, "(カメラ)Look_atZを変更", "(Camera)Look_atZ"),
        Item(30192, "(カメラ)angleを変更", "(Camera)angle"),
        Item(30195, "(カメラ)ズームイン/ズームアウト", "(Camera)Zoom"),
        Item(30197, "(カメラ)移動", "(Camera)Pan"),
        Item(30198, "(カメラ)回転1", "(Camera)Rotate1"),
        Item(30199, "(カメラ)回転2", "(Camera)Rotate2"),
        Separator(),
        Item(30200, "ポップアップメニューを表示", "Popup Menu"),
    End(),
    Popup("LR_mouse"),
        Item(30521, "(カメラ)LocationXを変更", "(Camera)LocationX"),
        Item(30522, "(カメラ)LocationYを変更", "(Camera)LocationY"),
        Item(30523, "(カメラ)LocationZを変更", "(Camera)LocationZ"),
        Item(30524, "(カメラ)Look_atXを変更", "(Camera)Look_atX"),
        Item(30525, "(カメラ)Look_atYを変更", "(Camera)Look_atY"),
        Item(30526, "(カメラ)Look_atZを変更", "(Camera)Look_atZ"),
        Item(30527, "(カメラ)angleを変更", "(Camera)angle"),
        Item(30528, "(カメラ)ズームイン/ズームアウト", "(Camera)Zoom"),
        Item(30529, "(カメラ)移動", "(Camera)Pan"),
        Item(30530, "(カメラ)回転1", "(Camera)Rotate1"),
        Item(30531, "(カメラ)回転2", "(Camera)Rotate2"),
    End(),
    Popup("Patch"),
        Item(30070, "X on/off"),
        Item(30072, "Y on/off"),
        Item(30074, "Z on/off"),
        Separator(),
        Item(30185, "複製", "Clone"),
    End(),
    Popup("render"),
        Item(30068, "POV-Rayでレンダリング", "Rendering with POV-Ray"),
        Item(30105, "BMRTでレンダリング", "Rendering with BMRT"),
        Item(30106, "LightFlowでレンダリング", "Rendering with LightFlow"),
    End(),
    Popup("unused"),
    End(),
    Popup("material"),
        Item(30575, "レンダリング設定", "Set preview rendering"),
        Item(30576, "レンダリング", "Preview Rendering"),
    End(),
};

// clang-format on

constexpr auto kPane = Concat(kPaneMenuStart, kCameraViews, kFit, kMemo, kPaneMenuRest, kCameraViews,
                              kViewHistory, kFit, kMemo, kOtherSubmenus);
constexpr auto kPaneJa = InLanguage(kPane, ResourceLanguage::Japanese);
constexpr auto kPaneEn = InLanguage(kPane, ResourceLanguage::English);

} // namespace

std::span<const MenuEntry> PaneMenuEntries(ResourceLanguage language) {
    return language == ResourceLanguage::English ? std::span<const MenuEntry>(kPaneEn)
                                                 : std::span<const MenuEntry>(kPaneJa);
}
