// Parameter strings: "Name=Value|Name=Value", no quoting and no escapes. Names and values
// are trimmed; names compare without case; duplicates are kept and the first one wins.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/QuillError.h"

class TParameter {
 public:
  TParameter(std::string_view name, std::string_view value);
  const std::string& Name() const { return FName; }
  const std::string& Value() const { return FValue; }
  void SetName(std::string_view name);
  void SetValue(std::string_view value);

 private:
  std::string FName;
  std::string FValue;
};

class TParameterList {
 public:
  void SetState(std::string_view state);
  void SetState_FromString(std::string_view state) { SetState(state); }
  std::string GetState() const;
  std::string GetState_ToString() const { return GetState(); }
  void ClearAllParameters() { FParameters.clear(); }

  std::size_t Count() const { return FParameters.size(); }
  const TParameter& At(std::size_t index) const { return *FParameters[index]; }

  TParameter* GetState_ParameterByName(std::string_view name) const;
  bool SetState_RemoveByName(std::string_view name);

  void SetState_AddParameter(std::string_view name, std::string_view value);
  void SetState_AddParameterAsString(std::string_view name, std::string_view value) {
    SetState_AddParameter(name, value);
  }
  void SetState_AddParameterAsBoolean(std::string_view name, bool value);
  void SetState_AddParameterAsInteger(std::string_view name, std::int32_t value);
  void SetState_AddParameterAsInt64(std::string_view name, std::int64_t value);
  void SetState_AddParameterAsDouble(std::string_view name, double value);

  bool GetState_ParameterAsString(std::string_view name, std::string& value) const;
  // The stored characters stay valid while the pair lives; an absent name gives "".
  bool GetState_ParameterAsPChar(std::string_view name, const char*& value) const;
  bool GetState_ParameterAsLongInt(std::string_view name, std::int32_t& value) const;
  bool GetState_ParameterAsInteger(std::string_view name, std::int32_t& value) const {
    return GetState_ParameterAsLongInt(name, value);
  }
  bool GetState_ParameterAsSmallInt(std::string_view name, std::int16_t& value) const;
  bool GetState_ParameterAsWord(std::string_view name, std::uint16_t& value) const;
  bool GetState_ParameterAsByte(std::string_view name, std::uint8_t& value) const;
  bool GetState_ParameterAsInt64(std::string_view name, std::int64_t& value) const;
  bool GetState_ParameterAsBoolean(std::string_view name, bool& value) const;
  bool GetState_ParameterAsWordBool(std::string_view name, std::int16_t& value) const;
  bool GetState_ParameterAsReal(std::string_view name, float& value) const;
  // A malformed number raises EConvertError instead of returning false.
  bool GetState_ParameterAsDouble(std::string_view name, double& value) const;

 private:
  std::vector<std::unique_ptr<TParameter>> FParameters;
};

// Raised by GetState_ParameterAsDouble for a value that is not a number.
class EConvertError : public EQuillError {
 public:
  using EQuillError::EQuillError;
};

bool ParameterString_GetValue(std::string_view paramString, std::string_view name, std::string& value);
void ParameterString_SetValue(std::string& paramString, std::string_view name, std::string_view value);
