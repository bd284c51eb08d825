#include "bsdl/PinMapping.h"

#include "bsdl/ScanPin.h"

TPinMapping::TPinMapping(TBSDLEntity* entity) : TBSDLObject(entity) {
  AddImplementator(MakeObject<TPinMapping_Impl>(), this);
}

TComPtr<IDispatch> TPinMapping_Impl::GetScanPin() { return AdapterOf(Ex<TPinMapping>().ScanPin); }
