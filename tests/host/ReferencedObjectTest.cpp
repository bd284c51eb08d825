// Reference counting and interface identities of the host-visible base classes.
#include <gtest/gtest.h>

#include "host/SupportService.h"

namespace {

int gDestroyed = 0;

class TCounted : public TAbstractSupportService {
 public:
  ~TCounted() override { ++gDestroyed; }
};

class TOwned : public TDispatchObjectNoRef {
 public:
  ~TOwned() override { ++gDestroyed; }
};

TEST(ReferencedObjectTest, ReleaseOfTheLastReferenceDestroysTheObject) {
  gDestroyed = 0;
  TCounted* raw = nullptr;
  {
    TComPtr<TCounted> object = MakeObject<TCounted>();
    raw = object.Get();
    EXPECT_EQ(raw->RefCount(), 1);
    EXPECT_EQ(raw->AsDispatch()->AddRef(), 2u);
    EXPECT_EQ(raw->AsDispatch()->Release(), 1u);
  }
  EXPECT_EQ(gDestroyed, 1);
}

TEST(ReferencedObjectTest, QueryInterfaceAnswersItsIdentitiesAndCountsThem) {
  TComPtr<TCounted> object = MakeObject<TCounted>();
  IDispatch* dispatch = object->AsDispatch();
  void* p = nullptr;
  ASSERT_EQ(dispatch->QueryInterface(IID_IUnknown, &p), S_OK);
  EXPECT_EQ(p, static_cast<IUnknown*>(dispatch));
  static_cast<IUnknown*>(p)->Release();
  ASSERT_EQ(dispatch->QueryInterface(IID_IDispatch, &p), S_OK);
  EXPECT_EQ(p, dispatch);
  static_cast<IUnknown*>(p)->Release();
  ASSERT_EQ(dispatch->QueryInterface(IID_ISupportService, &p), S_OK);
  static_cast<IUnknown*>(p)->Release();
  const IID other = {0x12345678, 0, 0, {0, 0, 0, 0, 0, 0, 0, 1}};
  p = reinterpret_cast<void*>(1);
  EXPECT_EQ(static_cast<std::uint32_t>(dispatch->QueryInterface(other, &p)), 0x80004002u);
  EXPECT_EQ(p, nullptr);
  EXPECT_EQ(object->RefCount(), 1);
}

TEST(ReferencedObjectTest, UncountedObjectsLiveUntilTheirOwnerFreesThem) {
  gDestroyed = 0;
  TOwned* owned = NewUncounted<TOwned>();
  EXPECT_EQ(owned->AddRef(), 0u);
  EXPECT_EQ(owned->Release(), 0u);
  EXPECT_EQ(owned->Release(), 0u);
  EXPECT_EQ(gDestroyed, 0);
  delete owned;
  EXPECT_EQ(gDestroyed, 1);
}

class TThrowing : public TAbstractSupportService {
 public:
  TThrowing() { throw std::runtime_error("no"); }
};

TEST(ReferencedObjectTest, AConstructorThatThrowsUnwindsCleanly) {
  EXPECT_THROW(MakeObject<TThrowing>(), std::runtime_error);
  EXPECT_THROW(NewUncounted<TThrowing>(), std::runtime_error);
}

}  // namespace
