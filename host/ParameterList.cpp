#include "host/ParameterList.h"

#include "host/QuillError.h"
#include "platform/Text.h"

TParameter::TParameter(std::string_view name, std::string_view value)
    : FName(text::Trim(name)), FValue(text::Trim(value)) {}

void TParameter::SetName(std::string_view name) { FName = std::string(text::Trim(name)); }
void TParameter::SetValue(std::string_view value) { FValue = std::string(text::Trim(value)); }

void TParameterList::SetState(std::string_view state) {
  ClearAllParameters();
  bool readingName = true;
  std::size_t pairStart = 0;
  std::size_t valueStart = 0;
  std::string_view name;
  for (std::size_t i = 0; i <= state.size(); ++i) {
    const bool atEnd = i == state.size();
    const char c = atEnd ? '\0' : state[i];
    if (!atEnd && c == '=' && readingName) {
      name = state.substr(pairStart, i - pairStart);
      readingName = false;
      valueStart = i + 1;
    } else if (atEnd || c == '|') {
      if (!readingName) SetState_AddParameter(name, state.substr(valueStart, i - valueStart));
      readingName = true;
      pairStart = i + 1;
    }
  }
}

std::string TParameterList::GetState() const {
  std::string out;
  for (std::size_t i = 0; i < FParameters.size(); ++i) {
    if (i > 0) out += '|';
    out += FParameters[i]->Name();
    out += '=';
    // An empty value is written as one space so that it reads back as an empty value.
    out += FParameters[i]->Value().empty() ? std::string(" ") : FParameters[i]->Value();
  }
  return out;
}

TParameter* TParameterList::GetState_ParameterByName(std::string_view name) const {
  const std::string_view key = text::Trim(name);
  for (const auto& p : FParameters)
    if (text::EqualsNoCase(p->Name(), key)) return p.get();
  return nullptr;
}

bool TParameterList::SetState_RemoveByName(std::string_view name) {
  const std::string_view key = text::Trim(name);
  for (auto it = FParameters.begin(); it != FParameters.end(); ++it) {
    if (text::EqualsNoCase((*it)->Name(), key)) {
      FParameters.erase(it);
      return true;
    }
  }
  return false;
}

void TParameterList::SetState_AddParameter(std::string_view name, std::string_view value) {
  if (text::Trim(name).empty()) return;
  FParameters.push_back(std::make_unique<TParameter>(name, value));
}

void TParameterList::SetState_AddParameterAsBoolean(std::string_view name, bool value) {
  SetState_AddParameter(name, value ? "True" : "False");
}
void TParameterList::SetState_AddParameterAsInteger(std::string_view name, std::int32_t value) {
  SetState_AddParameter(name, text::FormatInt(value));
}
void TParameterList::SetState_AddParameterAsInt64(std::string_view name, std::int64_t value) {
  SetState_AddParameter(name, text::FormatInt(value));
}
void TParameterList::SetState_AddParameterAsDouble(std::string_view name, double value) {
  SetState_AddParameter(name, text::FormatGeneral(value, 15));
}

bool TParameterList::GetState_ParameterAsString(std::string_view name, std::string& value) const {
  const TParameter* p = GetState_ParameterByName(name);
  value = p != nullptr ? p->Value() : std::string();
  return p != nullptr;
}

bool TParameterList::GetState_ParameterAsPChar(std::string_view name, const char*& value) const {
  const TParameter* p = GetState_ParameterByName(name);
  value = p != nullptr ? p->Value().c_str() : "";
  return p != nullptr;
}

bool TParameterList::GetState_ParameterAsInt64(std::string_view name, std::int64_t& value) const {
  const TParameter* p = GetState_ParameterByName(name);
  if (p == nullptr) return false;
  const auto parsed = text::ParseInt(p->Value());
  if (!parsed) return false;
  value = *parsed;
  return true;
}

bool TParameterList::GetState_ParameterAsLongInt(std::string_view name, std::int32_t& value) const {
  std::int64_t wide = 0;
  if (!GetState_ParameterAsInt64(name, wide) || wide < INT32_MIN || wide > UINT32_MAX) return false;
  value = static_cast<std::int32_t>(static_cast<std::uint32_t>(wide));
  return true;
}

bool TParameterList::GetState_ParameterAsSmallInt(std::string_view name, std::int16_t& value) const {
  std::int32_t wide = 0;
  if (!GetState_ParameterAsLongInt(name, wide)) return false;
  value = static_cast<std::int16_t>(static_cast<std::uint16_t>(static_cast<std::uint32_t>(wide)));
  return true;
}

bool TParameterList::GetState_ParameterAsWord(std::string_view name, std::uint16_t& value) const {
  std::int32_t wide = 0;
  if (!GetState_ParameterAsLongInt(name, wide)) return false;
  value = static_cast<std::uint16_t>(static_cast<std::uint32_t>(wide));
  return true;
}

bool TParameterList::GetState_ParameterAsByte(std::string_view name, std::uint8_t& value) const {
  std::int32_t wide = 0;
  if (!GetState_ParameterAsLongInt(name, wide)) return false;
  value = static_cast<std::uint8_t>(static_cast<std::uint32_t>(wide));
  return true;
}

bool TParameterList::GetState_ParameterAsBoolean(std::string_view name, bool& value) const {
  const TParameter* p = GetState_ParameterByName(name);
  if (p == nullptr) return false;
  value = text::EqualsNoCase(p->Value(), "True");
  return true;
}

bool TParameterList::GetState_ParameterAsWordBool(std::string_view name, std::int16_t& value) const {
  bool flag = false;
  if (!GetState_ParameterAsBoolean(name, flag)) return false;
  value = flag ? static_cast<std::int16_t>(-1) : static_cast<std::int16_t>(0);
  return true;
}

bool TParameterList::GetState_ParameterAsReal(std::string_view name, float& value) const {
  const TParameter* p = GetState_ParameterByName(name);
  if (p == nullptr) return false;
  const auto parsed = text::ParseDouble(p->Value());
  if (!parsed) return false;
  value = static_cast<float>(*parsed);
  return true;
}

bool TParameterList::GetState_ParameterAsDouble(std::string_view name, double& value) const {
  const TParameter* p = GetState_ParameterByName(name);
  if (p == nullptr) return false;
  const auto parsed = text::ParseDouble(p->Value());
  if (!parsed) throw EConvertError("'" + p->Value() + "' is not a valid floating point value");
  value = *parsed;
  return true;
}

bool ParameterString_GetValue(std::string_view paramString, std::string_view name, std::string& value) {
  // One shared list and the last string it parsed: repeated look-ups in the same string parse once.
  static TParameterList shared;
  static std::string lastParsed;
  static bool parsedOnce = false;
  value.clear();
  if (paramString.empty()) return false;
  if (!parsedOnce || paramString != lastParsed) {
    shared.SetState(paramString);
    lastParsed = std::string(paramString);
    parsedOnce = true;
  }
  return shared.GetState_ParameterAsString(name, value);
}

void ParameterString_SetValue(std::string& paramString, std::string_view name, std::string_view value) {
  TParameterList list;
  list.SetState(paramString);
  if (TParameter* p = list.GetState_ParameterByName(name)) p->SetValue(value);
  else list.SetState_AddParameter(name, value);
  paramString = list.GetState_ToString();
}
