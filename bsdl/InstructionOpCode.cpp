#include "bsdl/InstructionOpCode.h"

TInstructionOpCode::TInstructionOpCode(TBSDLEntity* entity) : TBSDLObject(entity) {
  AddImplementator(MakeObject<TInstructionOpCode_Impl>(), this);
}
