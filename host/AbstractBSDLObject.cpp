#include "host/AbstractBSDLObject.h"

#include "platform/Text.h"

bool TAbstractBSDLObject::IsServiceSupported(std::string_view name) {
  return text::EqualsNoCase(name, "BSDLObject") || TAbstractSupportService::IsServiceSupported(name);
}

HRESULT STDMETHODCALLTYPE TAbstractBSDLObject::Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                        VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) {
  static const TDispatchTable<TAbstractBSDLObject> table{
      {503427, Op<&TAbstractBSDLObject::GetDescription>},
      {503428, Op<&TAbstractBSDLObject::GetShortDescription>},
      {503429, Op<&TAbstractBSDLObject::GetEntity>},
  };
  HRESULT status = S_OK;
  if (table.Dispatch(*this, id, params, result, status)) return status;
  return TAbstractSupportService::Invoke(id, riid, locale, flags, params, result, excepInfo, argErr);
}

bool TAbstractScanPin::IsServiceSupported(std::string_view name) {
  return text::EqualsNoCase(name, "ScanPin") || TAbstractBSDLObject::IsServiceSupported(name);
}

HRESULT STDMETHODCALLTYPE TAbstractScanPin::Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                        VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) {
  static const TDispatchTable<TAbstractScanPin> table{
      {503490, Op<&TAbstractScanPin::GetDirection>},
      {503491, Op<&TAbstractScanPin::GetPinName>},
      {503492, Op<&TAbstractScanPin::GetPinNumber>},
      {503493, Op<&TAbstractScanPin::GetKind>},
      {503494, Op<&TAbstractScanPin::GetPinMapping>},
      {503495, Op<&TAbstractScanPin::GetBoundaryCellCount>},
      {503496, Op<&TAbstractScanPin::GetBoundaryCell>},
      {503497, Op<&TAbstractScanPin::GetCurrentValue>},
  };
  HRESULT status = S_OK;
  if (table.Dispatch(*this, id, params, result, status)) return status;
  return TAbstractBSDLObject::Invoke(id, riid, locale, flags, params, result, excepInfo, argErr);
}

bool TAbstractPinMapping::IsServiceSupported(std::string_view name) {
  return text::EqualsNoCase(name, "PinMapping") || TAbstractBSDLObject::IsServiceSupported(name);
}

HRESULT STDMETHODCALLTYPE TAbstractPinMapping::Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                        VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) {
  static const TDispatchTable<TAbstractPinMapping> table{
      {503498, Op<&TAbstractPinMapping::GetPinName>},
      {503499, Op<&TAbstractPinMapping::GetPinNumber>},
      {503500, Op<&TAbstractPinMapping::GetScanPin>},
  };
  HRESULT status = S_OK;
  if (table.Dispatch(*this, id, params, result, status)) return status;
  return TAbstractBSDLObject::Invoke(id, riid, locale, flags, params, result, excepInfo, argErr);
}

bool TAbstractBoundaryCell::IsServiceSupported(std::string_view name) {
  return text::EqualsNoCase(name, "BoundaryCell") || TAbstractBSDLObject::IsServiceSupported(name);
}

HRESULT STDMETHODCALLTYPE TAbstractBoundaryCell::Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                        VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) {
  static const TDispatchTable<TAbstractBoundaryCell> table{
      {503501, Op<&TAbstractBoundaryCell::GetCellNumber>},
      {503502, Op<&TAbstractBoundaryCell::GetCellKind>},
      {503503, Op<&TAbstractBoundaryCell::GetPortId>},
      {503504, Op<&TAbstractBoundaryCell::GetCellFunction>},
      {503505, Op<&TAbstractBoundaryCell::GetSafeBit>},
      {503506, Op<&TAbstractBoundaryCell::GetControlCellNumber>},
      {503507, Op<&TAbstractBoundaryCell::GetDisableValue>},
      {503508, Op<&TAbstractBoundaryCell::GetDisableResult>},
      {503509, Op<&TAbstractBoundaryCell::GetPin>},
      {503510, Op<&TAbstractBoundaryCell::GetControlCell>},
      {503511, Op<&TAbstractBoundaryCell::GetTargetCell>},
      {503512, Op<&TAbstractBoundaryCell::GetCurrentValue>},
  };
  HRESULT status = S_OK;
  if (table.Dispatch(*this, id, params, result, status)) return status;
  return TAbstractBSDLObject::Invoke(id, riid, locale, flags, params, result, excepInfo, argErr);
}

bool TAbstractInstructionOpCode::IsServiceSupported(std::string_view name) {
  return text::EqualsNoCase(name, "InstructionOpCode") || TAbstractBSDLObject::IsServiceSupported(name);
}

HRESULT STDMETHODCALLTYPE TAbstractInstructionOpCode::Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                        VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) {
  static const TDispatchTable<TAbstractInstructionOpCode> table{
      {503513, Op<&TAbstractInstructionOpCode::GetInstructionName>},
      {503514, Op<&TAbstractInstructionOpCode::GetOpCodePattern>},
  };
  HRESULT status = S_OK;
  if (table.Dispatch(*this, id, params, result, status)) return status;
  return TAbstractBSDLObject::Invoke(id, riid, locale, flags, params, result, excepInfo, argErr);
}

bool TAbstractRegisterAssociation::IsServiceSupported(std::string_view name) {
  return text::EqualsNoCase(name, "RegisterAssociation") || TAbstractBSDLObject::IsServiceSupported(name);
}

HRESULT STDMETHODCALLTYPE TAbstractRegisterAssociation::Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                        VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) {
  static const TDispatchTable<TAbstractRegisterAssociation> table{
      {503515, Op<&TAbstractRegisterAssociation::GetRegisterName>},
      {503516, Op<&TAbstractRegisterAssociation::GetRegisterLength>},
      {503517, Op<&TAbstractRegisterAssociation::GetInstructionOpcodeCount>},
      {503518, Op<&TAbstractRegisterAssociation::GetInstructionOpcode>},
  };
  HRESULT status = S_OK;
  if (table.Dispatch(*this, id, params, result, status)) return status;
  return TAbstractBSDLObject::Invoke(id, riid, locale, flags, params, result, excepInfo, argErr);
}
