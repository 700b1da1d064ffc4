// Written in UTF-8; the compiler turns the literals into code page 932.
#include "frame/messages.h"

const char CaptionError[] = "エラー";
const char CaptionInformation[] = "情報";
const char CaptionEngineSettings[] = "エンジン設定";

const char TextCreateFailed[] =
    "設定データファイルを新規作成できませんでした。\r\n\r\n"
    "書き込みできないフォルダである可能性があります。";
const char TextUpdateFailed[] =
    "設定データファイルに設定を保存できませんでした。\r\n\r\n"
    "[ vlcfg.dat ]ファイルが読み取り専用になっている可能性があります。";
const char TextInvalidStartPath[] = "起動パスが不正です。";
const char TextUnsupportedWindows[] = "Windows95/NT3.5/NT4 では起動できません。";
const char TextAlreadyRunning[] = "ソフトが起動中です。一旦終了させてください。";
const char TextDirectShowNotice[] =
    "※ムービー再生に DirectShow を使用しない場合で、\r\n"
    "　フルスクリーン時の拡大方法が「拡大(外接)」の場合、\r\n"
    "　強制的に「拡大(内接)」でムービーが再生されます。";
