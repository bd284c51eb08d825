#include "host/HostObject.h"

void THostObject::Invoke(DISPID id, TVariant* args, std::size_t count, VARIANT* result) const {
  if (!FDispatch) throw EQuillError("host call " + std::to_string(id) + " on a missing host object");
  DISPPARAMS params{};
  static_assert(sizeof(TVariant) == sizeof(VARIANT), "TVariant must be layout-compatible with VARIANT");
  params.rgvarg = count > 0 ? args->Ptr() : nullptr;
  params.cArgs = static_cast<UINT>(count);
  const HRESULT hr = FDispatch->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, result, nullptr, nullptr);
  if (FAILED(hr)) throw EHostCallFailed(id, hr);
}

void THostObject::Pack(TVariant& slot, BSTR& holder, TInOutText value) {
  holder = AllocBstr(value.Text);
  VARIANT* v = slot.Ptr();
  VariantClear(v);
  v->vt = VT_BSTR | VT_BYREF;
  v->pbstrVal = &holder;
}

void THostObject::ReadBack(BSTR& holder, TInOutText& value) { value.Text = BstrToUtf8(holder); }

THostObject::TByRefTexts::~TByRefTexts() {
  for (BSTR text : Texts) SysFreeString(text);
}
