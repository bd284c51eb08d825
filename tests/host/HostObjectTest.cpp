// Calling host objects by DISPID: argument order, result conversion, failures, in/out text.
#include <gtest/gtest.h>

#include "host/HostObject.h"
#include "host/SupportService.h"

namespace {

// A stand-in host object that records what it receives.
class TRecordingHost : public TAbstractSupportService {
 public:
  std::vector<std::string> Received;
  HRESULT Answer = S_OK;

  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result,
                                   EXCEPINFO*, UINT*) override {
    Received.clear();
    for (UINT i = 0; i < params->cArgs; ++i) {
      const VARIANT& v = params->rgvarg[i];
      if (v.vt == (VT_BSTR | VT_BYREF)) {
        Received.push_back("ref:" + BstrToUtf8(*v.pbstrVal));
        SysFreeString(*v.pbstrVal);
        *v.pbstrVal = AllocBstr("changed");
      } else {
        Received.push_back(VariantToString(v));
      }
    }
    if (FAILED(Answer)) return Answer;
    if (result != nullptr) PackResult(result, std::string("result of ") + std::to_string(id));
    return S_OK;
  }
};

TEST(HostObjectTest, PacksArgumentsLastFirstAndConvertsTheResult) {
  TComPtr<TRecordingHost> host = MakeObject<TRecordingHost>();
  THostObject wrapper(host->AsDispatch());
  EXPECT_EQ(wrapper.Call<std::string>(5, std::int32_t{1}, "two", true), "result of 5");
  EXPECT_EQ(host->Received, (std::vector<std::string>{"True", "two", "1"}));
}

TEST(HostObjectTest, FailedStatusBecomesAnException) {
  TComPtr<TRecordingHost> host = MakeObject<TRecordingHost>();
  host->Answer = E_FAIL;
  THostObject wrapper(host->AsDispatch());
  try {
    wrapper.Call(77, std::int32_t{3});
    FAIL() << "no exception";
  } catch (const EHostCallFailed& e) {
    EXPECT_EQ(e.DispId(), 77);
    EXPECT_EQ(e.Status(), E_FAIL);
  }
  EXPECT_THROW(THostObject().Call(1), EQuillError);
}

TEST(HostObjectTest, InOutTextIsReadBackAfterTheCall) {
  TComPtr<TRecordingHost> host = MakeObject<TRecordingHost>();
  THostObject wrapper(host->AsDispatch());
  std::string text = "A=1|B=2";
  wrapper.Call(625, "FPGAFlow:DeviceAction", TInOutText{text});
  EXPECT_EQ(host->Received[0], "ref:A=1|B=2");
  EXPECT_EQ(text, "changed");
}

}  // namespace
