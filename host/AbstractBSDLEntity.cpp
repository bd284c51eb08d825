#include "host/AbstractBSDLEntity.h"

#include "platform/Text.h"

bool TAbstractBSDLEntity::IsServiceSupported(std::string_view name) {
  return text::EqualsNoCase(name, "BSDLEntity") || TAbstractSupportService::IsServiceSupported(name);
}

HRESULT STDMETHODCALLTYPE TAbstractBSDLEntity::Invoke(DISPID id, REFIID riid, LCID locale, WORD flags,
                                                      DISPPARAMS* params, VARIANT* result, EXCEPINFO* excepInfo,
                                                      UINT* argErr) {
  static const TDispatchTable<TAbstractBSDLEntity> table{
      {503458, Op<&TAbstractBSDLEntity::GetName>},
      {503459, Op<&TAbstractBSDLEntity::GetInstructionLength>},
      {503460, Op<&TAbstractBSDLEntity::GetIdCode>},
      {503461, Op<&TAbstractBSDLEntity::GetBoundaryLength>},
      {503462, Op<&TAbstractBSDLEntity::GetPin>},
      {503463, Op<&TAbstractBSDLEntity::GetPinMapping>},
      {503464, Op<&TAbstractBSDLEntity::GetBoundaryCell>},
      {503465, Op<&TAbstractBSDLEntity::GetInstructionOpcode>},
      {503466, Op<&TAbstractBSDLEntity::GetRegisterAssociation>},
      {503467, Op<&TAbstractBSDLEntity::GetPinCount>},
      {503468, Op<&TAbstractBSDLEntity::GetPinMappingCount>},
      {503469, Op<&TAbstractBSDLEntity::GetBoundaryCellCount>},
      {503470, Op<&TAbstractBSDLEntity::GetInstructionOpcodeCount>},
      {503471, Op<&TAbstractBSDLEntity::GetRegisterAssociationCount>},
      {503472, Op<&TAbstractBSDLEntity::GetPin_TDI>},
      {503473, Op<&TAbstractBSDLEntity::GetPin_TDO>},
      {503474, Op<&TAbstractBSDLEntity::GetPin_TMS>},
      {503475, Op<&TAbstractBSDLEntity::GetPin_TCK>},
      {503476, Op<&TAbstractBSDLEntity::GetPin_TRST>},
      {503477, Op<&TAbstractBSDLEntity::GetInstruction_BYPASS>},
      {503478, Op<&TAbstractBSDLEntity::GetInstruction_EXTEST>},
      {503479, Op<&TAbstractBSDLEntity::GetInstruction_SAMPLE>},
      {503480, Op<&TAbstractBSDLEntity::GetInstruction_IDCODE>},
      {503481, Op<&TAbstractBSDLEntity::GetInstruction_USERCODE>},
      {503482, Op<&TAbstractBSDLEntity::GetInstruction_CLAMP>},
      {503483, Op<&TAbstractBSDLEntity::GetInstruction_HIGHZ>},
      {503484, Op<&TAbstractBSDLEntity::GetScanClockMaxSpeed>},
      {503485, Op<&TAbstractBSDLEntity::GetScanClockHaltMode>},
      {503486, Op<&TAbstractBSDLEntity::GetConformanceStatement>},
      {503487, Op<&TAbstractBSDLEntity::GetCompliancePattern>},
      {503488, Op<&TAbstractBSDLEntity::GetDesignWarning>},
      {503489, Op<&TAbstractBSDLEntity::GetFilename>},
  };
  HRESULT status = S_OK;
  if (table.Dispatch(*this, id, params, result, status)) return status;
  return TAbstractSupportService::Invoke(id, riid, locale, flags, params, result, excepInfo, argErr);
}
