#include "hostsim/SimTargetCore.h"

#include "host/QuillError.h"

TSimTargetCore::TSimTargetCore()
    : FParameters{{"LibraryName", "UNISIMS"}, {"PrimitiveName", "MMCME2_ADV"}} {}

HRESULT STDMETHODCALLTYPE TSimTargetCore::Invoke(DISPID id, REFIID riid, LCID locale, WORD flags,
                                                 DISPPARAMS* params, VARIANT* result, EXCEPINFO* excepInfo,
                                                 UINT* argErr) {
  static const TDispatchTable<TSimTargetCore> table{
      {509938, Op<&TSimTargetCore::GetInputFrequency>},
      {509940, Op<&TSimTargetCore::GetOutputMode>},
      {509941, Op<&TSimTargetCore::GetOutputValue>},
      {509942, Op<&TSimTargetCore::IsOutputUsed>},
      {509943, Op<&TSimTargetCore::GetOutputName>},
      {509950, Op<&TSimTargetCore::GetCoreName>},
      {509954, Op<&TSimTargetCore::GetCommandLine>},
      {509956, Op<&TSimTargetCore::GetParameter>},
      {509960, Op<&TSimTargetCore::ReportError>},
  };
  HRESULT status = S_OK;
  if (table.Dispatch(*this, id, params, result, status)) return status;
  return TAbstractSupportService::Invoke(id, riid, locale, flags, params, result, excepInfo, argErr);
}

TSimTargetOutput& TSimTargetCore::Output(char letter) {
  if (letter < 'A' || letter > 'D') throw EQuillError(std::string("a target core has no output ") + letter);
  return FOutputs[static_cast<std::size_t>(letter - 'A')];
}

TSimTargetOutput& TSimTargetCore::Asked(DISPID id, std::int32_t letter) {
  FLetterQuestions.push_back({id, letter});
  if (letter < 'A' || letter > 'D') throw EQuillError("asked about output character " + std::to_string(letter));
  return FOutputs[static_cast<std::size_t>(letter - 'A')];
}

std::int32_t TSimTargetCore::GetOutputMode(std::int32_t letter) { return Asked(509940, letter).Mode; }
double TSimTargetCore::GetOutputValue(std::int32_t letter) { return Asked(509941, letter).Value; }
bool TSimTargetCore::IsOutputUsed(std::int32_t letter) { return Asked(509942, letter).Used; }

std::string TSimTargetCore::GetOutputName(std::int32_t letter) {
  FLetterQuestions.push_back({509943, letter});
  return text::FormatInt(letter - 64);
}

std::string TSimTargetCore::GetParameter(const std::string& name) {
  const auto it = FParameters.find(name);
  return it != FParameters.end() ? it->second : std::string();
}
