// TRegisterAssociation: one data register and the instructions that select it, in the order
// added. The opcodes belong to the entity; an instruction without opcode object is kept by name.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "bsdl/BSDLObject.h"

class TInstructionOpCode;

class TRegisterAssociation : public TBSDLObject {
 public:
  explicit TRegisterAssociation(TBSDLEntity* entity);

  std::string GetDescriptionText() override;
  std::string GetShortDescriptionText() override { return GetDescriptionText(); }
  std::int32_t GetImageIndex() override { return 99; }

  void SetRegisterName(std::string value) { RegisterName = std::move(value); }
  void SetRegisterLength(std::int32_t value) { RegisterLength = value; }
  // Adds `opCode` (may be null) under the instruction name.
  void AddOpCode(std::string instructionName, TInstructionOpCode* opCode) {
    InstructionOpCodes.emplace_back(std::move(instructionName), opCode);
  }

  std::string RegisterName;
  std::int32_t RegisterLength = 0;
  std::vector<std::pair<std::string, TInstructionOpCode*>> InstructionOpCodes;
};

class TRegisterAssociation_Impl : public TBSDLObjectAdapter<TAbstractRegisterAssociation> {
 public:
  std::string GetRegisterName() override { return Ex<TRegisterAssociation>().RegisterName; }
  std::int32_t GetRegisterLength() override { return Ex<TRegisterAssociation>().RegisterLength; }
  std::int32_t GetInstructionOpcodeCount() override {
    return static_cast<std::int32_t>(Ex<TRegisterAssociation>().InstructionOpCodes.size());
  }
  TComPtr<IDispatch> GetInstructionOpcode(std::int32_t Index) override;
};
