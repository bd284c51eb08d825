// VARIANT values: an owning wrapper, and the conversions of the dispatch convention
// (both directions). This is the only place where text crosses between UTF-8 and OLE strings.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "host/ComPtr.h"
#include "platform/OleAuto.h"

BSTR AllocBstr(std::string_view utf8);
std::string BstrToUtf8(BSTR text);

class TVariant {
 public:
  TVariant() { VariantInit(&FValue); }
  TVariant(std::int32_t value);
  TVariant(std::uint32_t value);
  TVariant(std::int64_t value);
  TVariant(bool value);
  TVariant(double value);
  TVariant(std::string_view value);
  TVariant(const std::string& value) : TVariant(std::string_view(value)) {}
  TVariant(const char* value) : TVariant(std::string_view(value)) {}
  TVariant(IDispatch* value);  // takes a new reference
  TVariant(const TVariant& other);
  TVariant(TVariant&& other) noexcept;
  TVariant& operator=(TVariant other) noexcept;
  ~TVariant() { VariantClear(&FValue); }

  VARIANT* Ptr() { return &FValue; }
  const VARIANT& Raw() const { return FValue; }
  VARTYPE Type() const { return FValue.vt; }

 private:
  VARIANT FValue;
};

// Conversions of an incoming VARIANT (by-reference variants are followed). Each throws
// EArgumentError when the type cannot be converted.
std::int32_t VariantToInt32(const VARIANT& v);
std::int64_t VariantToInt64(const VARIANT& v);
bool VariantToBool(const VARIANT& v);
double VariantToDouble(const VARIANT& v);
std::string VariantToString(const VARIANT& v);
TComPtr<IDispatch> VariantToDispatch(const VARIANT& v);

// Results written into a result VARIANT (the previous content is cleared).
void PackResult(VARIANT* result, std::int32_t value);
void PackResult(VARIANT* result, std::uint32_t value);  // VT_I4 carrying the 32-bit pattern
void PackResult(VARIANT* result, std::uint8_t value);
void PackResult(VARIANT* result, std::int64_t value);
void PackResult(VARIANT* result, bool value);
void PackResult(VARIANT* result, double value);
void PackResult(VARIANT* result, const std::string& value);
void PackResult(VARIANT* result, TComPtr<IDispatch> value);  // the reference moves into the VARIANT
