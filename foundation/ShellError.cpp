#include "foundation/ShellError.h"

const char* CShellError::Text(int code)
{
    switch (code) {
    case outOfResources:
        return "メモリまたはリソースが不足しています。";
    case fileNotFound:
        return "指定されたファイルが見つかりませんでした。";
    case pathNotFound:
        return "指定されたパスが見つかりませんでした。";
    case accessDenied:
        return "オペレーティングシステムが、指定されたファイルへのアクセスを拒否しました。";
    case outOfMemory:
        return "操作を完了するのに十分なメモリがありません。";
    case badFormat:
        return ".exe ファイルが無効です。\nWin32 の .exe ではないか、.exe イメージ内にエラーがあります。";
    case sharingViolation:
        return "共有違反が発生しました。";
    case associationIncomplete:
        return "ファイル名の関連付けが不完全または無効です。";
    case ddeTimeout:
        return "要求がタイムアウトしたので、DDE トランザクションを完了できませんでした。";
    case ddeFailed:
        return "DDE トランザクションが失敗しました。";
    case ddeBusy:
        return "ほかの DDE トランザクションが現在処理中なので、\nDDE "
               "トランザクションを完了できませんでした。";
    case noAssociation:
        return "指定されたファイル拡張子に関連付けられたアプリケーションがありません。\n"
               "印刷可能ではないファイルを印刷しようとした場合も、このエラーが返ります。";
    case dllNotFound:
        return "指定されたダイナミックリンクライブラリ（DLL）が見つかりませんでした。";
    default:
        return "";
    }
}
