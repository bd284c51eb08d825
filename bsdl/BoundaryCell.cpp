#include "bsdl/BoundaryCell.h"

#include "bsdl/ScanPin.h"
#include "host/TextFill.h"
#include "platform/Text.h"

TBoundaryCell::TBoundaryCell(TBSDLEntity* entity) : TBSDLObject(entity) {
  AddImplementator(MakeObject<TBoundaryCell_Impl>(), this);
}

// BSDL notation without the closing parenthesis; the control-cell part only for a cell that
// a control cell enables.
std::string TBoundaryCell::GetDescriptionText() {
  std::string s = PadRight(text::FormatInt(CellNumber), 4) + "(" + PadRight(NameOf(CellKind), 10) + "," +
                  PadRight(PortId, 10) + "," + PadRight(NameOf(CellFunction), 10) + "," + PadRight(NameOf(SafeBit), 2);
  if (ControlCellNumber >= 0) {
    s += "," + PadRight(text::FormatInt(ControlCellNumber), 4) + "," + PadRight(NameOf(DisableValue), 2) + "," +
         PadRight(NameOf(DisableResult), 10) + ",";
    if (Pin != nullptr) s += " Pin:" + Pin->PinName;
  }
  return s;
}

bool TBoundaryCell_Impl::IsServiceSupported(std::string_view name) {
  return text::EqualsNoCase(name, "BSDLValueHolder") || TAbstractBoundaryCell::IsServiceSupported(name);
}

HRESULT STDMETHODCALLTYPE TBoundaryCell_Impl::Invoke(DISPID id, REFIID riid, LCID locale, WORD flags,
                                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* excepInfo,
                                                     UINT* argErr) {
  static const TDispatchTable<TBoundaryCell_Impl> table{{509024, Op<&TBoundaryCell_Impl::SetCurrentValue>}};
  HRESULT status = S_OK;
  if (table.Dispatch(*this, id, params, result, status)) return status;
  return TAbstractBoundaryCell::Invoke(id, riid, locale, flags, params, result, excepInfo, argErr);
}

TComPtr<IDispatch> TBoundaryCell_Impl::GetPin() { return AdapterOf(Ex<TBoundaryCell>().Pin); }
