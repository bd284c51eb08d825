// The entity and its element objects as the host sees them: DISPID tables, descriptions,
// service names, the value holder, and ownership.
#include <gtest/gtest.h>

#include "bsdl/BSDLBuilder.h"
#include "bsdl/BSDLReader.h"
#include "bsdl/Device_Artix7_Bsdl.h"
#include "host/SupportService.h"
#include "support/TestSupport.h"

using testing_support::Invoke;

namespace {

TComPtr<IDispatch> ObjectOf(const testing_support::TInvokeResult& r) {
  EXPECT_EQ(r.Status, S_OK);
  EXPECT_EQ(r.Value.Type(), VT_DISPATCH);
  return r.Value.Type() == VT_DISPATCH ? TComPtr<IDispatch>(r.Value.Raw().pdispVal) : TComPtr<IDispatch>();
}
std::int32_t IntOf(IDispatch* d, DISPID id, std::vector<TVariant> args = {}) {
  const auto r = Invoke(d, id, std::move(args));
  EXPECT_EQ(r.Status, S_OK);
  return VariantToInt32(r.Value.Raw());
}
std::string TextOf(IDispatch* d, DISPID id) {
  const auto r = Invoke(d, id);
  EXPECT_EQ(r.Status, S_OK);
  return VariantToString(r.Value.Raw());
}
bool Supports(IDispatch* d, const char* name) {
  const auto r = Invoke(d, kDispId_SupportsService, {TVariant(name)});
  EXPECT_EQ(r.Status, S_OK);
  return VariantToBool(r.Value.Raw());
}

class TinyEntity : public ::testing::Test {
 protected:
  void SetUp() override {
    const TBSDLDescription d = ReadBSDLFile(testing_support::SourceDir() + "/tests/bsdl/data/TINY_PART.bsd");
    Entity = BuildBSDLEntity(d.Parameters, Caches);
  }
  IDispatch* E() { return Entity->AsDispatch(); }
  TComPtr<IDispatch> Cell(std::int32_t n) { return ObjectOf(Invoke(E(), 503464, {TVariant(n)})); }
  TComPtr<IDispatch> Pin(std::int32_t n) { return ObjectOf(Invoke(E(), 503462, {TVariant(n)})); }

