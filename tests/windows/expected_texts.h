// The texts the tool must show: its messages as the Shift-JIS bytes a user's
// system receives, written as byte escapes so that a slip in the source's
// encoding or in the compiler's conversion fails the tests; and the dialog's
// controls with the template's UTF-16 texts.
#pragma once

namespace expected {

inline const char CaptionError[] = "\x83G\x83\x89\x81[";
inline const char CaptionInformation[] = "\x8f\xee\x95\xf1";
inline const char CaptionEngineSettings[] = "\x83G\x83\x93\x83W\x83\x93\x90\xdd\x92\xe8";

// 設定データファイルを新規作成できませんでした。 CR LF CR LF
// 書き込みできないフォルダである可能性があります。
inline const char TextCreateFailed[] =
    "\x90\xdd\x92\xe8\x83" "f\x81[\x83^\x83t\x83@\x83" "C\x83\x8b\x82\xf0\x90V\x8bK\x8d\xec\x90\xac\x82\xc5\x82\xab\x82\xdc\x82\xb9\x82\xf1\x82\xc5\x82\xb5\x82\xbd\x81" "B"
    "\r\n\r\n"
    "\x8f\x91\x82\xab\x8d\x9e\x82\xdd\x82\xc5\x82\xab\x82\xc8\x82\xa2\x83t\x83H\x83\x8b\x83_\x82\xc5\x82\xa0\x82\xe9\x89\xc2\x94\\\x90\xab\x82\xaa\x82\xa0\x82\xe8\x82\xdc\x82\xb7\x81" "B";

// 設定データファイルに設定を保存できませんでした。 CR LF CR LF
// [ vlcfg.dat ]ファイルが読み取り専用になっている可能性があります。
inline const char TextUpdateFailed[] =
    "\x90\xdd\x92\xe8\x83" "f\x81[\x83^\x83t\x83@\x83" "C\x83\x8b\x82\xc9\x90\xdd\x92\xe8\x82\xf0\x95\xdb\x91\xb6\x82\xc5\x82\xab\x82\xdc\x82\xb9\x82\xf1\x82\xc5\x82\xb5\x82\xbd\x81" "B"
    "\r\n\r\n"
    "[ vlcfg.dat ]\x83t\x83@\x83" "C\x83\x8b\x82\xaa\x93\xc7\x82\xdd\x8e\xe6\x82\xe8\x90\xea\x97p\x82\xc9\x82\xc8\x82\xc1\x82\xc4\x82\xa2\x82\xe9\x89\xc2\x94\\\x90\xab\x82\xaa\x82\xa0\x82\xe8\x82\xdc\x82\xb7\x81" "B";

// 起動パスが不正です。
inline const char TextInvalidStartPath[] = "\x8bN\x93\xae\x83p\x83X\x82\xaa\x95s\x90\xb3\x82\xc5\x82\xb7\x81" "B";

// Windows95/NT3.5/NT4 では起動できません。
inline const char TextUnsupportedWindows[] = "Windows95/NT3.5/NT4 \x82\xc5\x82\xcd\x8bN\x93\xae\x82\xc5\x82\xab\x82\xdc\x82\xb9\x82\xf1\x81" "B";

// ソフトが起動中です。一旦終了させてください。
inline const char TextAlreadyRunning[] = "\x83\\\x83t\x83g\x82\xaa\x8bN\x93\xae\x92\x86\x82\xc5\x82\xb7\x81" "B\x88\xea\x92U\x8fI\x97\xb9\x82\xb3\x82\xb9\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81" "B";

// ※ムービー再生に DirectShow を使用しない場合で、 CR LF
// 　フルスクリーン時の拡大方法が「拡大(外接)」の場合、 CR LF
// 　強制的に「拡大(内接)」でムービーが再生されます。
// (the second and third lines begin with an ideographic space, 81 40)
inline const char TextDirectShowNotice[] =
    "\x81\xa6\x83\x80\x81[\x83r\x81[\x8d\xc4\x90\xb6\x82\xc9 DirectShow \x82\xf0\x8eg\x97p\x82\xb5\x82\xc8\x82\xa2\x8f\xea\x8d\x87\x82\xc5\x81" "A"
    "\r\n"
    "\x81@\x83t\x83\x8b\x83X\x83N\x83\x8a\x81[\x83\x93\x8e\x9e\x82\xcc\x8ag\x91\xe5\x95\xfb\x96@\x82\xaa\x81u\x8ag\x91\xe5(\x8aO\x90\xda)\x81v\x82\xcc\x8f\xea\x8d\x87\x81" "A"
    "\r\n"
    "\x81@\x8b\xad\x90\xa7\x93I\x82\xc9\x81u\x8ag\x91\xe5(\x93\xe0\x90\xda)\x81v\x82\xc5\x83\x80\x81[\x83r\x81[\x82\xaa\x8d\xc4\x90\xb6\x82\xb3\x82\xea\x82\xdc\x82\xb7\x81" "B";

// The controls of the settings dialog in template order, with their
// identifiers, styles, positions and texts (UTF-16).
struct ExpectedControl {
    int id;
    unsigned long style;
    short x, y, cx, cy;
    const char16_t* text;
};

inline constexpr unsigned long GroupBox = 0x50000007;
inline constexpr unsigned long FirstRadio = 0x50020009;
inline constexpr unsigned long Radio = 0x50000009;
inline constexpr unsigned long CheckBox = 0x50010003;
inline constexpr unsigned long PushButton = 0x50010000;
inline constexpr unsigned long DefaultPush = 0x50010001;

inline const ExpectedControl ExpectedControls[] = {
    {-1, GroupBox, 7, 7, 317, 64, u"ゲーム画面の描画方法"},
    {1042, FirstRadio, 14, 19, 302, 9, u"GPU (ﾊﾞｲｷｭｰﾋﾞｯｸ) --- Direct3D を使用して描画します。画質が一番良いですが負荷が高いです。"},
    {1043, Radio, 14, 31, 302, 9, u"GPU (バイリニア) --- Direct3D を使用して描画します。画質が良く負荷は普通です。"},
    {1044, Radio, 14, 43, 302, 9, u"CPU (バイリニア) --- 画質は良いですがスペックによっては負荷が高いです。"},
    {1045, Radio, 14, 55, 302, 9, u"CPU (ﾆｱﾚｽﾄﾈｲﾊﾞｰ) --- 画質は汚いですが負荷は軽いです。"},
    {-1, GroupBox, 7, 78, 317, 132, u"フルスクリーン処理"},
    {-1, GroupBox, 15, 90, 300, 40, u"解像度"},
    {1036, FirstRadio, 21, 102, 285, 9, u"変更する --- 自動的に最適なアスペクト比の解像度に設定します。"},
    {1037, Radio, 21, 114, 285, 9, u"変更しない --- 解像度を変更しません。"},
    {-1, GroupBox, 15, 136, 300, 64, u"拡大方法"},
    {1038, FirstRadio, 21, 148, 285, 9, u"拡大(内接) --- 縦横比を維持して縦横どちらかが画面端に接するまで拡大します。"},
    {1039, Radio, 21, 160, 285, 9, u"拡大(外接) --- 縦横比を維持して画面いっぱいに拡大します。(一部領域が見えなくなります)"},
    {1040, Radio, 21, 172, 285, 9, u"拡大(ﾌｨｯﾄ) --- 縦横比を無視して画面いっぱいに拡大します。"},
    {1041, Radio, 21, 184, 285, 9, u"拡大しない --- 拡大しません。"},
    {-1, GroupBox, 7, 217, 150, 41, u"タイトルバーダブルクリック時の処理"},
    {1046, FirstRadio, 14, 230, 135, 9, u"ウィンドウサイズの最大化"},
    {1047, Radio, 14, 242, 135, 9, u"ウィンドウサイズの初期化"},
    {-1, GroupBox, 164, 217, 160, 41, u"起動時のウィンドウ位置とサイズ"},
    {1048, FirstRadio, 171, 230, 147, 9, u"前回終了時の状態"},
    {1049, Radio, 171, 242, 147, 9, u"常に画面中央、通常サイズ"},
    {-1, GroupBox, 7, 265, 150, 52, u"CPU"},
    {1032, CheckBox, 14, 277, 135, 9, u"SSE 命令が使えれば使用する"},
    {1033, CheckBox, 14, 289, 135, 9, u"SSE2 命令が使えれば使用する"},
    {1034, CheckBox, 14, 301, 135, 9, u"マルチコア機能が使えれば使用する"},
    {1029, GroupBox, 164, 265, 160, 29, u"ムービー再生"},
    {1035, CheckBox, 171, 277, 147, 10, u"ムービー再生に DirectShow を使用する"},
    {1, DefaultPush, 164, 302, 50, 16, u"OK"},
    {2, PushButton, 217, 302, 50, 16, u"キャンセル"},
    {3, DefaultPush, 274, 302, 50, 16, u"初期化"},
};

}  // namespace expected
