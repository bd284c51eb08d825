#include "host/Variant.h"

#include <cmath>
#include <limits>

#include "host/QuillError.h"
#include "platform/Text.h"

BSTR AllocBstr(std::string_view utf8) {
  const std::u16string wide = text::ToUtf16(utf8);
  return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

std::string BstrToUtf8(BSTR value) {
  if (value == nullptr) return {};
  return text::ToUtf8(std::u16string_view(value, SysStringLen(value)));
}

EHostCallFailed::EHostCallFailed(DISPID id, HRESULT hr)
    : EQuillError("host call " + std::to_string(id) + " failed with status " + std::to_string(hr)),
      FDispId(id),
      FStatus(hr) {}

TVariant::TVariant(std::int32_t value) : TVariant() {
  FValue.vt = VT_I4;
  FValue.lVal = value;
}
TVariant::TVariant(std::uint32_t value) : TVariant() {
  FValue.vt = VT_UI4;
  FValue.ulVal = value;
}
TVariant::TVariant(std::int64_t value) : TVariant() {
  FValue.vt = VT_I8;
  FValue.llVal = value;
}
TVariant::TVariant(bool value) : TVariant() {
  FValue.vt = VT_BOOL;
  FValue.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}
TVariant::TVariant(double value) : TVariant() {
  FValue.vt = VT_R8;
  FValue.dblVal = value;
}
TVariant::TVariant(std::string_view value) : TVariant() {
  FValue.vt = VT_BSTR;
  FValue.bstrVal = AllocBstr(value);
}
TVariant::TVariant(IDispatch* value) : TVariant() {
  FValue.vt = VT_DISPATCH;
  FValue.pdispVal = value;
  if (value != nullptr) value->AddRef();
}
TVariant::TVariant(const TVariant& other) : TVariant() { VariantCopy(&FValue, &other.FValue); }
TVariant::TVariant(TVariant&& other) noexcept : FValue(other.FValue) { VariantInit(&other.FValue); }
TVariant& TVariant::operator=(TVariant other) noexcept {
  std::swap(FValue, other.FValue);
  return *this;
}

namespace {

[[noreturn]] void Unconvertible(const VARIANT& v, const char* target) {
  throw EArgumentError("cannot convert a variant of type " + std::to_string(v.vt) + " to " + target);
}

// Follows a by-reference variant to a plain one of the same type.
VARIANT Dereference(const VARIANT& v) {
  if ((v.vt & VT_BYREF) == 0) return v;
  if (v.byref == nullptr) Unconvertible(v, "a value (null reference)");
  VARIANT plain;
  VariantInit(&plain);
  plain.vt = static_cast<VARTYPE>(v.vt & ~VT_BYREF);
  switch (plain.vt) {
    case VT_I4: plain.lVal = *v.plVal; break;
    case VT_UI4: plain.ulVal = *v.pulVal; break;
    case VT_I8: plain.llVal = *v.pllVal; break;
    case VT_BOOL: plain.boolVal = *v.pboolVal; break;
    case VT_R8: plain.dblVal = *v.pdblVal; break;
    case VT_BSTR: plain.bstrVal = *v.pbstrVal; break;
    case VT_DISPATCH: plain.pdispVal = *v.ppdispVal; break;
    case VT_VARIANT: return Dereference(*v.pvarVal);
    default: Unconvertible(v, "a value");
  }
  return plain;
}

std::int64_t RoundToInt64(double d, const VARIANT& v) {
  if (!std::isfinite(d) || d >= 9.2233720368547758e18 || d < -9.2233720368547758e18) Unconvertible(v, "an integer");
  return static_cast<std::int64_t>(std::nearbyint(d));  // halves to even
}

std::int64_t TextToInt64(BSTR b, const VARIANT& v) {
  const std::string s = BstrToUtf8(b);
  if (auto i = text::ParseInt(s)) return *i;
  if (auto d = text::ParseDouble(s)) return RoundToInt64(*d, v);
  Unconvertible(v, "an integer");
}

}  // namespace

std::int64_t VariantToInt64(const VARIANT& in) {
  const VARIANT v = Dereference(in);
  switch (v.vt) {
    case VT_EMPTY: return 0;
    case VT_I4: return v.lVal;
    case VT_UI4: return v.ulVal;
    case VT_I8: return v.llVal;
    case VT_BOOL: return v.boolVal != 0 ? -1 : 0;
    case VT_R8: return RoundToInt64(v.dblVal, in);
    case VT_BSTR: return TextToInt64(v.bstrVal, in);
    default: Unconvertible(in, "an integer");
  }
}

std::int32_t VariantToInt32(const VARIANT& in) {
  const VARIANT v = Dereference(in);
  switch (v.vt) {
    case VT_I8: return static_cast<std::int32_t>(static_cast<std::uint32_t>(v.llVal));  // keeps the low 32 bits
    case VT_UI4: return static_cast<std::int32_t>(v.ulVal);
    case VT_R8:
    case VT_BSTR: {
      const std::int64_t wide = VariantToInt64(v);
      if (wide < std::numeric_limits<std::int32_t>::min() || wide > std::numeric_limits<std::uint32_t>::max())
        Unconvertible(in, "a 32-bit integer");
      return static_cast<std::int32_t>(static_cast<std::uint32_t>(wide));
    }
    default: return static_cast<std::int32_t>(VariantToInt64(v));
  }
}

bool VariantToBool(const VARIANT& in) {
  const VARIANT v = Dereference(in);
  switch (v.vt) {
    case VT_EMPTY: return false;
    case VT_BOOL: return v.boolVal != 0;
    case VT_I4: return v.lVal != 0;
    case VT_UI4: return v.ulVal != 0;
    case VT_I8: return v.llVal != 0;
    case VT_R8: return v.dblVal != 0;
    case VT_BSTR: {
      const std::string s(text::Trim(BstrToUtf8(v.bstrVal)));
      if (text::EqualsNoCase(s, "true")) return true;
      if (text::EqualsNoCase(s, "false")) return false;
      if (auto d = text::ParseDouble(s)) return *d != 0;
      Unconvertible(in, "a Boolean");
    }
    default: Unconvertible(in, "a Boolean");
  }
}

double VariantToDouble(const VARIANT& in) {
  const VARIANT v = Dereference(in);
  switch (v.vt) {
    case VT_EMPTY: return 0;
    case VT_R8: return v.dblVal;
    case VT_I4: return v.lVal;
    case VT_UI4: return v.ulVal;
    case VT_I8: return static_cast<double>(v.llVal);
    case VT_BOOL: return v.boolVal != 0 ? -1 : 0;
    case VT_BSTR:
      if (auto d = text::ParseDouble(BstrToUtf8(v.bstrVal))) return *d;
      Unconvertible(in, "a number");
    default: Unconvertible(in, "a number");
  }
}

std::string VariantToString(const VARIANT& in) {
  const VARIANT v = Dereference(in);
  switch (v.vt) {
    case VT_EMPTY: return {};
    case VT_BSTR: return BstrToUtf8(v.bstrVal);
    case VT_I4: return text::FormatInt(v.lVal);
    case VT_UI4: return text::FormatInt(v.ulVal);
    case VT_I8: return text::FormatInt(v.llVal);
    case VT_BOOL: return v.boolVal != 0 ? "True" : "False";
    case VT_R8: return text::FormatGeneral(v.dblVal, 15);
    default: Unconvertible(in, "a text");
  }
}

TComPtr<IDispatch> VariantToDispatch(const VARIANT& in) {
  const VARIANT v = Dereference(in);
  switch (v.vt) {
    case VT_EMPTY: return {};
    case VT_DISPATCH: return TComPtr<IDispatch>(v.pdispVal);
    default: Unconvertible(in, "an object");
  }
}

namespace {
VARIANT* Cleared(VARIANT* result) {
  VariantClear(result);
  return result;
}
}  // namespace

void PackResult(VARIANT* result, std::int32_t value) {
  Cleared(result)->vt = VT_I4;
  result->lVal = value;
}
void PackResult(VARIANT* result, std::uint32_t value) { PackResult(result, static_cast<std::int32_t>(value)); }
void PackResult(VARIANT* result, std::uint8_t value) { PackResult(result, static_cast<std::int32_t>(value)); }
void PackResult(VARIANT* result, std::int64_t value) {
  Cleared(result)->vt = VT_I8;
  result->llVal = value;
}
void PackResult(VARIANT* result, bool value) {
  Cleared(result)->vt = VT_BOOL;
  result->boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}
void PackResult(VARIANT* result, double value) {
  Cleared(result)->vt = VT_R8;
  result->dblVal = value;
}
void PackResult(VARIANT* result, const std::string& value) {
  BSTR text = AllocBstr(value);
  Cleared(result)->vt = VT_BSTR;
  result->bstrVal = text;
}
void PackResult(VARIANT* result, TComPtr<IDispatch> value) {
  Cleared(result)->vt = VT_DISPATCH;
  result->pdispVal = value.Detach();
}