  TBSDLBuildCaches Caches;
  std::unique_ptr<TBSDLEntity> Entity;
};

TEST(BSDLEntity, NewEntityHoldsItsCreationValues) {
  std::unique_ptr<TBSDLEntity> entity(NewUncounted<TBSDLEntity>());
  IDispatch* e = entity->AsDispatch();
  EXPECT_EQ(IntOf(e, 503461), 0);
  EXPECT_EQ(IntOf(e, 503467), 0);
  EXPECT_EQ(IntOf(e, 503469), 0);
  for (DISPID id : {503477, 503478, 503479, 503480, 503481, 503482, 503483}) EXPECT_EQ(IntOf(e, id), -1) << id;
  for (DISPID id : {503458, 503486, 503487, 503488, 503489}) EXPECT_EQ(TextOf(e, id), "") << id;
  EXPECT_EQ(ObjectOf(Invoke(e, 503476)), TComPtr<IDispatch>());
  EXPECT_TRUE(Supports(e, "bsdlentity"));
}

TEST_F(TinyEntity, CountsAndTapPins) {
  EXPECT_EQ(TextOf(E(), 503458), "TINY_PART");
  EXPECT_EQ(IntOf(E(), 503461), 14);
  EXPECT_EQ(IntOf(E(), 503469), 14);
  EXPECT_EQ(IntOf(E(), 503467), 20);
  EXPECT_EQ(IntOf(E(), 503468), 0);  // mappings are reached through the scan pins
  EXPECT_EQ(IntOf(E(), 503470), 5);
  EXPECT_EQ(IntOf(E(), 503471), 3);
  EXPECT_EQ(IntOf(E(), 503479), 5);
  EXPECT_EQ(IntOf(E(), 503459), 0);  // the instruction length the host uses comes from the catalogue
  // A TAP pin is handed out as the pin object itself, which passes calls to its adapters.
  TComPtr<IDispatch> tdi = ObjectOf(Invoke(E(), 503472));
  EXPECT_EQ(tdi.Get(), static_cast<IDispatch*>(Entity->TAP_TDI));
  EXPECT_EQ(TextOf(tdi.Get(), 503492), "E2");
  EXPECT_EQ(IntOf(tdi.Get(), 503493), eScanPinKind_TDI);
  EXPECT_TRUE(Supports(tdi.Get(), "ScanPin"));
  EXPECT_EQ(ObjectOf(Invoke(E(), 503476)), TComPtr<IDispatch>());  // no TRST
}

TEST_F(TinyEntity, IndexedGettersGiveNullOutsideTheRange) {
  for (std::int32_t index : {-1, 14}) EXPECT_EQ(Cell(index), TComPtr<IDispatch>()) << index;
  EXPECT_EQ(Pin(20), TComPtr<IDispatch>());
  TComPtr<IDispatch> bypass = ObjectOf(Invoke(E(), 503466, {TVariant(std::int32_t{0})}));
  EXPECT_EQ(ObjectOf(Invoke(bypass.Get(), 503518, {TVariant(std::int32_t{1})})), TComPtr<IDispatch>());
  EXPECT_EQ(ObjectOf(Invoke(bypass.Get(), 503518, {TVariant(std::int32_t{-1})})), TComPtr<IDispatch>());
}

TEST_F(TinyEntity, CellsLinkToPinsAndControlCells) {
  TComPtr<IDispatch> output = Cell(1);
  EXPECT_EQ(IntOf(output.Get(), 503501), 1);
  EXPECT_EQ(IntOf(output.Get(), 503502), eCellKind_BC_2);
  EXPECT_EQ(TextOf(output.Get(), 503503), "CCLK_A1");
  EXPECT_EQ(IntOf(output.Get(), 503504), eCellFunction_Output3);
  EXPECT_EQ(IntOf(output.Get(), 503505), eBit_X);
  EXPECT_EQ(IntOf(output.Get(), 503506), 0);
  EXPECT_EQ(IntOf(output.Get(), 503507), eBit_1);
  EXPECT_EQ(IntOf(output.Get(), 503508), eDisableResult_HiZ);
  TComPtr<IDispatch> control = ObjectOf(Invoke(output.Get(), 503510));
  EXPECT_EQ(control, Cell(0));  // the same adapter every time
  EXPECT_EQ(ObjectOf(Invoke(control.Get(), 503511)), output);
  EXPECT_EQ(ObjectOf(Invoke(control.Get(), 503509)), TComPtr<IDispatch>());  // a control cell has no pin
  TComPtr<IDispatch> pin = ObjectOf(Invoke(output.Get(), 503509));
  EXPECT_EQ(TextOf(pin.Get(), 503492), "A1");
  EXPECT_EQ(IntOf(pin.Get(), 503495), 2);
  EXPECT_EQ(ObjectOf(Invoke(pin.Get(), 503496, {TVariant(std::int32_t{0})})), output);
  EXPECT_EQ(ObjectOf(Invoke(pin.Get(), 503496, {TVariant(std::int32_t{1})})), Cell(2));
  EXPECT_EQ(ObjectOf(Invoke(pin.Get(), 503496, {TVariant(std::int32_t{2})})), TComPtr<IDispatch>());
  TComPtr<IDispatch> mapping = ObjectOf(Invoke(pin.Get(), 503494));
  EXPECT_EQ(TextOf(mapping.Get(), 503498), "CCLK_A1");
  EXPECT_EQ(TextOf(mapping.Get(), 503499), "A1");
  EXPECT_EQ(ObjectOf(Invoke(mapping.Get(), 503500)), pin);
  // Every element leads back to the entity's adapter.
  EXPECT_EQ(ObjectOf(Invoke(mapping.Get(), 503429)), Entity->Adapter());
  EXPECT_EQ(TextOf(ObjectOf(Invoke(output.Get(), 503429)).Get(), 503458), "TINY_PART");
}

TEST_F(TinyEntity, Descriptions) {
  struct TCase {
    TComPtr<IDispatch> Object;
    std::string Long, Short;
  };
  TComPtr<IDispatch> pinB1 = ObjectOf(Invoke(Cell(6).Get(), 503509));
  TComPtr<IDispatch> sample = ObjectOf(Invoke(E(), 503465, {TVariant(std::int32_t{1})}));
  TComPtr<IDispatch> boundary = ObjectOf(Invoke(E(), 503466, {TVariant(std::int32_t{2})}));
  TComPtr<IDispatch> datareg = ObjectOf(Invoke(E(), 503466, {TVariant(std::int32_t{1})}));
  const TCase cases[] = {
      {Cell(1), "1   (BC_2      ,CCLK_A1   ,Output3   ,X ,0   ,1 ,Z         , Pin:CCLK_A1", ""},
      {Cell(0), "0   (BC_2      ,*         ,ControlR  ,1 ", ""},  // no control cell: ends after the safe bit
      {Cell(6), "6   (BC_1      ,IO_B1     ,Output3   ,X ,5   ,0 ,Pull1     , Pin:IO_B1", ""},
      {Cell(9), "9   (BC_4      ,MGTPRXP0_216,          ,X ", ""},
      {pinB1, " Pin Name:IO_B1        Number:B1           IO:I/O", "IO_B1(B1)-I/O"},
      {ObjectOf(Invoke(pinB1.Get(), 503494)), "", ""},
      {sample, "SAMPLE(0101)", ""},
      {boundary, "BOUNDARY   (SAMPLE(0101),EXTEST(0000))", ""},
      {datareg, "DATAREG[8] (PRIVATE_1(1100))", ""},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Long);
    EXPECT_EQ(TextOf(c.Object.Get(), 503427), c.Long);
    EXPECT_EQ(TextOf(c.Object.Get(), 503428), c.Short.empty() ? c.Long : c.Short);
  }
}

