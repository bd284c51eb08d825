#include "bsdl/ScanPin.h"

#include "bsdl/BoundaryCell.h"
#include "bsdl/PinMapping.h"
#include "host/TextFill.h"
#include "platform/Text.h"

TScanPin::TScanPin(TBSDLEntity* entity) : TBSDLObject(entity) { AddImplementator(MakeObject<TScanPin_Impl>(), this); }

std::string TScanPin::GetDescriptionText() {
  return " Pin Name:" + PadRight(PinName, 12) + " Number:" + PadRight(PinNumber, 12) + " IO:" +
         std::string(NameOf(Direction));
}

std::string TScanPin::GetShortDescriptionText() {
  return PinName + "(" + PinNumber + ")-" + std::string(NameOf(Direction));
}

bool TScanPin_Impl::IsServiceSupported(std::string_view name) {
  return text::EqualsNoCase(name, "BSDLValueHolder") || TAbstractScanPin::IsServiceSupported(name);
}

HRESULT STDMETHODCALLTYPE TScanPin_Impl::Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                                VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) {
  static const TDispatchTable<TScanPin_Impl> table{{509024, Op<&TScanPin_Impl::SetCurrentValue>}};
  HRESULT status = S_OK;
  if (table.Dispatch(*this, id, params, result, status)) return status;
  return TAbstractScanPin::Invoke(id, riid, locale, flags, params, result, excepInfo, argErr);
}

TComPtr<IDispatch> TScanPin_Impl::GetPinMapping() { return AdapterOf(Ex<TScanPin>().PinMapping); }

TComPtr<IDispatch> TScanPin_Impl::GetBoundaryCell(std::int32_t Index) {
  const auto& cells = Ex<TScanPin>().BoundaryCells;
  if (Index < 0 || static_cast<std::size_t>(Index) >= cells.size()) return {};
  return AdapterOf(cells[static_cast<std::size_t>(Index)]);
}
