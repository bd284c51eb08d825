#include "bsdl/RegisterAssociation.h"

#include "bsdl/InstructionOpCode.h"
#include "host/TextFill.h"
#include "platform/Text.h"

TRegisterAssociation::TRegisterAssociation(TBSDLEntity* entity) : TBSDLObject(entity) {
  AddImplementator(MakeObject<TRegisterAssociation_Impl>(), this);
}

std::string TRegisterAssociation::GetDescriptionText() {
  std::string s = PadRight(RegisterName, 10);
  if (RegisterLength > 0) {
    s += '[';
    s += text::FormatInt(RegisterLength);
    s += ']';
  }
  s += " (";
  for (std::size_t i = 0; i < InstructionOpCodes.size(); ++i) {
    const auto& [name, opCode] = InstructionOpCodes[i];
    if (i > 0) s += ",";
    s += name + "(" + (opCode != nullptr ? opCode->OpCodePattern : std::string("NoOpcode")) + ")";
  }
  return s + ")";
}

TComPtr<IDispatch> TRegisterAssociation_Impl::GetInstructionOpcode(std::int32_t Index) {
  const auto& list = Ex<TRegisterAssociation>().InstructionOpCodes;
  if (Index < 0 || static_cast<std::size_t>(Index) >= list.size()) return {};
  return AdapterOf(list[static_cast<std::size_t>(Index)].second);
}
