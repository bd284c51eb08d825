// The host's text file (ITextFile, DISPID 509468 WriteLine) collecting the lines written to
// it. It can be told to fail at a given line, as a full disk would.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "host/SupportService.h"

class TSimTextFile : public TAbstractSupportService {
 public:
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) override;

  void WriteLine(const std::string& line);

  const std::vector<std::string>& Lines() const { return FLines; }
  // Every line followed by a line feed.
  std::string Text() const;
  // WriteLine fails for the line of this index (0 = first) and every later one.
  void FailFromLine(std::size_t index) { FFailFromLine = index; }

 private:
  std::vector<std::string> FLines;
  std::optional<std::size_t> FFailFromLine;
};
