#pragma once

// The texts of the object model's failures that have no number in the message table.
// (The missing-resource text is Msg::ResourceNotFound of the table.)
namespace ModelText {

inline constexpr const char* InvalidStreamFormat = "不正なストリーム フォーマット";
inline constexpr const char* InvalidPropertyValue = "不正なプロパティの値です";
inline constexpr const char* StreamReadError = "ストリームからの読み込みエラー";
inline constexpr const char* ResourceStreamReadOnly =
    "読み込み専用リソース ストリームには書き込めません";
inline constexpr const char* PropertyInProperty = "%s%s%s の読み込み中のエラー : %s";
inline constexpr const char* ClassNotFound = "クラス %s が見つかりません";
inline constexpr const char* AncestorNotFound = "'%s' の継承元が存在しません";
inline constexpr const char* UnknownProperty = "プロパティが存在しません";
inline constexpr const char* InvalidPropertyPath = "不正なプロパティのパスです";
inline constexpr const char* ReadOnlyProperty = "プロパティは書き込み禁止です";
inline constexpr const char* InvalidComponentName = "コンポーネント名に ''%s'' は使えません";
inline constexpr const char* DuplicateComponentName = "コンポーネント名 %s はすでに使われています";
inline constexpr const char* DuplicateClassName = "クラス名 %s はすでに使われています";
inline constexpr const char* ListIndexError = "リストのインデックスが範囲を超えています (%d)";

} // namespace ModelText
