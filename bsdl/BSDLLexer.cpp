#include "bsdl/BSDLLexer.h"

#include <cctype>

EBSDLError::EBSDLError(int line, const std::string& detail, const std::string& fileName)
    : std::runtime_error((fileName.empty() ? std::string() : fileName + ", ") + "line " + std::to_string(line) +
                         ": " + detail),
      FLine(line),
      FDetail(detail) {}

namespace {

bool IsIdentStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }
bool IsIdentChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

class TLexer {
 public:
  explicit TLexer(std::string_view source) : FSource(source) {}

  std::vector<TBSDLToken> Run() {
    while (FPos < FSource.size()) {
      const char c = FSource[FPos];
      if (c == '\n') {
        ++FLine;
        ++FPos;
      } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
        ++FPos;
      } else if (c == '-' && Peek(1) == '-') {
        while (FPos < FSource.size() && FSource[FPos] != '\n') ++FPos;
      } else if (c == '"') {
        ReadString();
      } else if (IsIdentStart(c)) {
        ReadWhile(TBSDLTokenKind::Identifier, IsIdentChar);
      } else if (IsDigit(c)) {
        ReadNumber();
      } else if (c == ':' && Peek(1) == '=') {
        Push(TBSDLTokenKind::Symbol, ":=");
        FPos += 2;
      } else if (std::string_view("();:,&.*[]+-/=<>'").find(c) != std::string_view::npos) {
        Push(TBSDLTokenKind::Symbol, std::string(1, c));
        ++FPos;
      } else {
        throw EBSDLError(FLine, "unexpected character '" + Printable(c) + "'");
      }
    }
    FTokens.push_back({TBSDLTokenKind::End, "", FLine});
    return std::move(FTokens);
  }

 private:
  char Peek(std::size_t ahead) const {
    return FPos + ahead < FSource.size() ? FSource[FPos + ahead] : '\0';
  }
  void Push(TBSDLTokenKind kind, std::string textValue) { FTokens.push_back({kind, std::move(textValue), FLine}); }

  static std::string Printable(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 0x20 && u < 0x7F) return std::string(1, c);
    static const char digits[] = "0123456789ABCDEF";
    return std::string("\\x") + digits[u >> 4] + digits[u & 15];
  }

  template <class P>
  void ReadWhile(TBSDLTokenKind kind, P accept) {
    const std::size_t start = FPos;
    while (FPos < FSource.size() && accept(FSource[FPos])) ++FPos;
    Push(kind, std::string(FSource.substr(start, FPos - start)));
  }

  void ReadNumber() {
    const std::size_t start = FPos;
    while (IsDigit(Peek(0)) || Peek(0) == '_') ++FPos;
    if (Peek(0) == '.' && IsDigit(Peek(1))) {
      ++FPos;
      while (IsDigit(Peek(0))) ++FPos;
    }
    if ((Peek(0) == 'e' || Peek(0) == 'E') &&
        (IsDigit(Peek(1)) || ((Peek(1) == '+' || Peek(1) == '-') && IsDigit(Peek(2))))) {
      FPos += 2;
      while (IsDigit(Peek(0))) ++FPos;
    }
    Push(TBSDLTokenKind::Number, std::string(FSource.substr(start, FPos - start)));
  }

  // A VHDL string literal ends on its own line; a doubled quote stands for one quote.
  void ReadString() {
    const int startLine = FLine;
    std::string value;
    ++FPos;
    for (;;) {
      if (FPos >= FSource.size() || FSource[FPos] == '\n')
        throw EBSDLError(startLine, "unbalanced quote: the string is not closed on its line");
      const char c = FSource[FPos++];
      if (c == '"') {
        if (Peek(0) != '"') break;
        ++FPos;
      }
      value += c;
    }
    FTokens.push_back({TBSDLTokenKind::String, std::move(value), startLine});
  }

  std::string_view FSource;
  std::size_t FPos = 0;
  int FLine = 1;
  std::vector<TBSDLToken> FTokens;
};

}  // namespace

std::vector<TBSDLToken> TokenizeBSDL(std::string_view source) { return TLexer(source).Run(); }
