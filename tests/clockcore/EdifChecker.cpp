#include "EdifChecker.h"

#include <map>
#include <optional>
#include <set>

#include "platform/Text.h"

namespace edif {

namespace {

struct TNode {
  bool IsList = false;
  bool IsString = false;
  std::string Atom;
  std::vector<TNode> Items;

  bool Is(std::string_view keyword) const {
    return IsList && !Items.empty() && !Items[0].IsList && !Items[0].IsString &&
           text::EqualsNoCase(Items[0].Atom, keyword);
  }
  const TNode* Child(std::string_view keyword) const {
    for (const TNode& item : Items)
      if (item.Is(keyword)) return &item;
    return nullptr;
  }
  // The name of a declaration: a plain atom, or the first atom of (rename NAME "text") or of
  // (array (rename NAME "text") WIDTH).
  std::string NameAt(std::size_t index) const {
    if (index >= Items.size()) return {};
    const TNode& name = Items[index];
    if (!name.IsList) return name.Atom;
    if (name.Is("rename") || name.Is("array")) return name.NameAt(1);
    return {};
  }
};

class TParser {
 public:
  TParser(std::string_view text, std::vector<std::string>& problems) : FText(text), FProblems(problems) {}

  std::vector<TNode> ParseAll() {
    std::vector<TNode> top;
    while (SkipSpace()) {
      if (FText[FPos] == ')') {
        Problem("unbalanced parentheses: ')' without '(' at offset " + std::to_string(FPos));
        ++FPos;
        continue;
      }
      top.push_back(ParseItem());
    }
    return top;
  }

 private:
  bool SkipSpace() {
    while (FPos < FText.size() && text::IsSpace(FText[FPos])) ++FPos;
    return FPos < FText.size();
  }
  void Problem(std::string text) { FProblems.push_back(std::move(text)); }

  TNode ParseItem() {
    TNode node;
    const char c = FText[FPos];
    if (c == '(') {
      const std::size_t start = FPos++;
      node.IsList = true;
      for (;;) {
        if (!SkipSpace()) {
          Problem("unbalanced parentheses: '(' at offset " + std::to_string(start) + " is never closed");
          return node;
        }
        if (FText[FPos] == ')') {
          ++FPos;
          return node;
        }
        node.Items.push_back(ParseItem());
      }
    }
    if (c == '"') {
      const std::size_t start = FPos++;
      const std::size_t end = FText.find('"', FPos);
      node.IsString = true;
      if (end == std::string_view::npos) {
        Problem("string at offset " + std::to_string(start) + " is never closed");
        FPos = FText.size();
        return node;
      }
      node.Atom = std::string(FText.substr(FPos, end - FPos));
      FPos = end + 1;
      return node;
    }
    const std::size_t start = FPos;
    while (FPos < FText.size() && !text::IsSpace(FText[FPos]) && FText[FPos] != '(' && FText[FPos] != ')' &&
           FText[FPos] != '"')
      ++FPos;
    node.Atom = std::string(FText.substr(start, FPos - start));
    return node;
  }

  std::string_view FText;
  std::size_t FPos = 0;
  std::vector<std::string>& FProblems;
};

struct TPort {
  std::optional<long> Width;  // set for arrays
};

struct TCell {
  std::set<std::string, text::LessNoCase> Views;
  std::map<std::string, TPort, text::LessNoCase> Ports;
};

using TLibrary = std::map<std::string, TCell, text::LessNoCase>;

class TChecker {
 public:
  explicit TChecker(std::vector<std::string>& problems) : FProblems(problems) {}

  void Check(const TNode& edif) {
    if (!edif.Is("edif")) return Problem("the netlist is not an (edif ...) form");
    const TNode* version = edif.Child("edifVersion");
    if (version == nullptr || version->Items.size() != 4 || version->Items[1].Atom != "2" ||
        version->Items[2].Atom != "0" || version->Items[3].Atom != "0")
      Problem("the netlist does not declare edifVersion 2 0 0");
    for (const TNode& item : edif.Items)
      if (item.Is("library")) DeclareLibrary(item);
    for (const TNode& item : edif.Items)
      if (item.Is("library")) CheckLibraryContents(item);
    if (const TNode* design = edif.Child("design")) {
      if (const TNode* cellRef = design->Child("cellRef")) ResolveCell(*cellRef, "");
      else Problem("design without cellRef");
    } else {
      Problem("the netlist has no design");
    }
  }

 private:
  void Problem(std::string text) { FProblems.push_back(std::move(text)); }

  void DeclareLibrary(const TNode& library) {
    const std::string name = library.NameAt(1);
    if (FLibraries.count(name) != 0) Problem("library " + name + " declared twice");
    TLibrary& cells = FLibraries[name];
    for (const TNode& item : library.Items) {
      if (!item.Is("cell")) continue;
      const std::string cellName = item.NameAt(1);
      if (cells.count(cellName) != 0) Problem("cell " + cellName + " declared twice in " + name);
      TCell& cell = cells[cellName];
      for (const TNode& view : item.Items) {
        if (!view.Is("view")) continue;
        cell.Views.insert(view.NameAt(1));
        if (const TNode* interface = view.Child("interface"))
          for (const TNode& port : interface->Items)
            if (port.Is("port")) DeclarePort(cell, port, cellName);
      }
    }
  }

