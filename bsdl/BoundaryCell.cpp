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
  std::string s = PadRight(text::FormatInt(CellNumber), 4);
  // Appended piece by piece: GCC 12 misreads "," + temporary as an overlapping copy at -O3.
  const auto field = [&s](char separator, std::string_view value, std::size_t width) {
    s += separator;
    s += PadRight(value, width);
  };
  field('(', NameOf(CellKind), 10);
  field(',', PortId, 10);
  field(',', NameOf(CellFunction), 10);
  field(',', NameOf(SafeBit), 2);
  if (ControlCellNumber >= 0) {
    field(',', text::FormatInt(ControlCellNumber), 4);
    field(',', NameOf(DisableValue), 2);
    field(',', NameOf(DisableResult), 10);
    s += ',';
    if (Pin != nullptr) {
      s += " Pin:";
      s += Pin->PinName;
    }
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
