#pragma once
// The class library's exception hierarchy. Every error the program raises or catches derives from
// Exception and carries its user-visible text in Message; EAbort is the silent one that the
// exception display never shows.
#include <exception>
#include <string>

class Exception : public std::exception {
public:
    explicit Exception(std::string message = {}) : Message(std::move(message)) {}
    const char* what() const noexcept override { return Message.c_str(); }

    std::string Message;
};

#define QUORVEL_EXCEPTION_CLASS(Name, Base)          \
    class Name : public Base {                       \
    public:                                          \
        using Base::Base;                            \
    };

QUORVEL_EXCEPTION_CLASS(EAbort, Exception)
QUORVEL_EXCEPTION_CLASS(EConvertError, Exception)
QUORVEL_EXCEPTION_CLASS(EInvalidGraphic, Exception)
QUORVEL_EXCEPTION_CLASS(EInvalidGraphicOperation, Exception)
QUORVEL_EXCEPTION_CLASS(EOutOfResources, Exception)
QUORVEL_EXCEPTION_CLASS(EStreamError, Exception)
QUORVEL_EXCEPTION_CLASS(EReadError, EStreamError)
QUORVEL_EXCEPTION_CLASS(EWriteError, EStreamError)
QUORVEL_EXCEPTION_CLASS(EFOpenError, EStreamError)
QUORVEL_EXCEPTION_CLASS(EFCreateError, EStreamError)
QUORVEL_EXCEPTION_CLASS(EListError, Exception)
QUORVEL_EXCEPTION_CLASS(ERegistryException, Exception)
QUORVEL_EXCEPTION_CLASS(EClipboardException, Exception)
QUORVEL_EXCEPTION_CLASS(EOSError, Exception)
QUORVEL_EXCEPTION_CLASS(EInvalidOperation, Exception)
QUORVEL_EXCEPTION_CLASS(EComponentError, Exception)

#undef QUORVEL_EXCEPTION_CLASS

// The user-visible texts of the class library, in one place.
namespace Messages {
inline constexpr const char* InvalidBitmap = "ビットマップイメージが不正です";
inline constexpr const char* InvalidInteger = "'%s' は整数ではありません";
inline constexpr const char* FOpenError = "ファイル %s は開けません";
inline constexpr const char* FCreateError = "ファイル %s を作成できません";
inline constexpr const char* UnknownExtension = "拡張子 .%s の画像形式は処理できません";
inline constexpr const char* NoCanvas = "ビットマップを持っている時のみイメージの変更が可能です";
inline constexpr const char* ReadError = "ストリーム読み込みエラー";
inline constexpr const char* WriteError = "ストリーム書き込みエラー";
inline constexpr const char* MemoryStreamError = "メモリストリームの拡張中にメモリが不足しました";
inline constexpr const char* AssignError = "%s を %s に代入できません";
inline constexpr const char* ListIndexError = "リストのインデックスが範囲を超えています (%d)";
inline constexpr const char* SortedListError = "ソート済みリストには実行できない操作です";
inline constexpr const char* DuplicateString = "文字列リストは重複を許可していません";
inline constexpr const char* InvalidFormat = "Format '%s' invalid or incompatible with argument";
inline constexpr const char* ArgumentMissing = "No argument for format '%s'";
inline constexpr const char* UnknownClipboardFormat = "サポートされていないクリップボード形式です";
inline constexpr const char* IconToClipboard = "クリップボードはアイコンには対応していません";
inline constexpr const char* DuplicateName = "コンポーネント名 %s はすでに存在します";
inline constexpr const char* ControlParentSetToSelf = "コントロールを自分自身の親にすることはできません";
inline constexpr const char* NotAnAncestor = "%s は %s の親ではありません";
}  // namespace Messages
