#include "platform/OleAuto.h"

#ifndef _WIN32

#include <cstdlib>
#include <cstring>

const IID IID_IUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID IID_IDispatch = {0x00020400, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID IID_NULL = {0, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}};

namespace {
constexpr std::size_t kPrefix = sizeof(std::uint32_t);
}

BSTR SysAllocStringLen(const OLECHAR* text, UINT length) {
  const std::size_t bytes = static_cast<std::size_t>(length) * sizeof(OLECHAR);
  auto* block = static_cast<unsigned char*>(std::malloc(kPrefix + bytes + sizeof(OLECHAR)));
  if (block == nullptr) return nullptr;
  const auto prefix = static_cast<std::uint32_t>(bytes);
  std::memcpy(block, &prefix, kPrefix);
  auto* chars = reinterpret_cast<OLECHAR*>(block + kPrefix);
  if (text != nullptr && length > 0) std::memcpy(chars, text, bytes);
  else if (length > 0) std::memset(chars, 0, bytes);
  chars[length] = 0;
  return chars;
}

BSTR SysAllocString(const OLECHAR* text) {
  if (text == nullptr) return nullptr;
  UINT length = 0;
  while (text[length] != 0) ++length;
  return SysAllocStringLen(text, length);
}

void SysFreeString(BSTR text) {
  if (text != nullptr) std::free(reinterpret_cast<unsigned char*>(text) - kPrefix);
}

UINT SysStringLen(BSTR text) {
  if (text == nullptr) return 0;
  std::uint32_t prefix = 0;
  std::memcpy(&prefix, reinterpret_cast<unsigned char*>(text) - kPrefix, kPrefix);
  return prefix / sizeof(OLECHAR);
}

void VariantInit(VARIANT* v) {
  std::memset(v, 0, sizeof(VARIANT));
  v->vt = VT_EMPTY;
}

HRESULT VariantClear(VARIANT* v) {
  if (v == nullptr) return E_INVALIDARG;
  if ((v->vt & VT_BYREF) == 0) {
    if (v->vt == VT_BSTR) SysFreeString(v->bstrVal);
    else if ((v->vt == VT_DISPATCH || v->vt == VT_UNKNOWN) && v->punkVal != nullptr) v->punkVal->Release();
  }
  VariantInit(v);
  return S_OK;
}

HRESULT VariantCopy(VARIANT* destination, const VARIANT* source) {
  if (destination == nullptr || source == nullptr) return E_INVALIDARG;
  if (destination == source) return S_OK;
  VariantClear(destination);
  *destination = *source;
  if ((source->vt & VT_BYREF) != 0) return S_OK;
  if (source->vt == VT_BSTR && source->bstrVal != nullptr) {
    destination->bstrVal = SysAllocStringLen(source->bstrVal, SysStringLen(source->bstrVal));
    if (destination->bstrVal == nullptr) {
      VariantInit(destination);
      return E_OUTOFMEMORY;
    }
  } else if ((source->vt == VT_DISPATCH || source->vt == VT_UNKNOWN) && source->punkVal != nullptr) {
    source->punkVal->AddRef();
  }
  return S_OK;
}

#endif  // _WIN32
