#include "tools/quillhost/VariantText.h"

#include "host/QuillError.h"
#include "platform/Text.h"

TVariant ParseTypedArgument(std::string_view arg) {
  const auto colon = arg.find(':');
  if (colon == std::string_view::npos) throw EQuillError("argument '" + std::string(arg) + "' has no type prefix");
  const std::string_view type = arg.substr(0, colon);
  const std::string_view value = arg.substr(colon + 1);
  auto integer = [&]() {
    const auto parsed = text::ParseInt(value);
    if (!parsed) throw EQuillError("'" + std::string(value) + "' is not an integer");
    return *parsed;
  };
  if (type == "str") return TVariant(value);
  if (type == "i4") {
    const std::int64_t v = integer();
    if (v < INT32_MIN || v > UINT32_MAX) throw EQuillError("'" + std::string(value) + "' does not fit 32 bits");
    return TVariant(static_cast<std::int32_t>(static_cast<std::uint32_t>(v)));
  }
  if (type == "i8") return TVariant(integer());
  if (type == "bool") {
    if (value == "true") return TVariant(true);
    if (value == "false") return TVariant(false);
    throw EQuillError("'" + std::string(value) + "' is not true or false");
  }
  if (type == "r8") {
    const auto parsed = text::ParseDouble(value);
    if (!parsed) throw EQuillError("'" + std::string(value) + "' is not a number");
    return TVariant(*parsed);
  }
  throw EQuillError("unknown argument type '" + std::string(type) + "' (use i4, i8, str, bool or r8)");
}

std::string FormatResult(const VARIANT& v) {
  switch (v.vt) {
    case VT_EMPTY: return "VT_EMPTY";
    case VT_I4: return "VT_I4 " + text::FormatInt(v.lVal);
    case VT_UI4: return "VT_I4 " + text::FormatInt(static_cast<std::int32_t>(v.ulVal));
    case VT_I8: return "VT_I8 " + text::FormatInt(v.llVal);
    case VT_BOOL: return std::string("VT_BOOL ") + (v.boolVal != 0 ? "true" : "false");
    case VT_R8: return "VT_R8 " + text::FormatDouble(v.dblVal);
    case VT_BSTR: return "VT_BSTR \"" + BstrToUtf8(v.bstrVal) + "\"";
    case VT_DISPATCH: return std::string("VT_DISPATCH ") + (v.pdispVal != nullptr ? "object" : "null");
    default: return "VT_" + text::FormatInt(v.vt);
  }
}
