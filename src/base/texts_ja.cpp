// The program's texts in Japanese.
#include "base/texts.h"

namespace wendora {

std::string_view JapaneseText(TextId id) {
  switch (id) {
    case TextId::kUrlAnnounce:
      return "URL を示すと思われる文字列がクリップ ボードに格納されました。"
             "上記 URL に存在する Web ページを開きます。";
    case TextId::kPathAnnounce:
      return "ファイル、またはフォルダのパスを示すと思われる文字列がクリップ "
             "ボードに格納されました。"
             "上記パスに存在するファイル、またはフォルダを開きます。";
    case TextId::kProgramPathAnnounce:
      return "プログラムのパスを示すと思われる文字列がクリップ ボードに格納されました。"
             "安全のため実行せず、上記ファイルのあるフォルダを開きます。";
    case TextId::kLooseUrlAnnounce:
      return "URL を示すと思われる文字列がクリップ ボードに格納されました。"
             "上記 URL に存在する Web ページを開きますか？";
    case TextId::kUserNameAnnounce:
      return "ユーザー名の付いた URL がクリップ ボードに格納されました。"
             "上記のホストに存在する Web ページを開きますか？";
    case TextId::kCancelWithin:
      return "キャンセルする場合は %1秒以内にここを右クリックしてください。";
    case TextId::kClickWithin:
      return "実行する場合は %1秒以内にここをクリックしてください。";
    case TextId::kBusy:
      return "実行しています。しばらくお待ちください。";
    case TextId::kWaitTimeTitle:
      return "待ち時間の変更";
    case TextId::kWaitTimeAnnounce:
      return "Wendora の命令語がクリップボードに格納されました。待ち時間を %1秒に変更します。";
    case TextId::kExitTitle:
      return "アプリケーションの終了";
    case TextId::kExitAnnounce:
      return "Wendora の命令語がクリップボードに格納されました。このアプリケーションを終了します。";
    case TextId::kPauseTitle:
      return "クリップボード監視の一時停止";
    case TextId::kPauseAnnounce:
      return "Wendora の命令語がクリップボードに格納されました。"
             "クリップボードの監視を一時停止します。";
    case TextId::kResumeTitle:
      return "クリップボード監視の再開";
    case TextId::kResumeAnnounce:
      return "Wendora の命令語がクリップボードに格納されました。クリップボードの監視を再開します。";
    case TextId::kBannerFont:
      return "ＭＳ Ｐゴシック";
    case TextId::kMissingPath:
      return "このパスは、ローカル ディスク内に存在しないファイル、またはフォルダを指しています。";
    case TextId::kOpenFailed:
      return "次の項目を開けませんでした。\r\n\r\n%1\r\n\r\n%2";
    case TextId::kFatalError:
      return "回避不可能のエラーが発生しました。アプリケーションを終了します。\r\n\r\nエラー %1 - "
             "%2";
    case TextId::kRuntimeErrorReport:
      return "実行時エラー '%1':\r\n\r\n%2";
    case TextId::kTemplateCaption:
      return "Tamberlyn 標準テンプレート";
    case TextId::kTemplateWarning:
      return "プロジェクトのタイトルが \"Project1\" です。\r\n\r\n"
             "このままではビルド番号が正しく記録されない恐れがあります。"
             "キャンセルを押すとビルド番号のインクリメントをスキップします。";
    case TextId::kErrOverflow:
      return "オーバーフローしました。";
    case TextId::kErrOutOfMemory:
      return "メモリが不足しています。";
    case TextId::kErrTypeMismatch:
      return "型が一致しません。";
    case TextId::kErrInternal:
      return "内部エラーです。";
    case TextId::kErrPathFileAccess:
      return "パス/ファイル アクセス エラーです。";
    case TextId::kErrCantOpenClipboard:
      return "クリップボードを開けません。";
    case TextId::kErrOther:
      return "アプリケーション定義またはオブジェクト定義のエラーです。";
    case TextId::kCannotCreateWindow:
      return "ウィンドウを作成できません。";
    case TextId::kCannotStartTimer:
      return "タイマーを開始できません。";
    case TextId::kTrayTip:
      return "Tamberlyn Wendora";
    case TextId::kPausedTrayTip:
      return "Tamberlyn Wendora (一時停止中)";
    case TextId::kMenuSettings:
      return "設定(&S)";
    case TextId::kMenuHelp:
      return "ヘルプ(&T)";
    case TextId::kMenuPause:
      return "一時停止(&P)";
    case TextId::kMenuStartWithWindows:
      return "Windows の起動時に開始(&W)";
    case TextId::kMenuExit:
      return "Wendora の終了(&X)";
    case TextId::kHelpFileEnding:
      return ".chm";
    case TextId::kDialogCaption:
      return "設定";
    case TextId::kDialogFont:
      return "ＭＳ Ｐゴシック";
    case TextId::kWaitTimeLabel:
      return "実行待ち時間(&W):";
    case TextId::kSecondsLabel:
      return "秒";
    case TextId::kTopColorLabel:
      return "上端の色(&T):";
    case TextId::kBottomColorLabel:
      return "下端の色(&B):";
    case TextId::kOkButton:
      return "OK";
    case TextId::kCancelButton:
      return "キャンセル";
    case TextId::kShowIconCheckBox:
      return "タスクトレイにアイコンを表示する(&I)";
    case TextId::kActionFrame:
      return "指定時間経過後の動作";
    case TextId::kRunOption:
      return "実行する(&R)";
    case TextId::kCancelOption:
      return "キャンセルする(&C)";
    case TextId::kNotANumber:
      return "実行待ち時間には整数を入力してください。";
    case TextId::kMoreButton:
      return "詳細設定(&D)...";
    case TextId::kMoreCaption:
      return "詳細設定";
    case TextId::kMonitorFrame:
      return "バナーを表示するモニター";
    case TextId::kPrimaryMonitorOption:
      return "プライマリ モニター(&P)";
    case TextId::kForegroundMonitorOption:
      return "手前のウィンドウのあるモニター(&W)";
    case TextId::kPointerMonitorOption:
      return "マウス ポインターのあるモニター(&M)";
    case TextId::kQuietCheckBox:
      return "全画面表示のプログラムの前では通知しない(&Q)";
    case TextId::kLanguageFrame:
      return "表示言語";
    case TextId::kSystemLanguageOption:
      return "Windows の表示言語に従う(&F)";
    case TextId::kJapaneseOption:
      return "日本語(&J)";
    case TextId::kEnglishOption:
      return "English(&E)";
    case TextId::kLanguageNote:
      return "表示言語の変更は次回の起動時に有効になります。";
    case TextId::kIgnoredProgramsLabel:
      return "通知しないプログラム(&I):";
    case TextId::kAddLastProgramButton:
      return "最後にコピーしたプログラムを追加(&A)";
    case TextId::kAnySlashCheckBox:
      return "スラッシュを含む文字列をすべて URL とみなす(&S)";
    case TextId::kBannerKeysCheckBox:
      return "キーボードでバナーを実行、キャンセルする(&K)";
    case TextId::kBannerKeysNote:
      return "Ctrl+Alt+Enter で実行、Ctrl+Alt+Backspace でキャンセルします。";
    case TextId::kBannerKeysSentence:
      return "このバナーは Ctrl+Alt+Enter で実行、Ctrl+Alt+Backspace でキャンセルできます。";
  }
  return {};
}

}  // namespace wendora
