// Tokens of a BSDL (VHDL subset) text: identifiers, numbers, string literals and symbols, each
// with its line. "--" comments are dropped.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A reader error; the message names the line it happened on.
class EBSDLError : public std::runtime_error {
 public:
  EBSDLError(int line, const std::string& detail, const std::string& fileName = {});
  int Line() const { return FLine; }
  const std::string& Detail() const { return FDetail; }

 private:
  int FLine;
  std::string FDetail;
};

enum class TBSDLTokenKind { Identifier, Number, String, Symbol, End };

struct TBSDLToken {
  TBSDLTokenKind Kind = TBSDLTokenKind::End;
  std::string Text;  // a string literal without its quotes, "" doubled quotes made single
  int Line = 0;
};

// Throws EBSDLError on an unterminated string literal or a character BSDL does not use.
std::vector<TBSDLToken> TokenizeBSDL(std::string_view source);
