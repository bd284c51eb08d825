#include "hostsim/SimTextFile.h"

#include "host/QuillError.h"

HRESULT STDMETHODCALLTYPE TSimTextFile::Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                               VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) {
  static const TDispatchTable<TSimTextFile> table{
      {509468, Op<&TSimTextFile::WriteLine>},
  };
  HRESULT status = S_OK;
  if (table.Dispatch(*this, id, params, result, status)) return status;
  return TAbstractSupportService::Invoke(id, riid, locale, flags, params, result, excepInfo, argErr);
}

void TSimTextFile::WriteLine(const std::string& line) {
  if (FFailFromLine && FLines.size() >= *FFailFromLine) throw EQuillError("the text file cannot be written");
  FLines.push_back(line);
}

std::string TSimTextFile::Text() const {
  std::string text;
  for (const std::string& line : FLines) text += line + "\n";
  return text;
}
