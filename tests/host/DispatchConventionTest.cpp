// The dispatch convention as every host-visible object follows it: argument order and
// conversion, result packing, safecall failures, the parent chain and service names.
#include <gtest/gtest.h>

#include "host/SupportService.h"
#include "platform/Text.h"
#include "support/TestSupport.h"

using testing_support::Invoke;

namespace {

// A level above the root with a few operations of every argument and result kind.
class TProbe : public TAbstractSupportService {
 public:
  int Calls = 0;
  std::int32_t LastInt = 0;
  std::uint32_t LastWord = 0;
  std::string LastText;

  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) override {
    static const TDispatchTable<TProbe> table{
        {100, Op<&TProbe::Concat>},    {101, Op<&TProbe::Store>},     {102, Op<&TProbe::Fail>},
        {103, Op<&TProbe::Nothing>},   {104, Op<&TProbe::Word>},      {105, Op<&TProbe::Flags>},
        {106, Op<&TProbe::Wide>},      {107, Op<&TProbe::Half>},      {108, Op<&TProbe::Self>},
        {109, Op<&TProbe::Truth>},
    };
    HRESULT status = S_OK;
    if (table.Dispatch(*this, id, params, result, status)) return status;
    return TAbstractSupportService::Invoke(id, riid, locale, flags, params, result, excepInfo, argErr);
  }
  bool IsServiceSupported(std::string_view name) override {
    return text::EqualsNoCase(name, "Probe") || TAbstractSupportService::IsServiceSupported(name);
  }

  std::string Concat(const std::string& first, std::int32_t second) {
    ++Calls;
    return first + "/" + std::to_string(second);
  }
  void Store(std::int32_t value) {
    ++Calls;
    LastInt = value;
  }
  std::int32_t Fail() { throw std::runtime_error("boom"); }
  void Nothing() { ++Calls; }
  std::uint32_t Word(std::uint32_t value) {
    LastWord = value;
    return value;
  }
  void Flags(std::int32_t, TByRefFlag& a, TByRefFlag&, TByRefFlag& c, TRawWord d, TRawWord) {
    a.Cell = 0;
    c.Cell = 0;
    LastWord = d.Value;
  }
  std::int64_t Wide(std::int64_t v) { return v * 2; }
  double Half(double v) { return v / 2; }
  TComPtr<IDispatch> Self() { return TComPtr<IDispatch>(AsDispatch()); }
  bool Truth(bool v) { return !v; }
};

class DispatchConventionTest : public ::testing::Test {
 protected:
  TComPtr<TProbe> probe = MakeObject<TProbe>();
  IDispatch* dispatch() { return probe->AsDispatch(); }
};

TEST_F(DispatchConventionTest, ArgumentsArriveLastFirstAndResultsArePacked) {
  auto r = Invoke(dispatch(), 100, {TVariant("abc"), TVariant(std::int32_t{7})});
  ASSERT_EQ(r.Status, S_OK);
  ASSERT_EQ(r.Value.Type(), VT_BSTR);
  EXPECT_EQ(BstrToUtf8(r.Value.Raw().bstrVal), "abc/7");
}

TEST_F(DispatchConventionTest, ArgumentsAreConvertedToTheDeclaredType) {
  // A 64-bit value handed to a 32-bit argument keeps its low 32 bits.
  ASSERT_EQ(Invoke(dispatch(), 101, {TVariant(std::int64_t{0x100000005})}).Status, S_OK);
  EXPECT_EQ(probe->LastInt, 5);
  // Text, Boolean and double arguments convert to integers; integers convert to text.
  ASSERT_EQ(Invoke(dispatch(), 101, {TVariant("42")}).Status, S_OK);
  EXPECT_EQ(probe->LastInt, 42);
  ASSERT_EQ(Invoke(dispatch(), 101, {TVariant(true)}).Status, S_OK);
  EXPECT_EQ(probe->LastInt, -1);
  ASSERT_EQ(Invoke(dispatch(), 101, {TVariant(2.5)}).Status, S_OK);
  EXPECT_EQ(probe->LastInt, 2);  // halves round to even
  auto r = Invoke(dispatch(), 100, {TVariant(std::int32_t{12}), TVariant("3")});
  EXPECT_EQ(BstrToUtf8(r.Value.Raw().bstrVal), "12/3");
  // By-reference integers are followed.
  std::int32_t cell = 9;
  TVariant byRef;
  byRef.Ptr()->vt = VT_I4 | VT_BYREF;
  byRef.Ptr()->plVal = &cell;
  ASSERT_EQ(Invoke(dispatch(), 101, {byRef}).Status, S_OK);
  EXPECT_EQ(probe->LastInt, 9);
}

TEST_F(DispatchConventionTest, ResultKindsKeepTheirVariantTypes) {
  auto word = Invoke(dispatch(), 104, {TVariant(std::int32_t{-1})});
  EXPECT_EQ(word.Value.Type(), VT_I4);  // unsigned results travel as VT_I4 with the same bits
  EXPECT_EQ(word.Value.Raw().lVal, -1);
  EXPECT_EQ(probe->LastWord, 0xFFFFFFFFu);
  auto wide = Invoke(dispatch(), 106, {TVariant(std::int64_t{1} << 40)});
  EXPECT_EQ(wide.Value.Type(), VT_I8);
  EXPECT_EQ(wide.Value.Raw().llVal, std::int64_t{1} << 41);
  auto real = Invoke(dispatch(), 107, {TVariant(3.0)});
  EXPECT_EQ(real.Value.Type(), VT_R8);
  EXPECT_EQ(real.Value.Raw().dblVal, 1.5);
  auto truth = Invoke(dispatch(), 109, {TVariant("false")});
  EXPECT_EQ(truth.Value.Type(), VT_BOOL);
  EXPECT_EQ(truth.Value.Raw().boolVal, VARIANT_TRUE);
  auto self = Invoke(dispatch(), 108);
  ASSERT_EQ(self.Value.Type(), VT_DISPATCH);
  EXPECT_EQ(self.Value.Raw().pdispVal, dispatch());
}

