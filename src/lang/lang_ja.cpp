// Japanese texts of the user interface.
#include "strings.h"

extern const LangSet lang_ja = {
    109,
    {
        L"開く",
        L"保存",
        L"名前を付けて保存",
        L"コンパイル",
        L"実行",
        L"設定",
        L"検索",
        L"コマンド",
        L"",
        L"移動",
    },
    {
        L"設定",
        L"コンパイラコマンド",
        L"システムコマンド",
        L"背景色",
        L"文字色",
        L"フォント変更",
        L"プロジェクトを開く",
        L"プロジェクトを保存",
        L"名前を付けてプロジェクトを保存",
        L"完了",
        L"設定",
    },
    {
        L"検索/置換",
        L"テキスト",
        L"検索",
        L"から",
        L"へ",
        L"置換",
        L"完了",
    },
    L"について",
    L"ショートカットキー一覧",
    L"Ctrl+O - ファイルを開く\r\n"
    L"Ctrl+S - ファイルを保存\r\n"
    L"Ctrl+Enter - 改行1\r\n"
    L"Shift+Enter - 改行2\r\n"
    L"Ctrl+Shift+Enter - 改行3\r\n"
    L"Ctrl+Shift+1 .. 9 - ジャンプポイント追加\r\n"
    L"Ctrl+1 .. Ctrl+9 - ポイントへジャンプ\r\n"
    L"Ctrl+T - 上部へジャンプ\r\n"
    L"Ctrl+B - 下部へジャンプ\r\n",
    L"作成者: Team EditWindow, 2026\r\n"
    L"バージョン 1.1\r\n"
    L"editwindow@example.org 更新情報\r\n"
    L"無断転載を禁じます。"
};