  void DeclarePort(TCell& cell, const TNode& port, const std::string& cellName) {
    const std::string portName = port.NameAt(1);
    if (portName.empty()) return Problem("port without a name in cell " + cellName);
    if (cell.Ports.count(portName) != 0) Problem("port " + portName + " declared twice in cell " + cellName);
    TPort& declared = cell.Ports[portName];
    const TNode& name = port.Items[1];
    if (name.Is("array")) {
      const auto width = name.Items.size() == 3 ? text::ParseInt(name.Items[2].Atom) : std::nullopt;
      if (!width || *width <= 0) Problem("array port " + portName + " without a width in cell " + cellName);
      else declared.Width = static_cast<long>(*width);
    }
  }

  const TCell* ResolveCell(const TNode& cellRef, const std::string& currentLibrary) {
    const std::string cellName = cellRef.NameAt(1);
    std::string libraryName = currentLibrary;
    if (const TNode* libraryRef = cellRef.Child("libraryRef")) libraryName = libraryRef->NameAt(1);
    const auto library = FLibraries.find(libraryName);
    if (library == FLibraries.end()) {
      Problem("cellRef " + cellName + " names the undeclared library " + libraryName);
      return nullptr;
    }
    const auto cell = library->second.find(cellName);
    if (cell == library->second.end()) {
      Problem("cellRef " + cellName + " is not a cell of library " + libraryName);
      return nullptr;
    }
    return &cell->second;
  }

  void CheckLibraryContents(const TNode& library) {
    const std::string libraryName = library.NameAt(1);
    for (const TNode& item : library.Items) {
      if (!item.Is("cell")) continue;
      const TCell& cell = FLibraries[libraryName][item.NameAt(1)];
      for (const TNode& view : item.Items)
        if (view.Is("view"))
          if (const TNode* contents = view.Child("contents")) CheckContents(*contents, cell, libraryName);
    }
  }

  void CheckContents(const TNode& contents, const TCell& owner, const std::string& libraryName) {
    std::map<std::string, const TCell*, text::LessNoCase> instances;
    for (const TNode& item : contents.Items) {
      if (!item.Is("instance")) continue;
      const std::string name = item.NameAt(1);
      if (instances.count(name) != 0) Problem("instance " + name + " declared twice");
      const TNode* viewRef = item.Child("viewRef");
      const TNode* cellRef = viewRef != nullptr ? viewRef->Child("cellRef") : nullptr;
      if (cellRef == nullptr) {
        Problem("instance " + name + " has no viewRef with a cellRef");
        instances[name] = nullptr;
        continue;
      }
      const TCell* cell = ResolveCell(*cellRef, libraryName);
      if (cell != nullptr && cell->Views.count(viewRef->NameAt(1)) == 0)
        Problem("instance " + name + " names the undeclared view " + viewRef->NameAt(1));
      instances[name] = cell;
    }
    std::set<std::string, text::LessNoCase> nets;
    for (const TNode& item : contents.Items) {
      if (!item.Is("net")) continue;
      const std::string name = item.NameAt(1);
      if (!nets.insert(name).second) Problem("net " + name + " declared twice");
      const TNode* joined = item.Child("joined");
      if (joined == nullptr) {
        Problem("net " + name + " joins nothing");
        continue;
      }
      for (const TNode& portRef : joined->Items)
        if (portRef.Is("portRef")) CheckPortRef(portRef, owner, instances, name);
    }
  }

  void CheckPortRef(const TNode& portRef, const TCell& owner,
                    const std::map<std::string, const TCell*, text::LessNoCase>& instances, const std::string& net) {
    const TCell* cell = &owner;
    std::string where = "the cell's interface";
    if (const TNode* instanceRef = portRef.Child("instanceRef")) {
      const std::string instance = instanceRef->NameAt(1);
      const auto it = instances.find(instance);
      if (it == instances.end()) return Problem("net " + net + ": instanceRef " + instance + " is not declared");
      if (it->second == nullptr) return;  // already reported
      cell = it->second;
      where = "instance " + instance;
    }
    if (portRef.Items.size() < 2) return Problem("net " + net + ": portRef without a port");
    const TNode& port = portRef.Items[1];
    std::string portName = port.IsList ? std::string() : port.Atom;
    std::optional<std::int64_t> member;
    if (port.Is("member")) {
      portName = port.NameAt(1);
      member = port.Items.size() == 3 ? text::ParseInt(port.Items[2].Atom) : std::nullopt;
      if (!member) return Problem("net " + net + ": member of " + portName + " without an index");
    }
    const auto declared = cell->Ports.find(portName);
    if (declared == cell->Ports.end())
      return Problem("net " + net + ": portRef " + portName + " is not a port of " + where);
    if (member && (!declared->second.Width || *member < 0 || *member >= *declared->second.Width))
      Problem("net " + net + ": member " + std::to_string(*member) + " of " + portName + " is out of its array");
    if (!member && declared->second.Width)
      Problem("net " + net + ": array port " + portName + " referenced without a member");
  }

  std::vector<std::string>& FProblems;
  std::map<std::string, TLibrary, text::LessNoCase> FLibraries;
};

}  // namespace

std::vector<std::string> CheckNetlist(std::string_view text) {
  std::vector<std::string> problems;
  const std::vector<TNode> top = TParser(text, problems).ParseAll();
  if (top.size() != 1) {
    problems.push_back("the netlist holds " + std::to_string(top.size()) + " top-level forms, not one");
    if (top.empty()) return problems;
  }
  TChecker(problems).Check(top[0]);
  return problems;
}

}  // namespace edif