TEST_F(DispatchConventionTest, FailuresNeverCallTheOperationOrTouchTheResult) {
  struct Case {
    const char* what;
    DISPID id;
    std::vector<TVariant> args;
  };
  TVariant object(dispatch());
  const std::vector<Case> cases = {
      {"missing argument", 101, {}},
      {"one of two arguments missing", 100, {TVariant("x")}},
      {"object where an integer is expected", 101, {object}},
      {"text that is no number", 101, {TVariant("12abc")}},
      {"double out of range", 101, {TVariant(1e12)}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto r = Invoke(dispatch(), c.id, c.args);
    EXPECT_EQ(static_cast<std::uint32_t>(r.Status), 0x8000FFFFu);
    EXPECT_EQ(r.Value.Type(), VT_EMPTY);
  }
  EXPECT_EQ(probe->Calls, 0);
}

TEST_F(DispatchConventionTest, ExceptionsBecomeCatastrophicFailure) {
  auto r = Invoke(dispatch(), 102);
  EXPECT_EQ(static_cast<std::uint32_t>(r.Status), 0x8000FFFFu);
  EXPECT_EQ(r.Value.Type(), VT_EMPTY);
}

TEST_F(DispatchConventionTest, OperationsWithoutResultLeaveTheResultUntouched) {
  TVariant result(std::int32_t{77});
  DISPPARAMS none{};
  ASSERT_EQ(dispatch()->Invoke(103, IID_NULL, 0, DISPATCH_METHOD, &none, result.Ptr(), nullptr, nullptr), S_OK);
  EXPECT_EQ(result.Raw().lVal, 77);
  EXPECT_EQ(probe->Calls, 1);
  // A null result pointer is fine for operations that have one.
  VARIANT arg;
  VariantInit(&arg);
  arg.vt = VT_I4;
  arg.lVal = 3;
  DISPPARAMS one{&arg, nullptr, 1, 0};
  EXPECT_EQ(dispatch()->Invoke(104, IID_NULL, 0, DISPATCH_METHOD, &one, nullptr, nullptr, nullptr), S_OK);
}

TEST_F(DispatchConventionTest, ByReferenceFlagsStartFromTheReferenceWordAndAreWrittenBack) {
  VARIANT_BOOL a = VARIANT_TRUE, b = VARIANT_FALSE, c = VARIANT_TRUE;
  std::vector<TVariant> args(6);
  args[0] = TVariant(std::int32_t{0});
  VARIANT_BOOL* cells[] = {&a, &b, &c};
  for (int i = 0; i < 3; ++i) {
    args[static_cast<std::size_t>(i) + 1].Ptr()->vt = VT_BOOL | VT_BYREF;
    args[static_cast<std::size_t>(i) + 1].Ptr()->pboolVal = cells[i];
  }
  args[4] = TVariant(std::int64_t{0x1234567890});  // taken unconverted: the low data word
  args[5] = TVariant(std::int32_t{0});
  ASSERT_EQ(Invoke(dispatch(), 105, args).Status, S_OK);
  EXPECT_EQ(a, VARIANT_FALSE);
  EXPECT_EQ(b, VARIANT_TRUE);  // left as handed in: a non-zero reference word
  EXPECT_EQ(c, VARIANT_FALSE);
  EXPECT_EQ(probe->LastWord, 0x34567890u);
}

TEST_F(DispatchConventionTest, UnknownDispIdsAndTypeInformationAreNotImplemented) {
  EXPECT_EQ(static_cast<std::uint32_t>(Invoke(dispatch(), 1024).Status), 0x80004001u);
  EXPECT_EQ(static_cast<std::uint32_t>(Invoke(dispatch(), -1).Status), 0x80004001u);
  UINT count = 0;
  EXPECT_EQ(dispatch()->GetTypeInfoCount(&count), E_NOTIMPL);
  EXPECT_EQ(dispatch()->GetTypeInfo(0, 0, nullptr), E_NOTIMPL);
  DISPID id = 0;
  EXPECT_EQ(dispatch()->GetIDsOfNames(IID_NULL, nullptr, 0, 0, &id), E_NOTIMPL);
}

TEST_F(DispatchConventionTest, SupportsServiceAnswersOwnAndParentNamesWithoutCase) {
  for (const char* name : {"Probe", "probe", "PROBE"})
    EXPECT_EQ(Invoke(dispatch(), 1023, {TVariant(name)}).Value.Raw().boolVal, VARIANT_TRUE) << name;
  for (const char* name : {"", "Prob", "Probes", "DeviceInformation"})
    EXPECT_EQ(Invoke(dispatch(), 1023, {TVariant(name)}).Value.Raw().boolVal, VARIANT_FALSE) << name;
  // The same answer through the support-service interface itself.
  ISupportService* support = nullptr;
  ASSERT_EQ(dispatch()->QueryInterface(IID_ISupportService, reinterpret_cast<void**>(&support)), S_OK);
  BSTR name = AllocBstr("probe");
  VARIANT_BOOL answer = VARIANT_FALSE;
  EXPECT_EQ(support->SupportsService(name, &answer), S_OK);
  EXPECT_EQ(answer, VARIANT_TRUE);
  SysFreeString(name);
  support->Release();
}

}  // namespace
