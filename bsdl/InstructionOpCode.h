// TInstructionOpCode: one instruction and its opcode pattern (most significant bit first).
#pragma once

#include <cstdint>
#include <string>

#include "bsdl/BSDLObject.h"

class TInstructionOpCode : public TBSDLObject {
 public:
  explicit TInstructionOpCode(TBSDLEntity* entity);

  std::string GetDescriptionText() override { return InstructionName + "(" + OpCodePattern + ")"; }
  std::string GetShortDescriptionText() override { return GetDescriptionText(); }
  std::int32_t GetImageIndex() override { return 72; }

  void SetInstructionName(std::string value) { InstructionName = std::move(value); }
  void SetOpCodePattern(std::string value) { OpCodePattern = std::move(value); }

  std::string InstructionName;
  std::string OpCodePattern;
  std::uint32_t InstructionCode = 0;
};

class TInstructionOpCode_Impl : public TBSDLObjectAdapter<TAbstractInstructionOpCode> {
 public:
  std::string GetInstructionName() override { return Ex<TInstructionOpCode>().InstructionName; }
  std::string GetOpCodePattern() override { return Ex<TInstructionOpCode>().OpCodePattern; }
};