TEST(BSDLEntity, RegisterWithoutOpcodeObjectSaysNoOpcode) {
  TBSDLParameters record;
  record.OpCodes = {{"HIGHZ", "001010"}};
  record.RegisterAssociations = {{"BYPASS", 1, {"HIGHZ", "BYPASS"}}};
  TBSDLBuildCaches caches;
  auto entity = BuildBSDLEntity(record, caches);
  TComPtr<IDispatch> ra = entity->RegisterAssociations[0]->Adapter();
  EXPECT_EQ(TextOf(ra.Get(), 503427), "BYPASS    [1] (HIGHZ(001010),BYPASS(NoOpcode))");
  EXPECT_EQ(IntOf(ra.Get(), 503517), 2);
  EXPECT_EQ(ObjectOf(Invoke(ra.Get(), 503518, {TVariant(std::int32_t{1})})), TComPtr<IDispatch>());
}

TEST_F(TinyEntity, ServiceNamesAndValueHolder) {
  TComPtr<IDispatch> cell = Cell(1);
  TComPtr<IDispatch> pin = Pin(0);
  TComPtr<IDispatch> mapping = ObjectOf(Invoke(pin.Get(), 503494));
  TComPtr<IDispatch> opcode = ObjectOf(Invoke(E(), 503465, {TVariant(std::int32_t{0})}));
  EXPECT_TRUE(Supports(pin.Get(), "bsdlvalueholder"));
  EXPECT_TRUE(Supports(cell.Get(), "BSDLVALUEHOLDER"));
  EXPECT_FALSE(Supports(mapping.Get(), "bsdlvalueholder"));
  EXPECT_FALSE(Supports(opcode.Get(), "BSDLValueHolder"));
  for (IDispatch* d : {pin.Get(), mapping.Get(), cell.Get(), opcode.Get()}) EXPECT_TRUE(Supports(d, "bsdlobject"));
  EXPECT_TRUE(Supports(cell.Get(), "BoundaryCell"));
  EXPECT_FALSE(Supports(cell.Get(), "ScanPin"));

  EXPECT_EQ(Invoke(cell.Get(), 509024, {TVariant(std::int32_t{1})}).Status, S_OK);
  EXPECT_EQ(IntOf(cell.Get(), 503512), 1);
  EXPECT_EQ(Invoke(pin.Get(), 509024, {TVariant(std::int32_t{7})}).Status, S_OK);
  EXPECT_EQ(IntOf(pin.Get(), 503497), 7);
  EXPECT_EQ(Invoke(pin.Get(), 509024).Status, E_UNEXPECTED);  // the value is required
  EXPECT_EQ(Invoke(mapping.Get(), 509024, {TVariant(std::int32_t{1})}).Status, E_NOTIMPL);
  EXPECT_EQ(Invoke(cell.Get(), 999999).Status, E_NOTIMPL);
  EXPECT_EQ(Invoke(E(), 999999).Status, E_NOTIMPL);
}

TEST(BSDLEntity, AnAdapterOutlivingItsEntityFailsInsteadOfReachingFreedMemory) {
  TBSDLParameters record;
  record.Name = "GONE";
  record.BoundaryLength = 1;
  TBoundaryCellParameters row;
  row.CellNumber = 0;
  record.BoundaryCells = {row};
  TBSDLBuildCaches caches;
  auto entity = BuildBSDLEntity(record, caches);
  TComPtr<IDispatch> cell = entity->BoundaryCells[0]->Adapter();
  TComPtr<IDispatch> adapter = entity->Adapter();
  entity.reset();
  EXPECT_EQ(Invoke(cell.Get(), 503501).Status, E_UNEXPECTED);
  EXPECT_EQ(Invoke(adapter.Get(), 503458).Status, E_UNEXPECTED);
}

TEST(BSDLEntity, RepeatedKeysYieldOneObject) {
  TBSDLParameters record;
  TScanPinParameters pin;
  pin.PinName = "IO_A1";
  pin.PinNumber = "A1";
  pin.PinMapping = {"IO_A1", "A1"};
  record.Pins = {pin, pin};
  record.OpCodes = {{"BYPASS", "11"}, {"bypass", "11"}};
  TBSDLBuildCaches caches;
  auto entity = BuildBSDLEntity(record, caches);
  EXPECT_EQ(entity->Pins.size(), 1u);
  EXPECT_EQ(entity->InstructionOpCodes.size(), 1u);
}

TEST(BSDLEntity, EachBuildStartsWithEmptyCaches) {
  TBSDLBuildCaches caches;
  const TBSDLParameters& record = BuiltInBSDL(0);
  auto first = BuildBSDLEntity(record, caches);
  first.reset();  // a discarded entity must leave nothing behind in the caches
  auto second = BuildBSDLEntity(record, caches);
  EXPECT_EQ(second->InstructionOpCodes.size(), 32u);
  EXPECT_EQ(second->RegisterAssociations[3]->InstructionOpCodes[0].second, second->InstructionOpCodes[3].get());
}

}  // namespace
