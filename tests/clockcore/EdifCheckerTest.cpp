// The netlist checker the clock-core tests rely on must itself catch the faults it exists for.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "EdifChecker.h"

namespace {

using testing::HasSubstr;
using testing::IsEmpty;
using testing::Contains;

// A minimal well-formed netlist; each case below breaks it in one place.
const std::string kGood = R"edif((edif top
  (edifVersion 2 0 0)
  (library prims
    (cell BUF (cellType GENERIC) (view PRIM (viewType NETLIST)
      (interface (port I (direction INPUT)) (port O (direction OUTPUT))
                 (port (array (rename D "D(3:0)") 4) (direction INPUT))))))
  (library work
    (cell top (cellType GENERIC)
      (view behavioural (viewType NETLIST)
        (interface (port CLK (direction INPUT)))
        (contents
          (instance b1 (viewref PRIM (cellRef BUF (libraryRef prims))))
          (net CLK (joined (portRef CLK) (portRef I (instanceRef b1)) (portRef (member D 3) (instanceRef b1))))))))
  (design top (cellRef top (libraryRef work))))
)edif";

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  const auto at = text.find(from);
  if (at == std::string::npos) throw std::logic_error("fixture text not found: " + from);
  return text.replace(at, from.size(), to);
}

TEST(EdifChecker, AcceptsAWellFormedNetlist) { EXPECT_THAT(edif::CheckNetlist(kGood), IsEmpty()); }

TEST(EdifChecker, ReportsEachKindOfFault) {
  struct TCase {
    std::string Text;
    const char* Problem;
  };
  const TCase cases[] = {
      {kGood + ")", "')' without '('"},
      {Replace(kGood, "(net CLK (joined", "(net CLK (joined ("), "never closed"},
      {Replace(kGood, "(edifVersion 2 0 0)", "(edifVersion 3 0 0)"), "edifVersion 2 0 0"},
      {Replace(kGood, "(cellRef BUF (libraryRef prims))", "(cellRef BUFX (libraryRef prims))"),
       "cellRef BUFX is not a cell"},
      {Replace(kGood, "(cellRef BUF (libraryRef prims))", "(cellRef BUF (libraryRef other))"), "undeclared library"},
      {Replace(kGood, "(viewref PRIM", "(viewref NETLIST"), "undeclared view"},
      {Replace(kGood, "(instanceRef b1))", "(instanceRef b2))"), "instanceRef b2 is not declared"},
      {Replace(kGood, "(portRef I (instanceRef", "(portRef Q (instanceRef"), "portRef Q is not a port"},
      {Replace(kGood, "(portRef CLK)", "(portRef CLKX)"), "portRef CLKX is not a port of the cell's interface"},
      {Replace(kGood, "(member D 3)", "(member D 4)"), "out of its array"},
      {Replace(kGood, "(member D 3)", "D"), "without a member"},
      {Replace(kGood, "(design top (cellRef top", "(design top (cellRef tip"), "cellRef tip"},
      {Replace(kGood, "\"D(3:0)\"", "\"D(3:0)"), "never closed"},
  };
  for (const auto& c : cases) EXPECT_THAT(edif::CheckNetlist(c.Text), Contains(HasSubstr(c.Problem))) << c.Text;
}

TEST(EdifChecker, ParenthesesInsideStringsDoNotCount) {
  EXPECT_THAT(edif::CheckNetlist(Replace(kGood, "\"D(3:0)\"", "\"D(3:0))((\"")), IsEmpty());
}

}  // namespace
