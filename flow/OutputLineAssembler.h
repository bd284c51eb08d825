// Turns the bytes a console program writes into the lines its runner hands on. Each byte is
// one character of the same code. Lines end at a carriage return; a line feed makes the next
// line a new one, and a carriage return alone makes it an update of the line it overwrites
// (the way progress counters rewrite their line). Tools here end lines with a line feed
// alone: a line feed that does not follow a carriage return ends the line as well.
//
// No line handed on is longer than kMaxLineLength; the rest of a longer line follows as a
// new line, so nothing of it is lost. A line that starts with "File:" or ends with
// "file Not found" is held back and put in front of the next line (joined by ": ").
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

enum class TLineKind { New, Update };

class TOutputLineAssembler {
 public:
  static constexpr std::size_t kMaxLineLength = 513;
  using TDeliver = std::function<void(TLineKind kind, const std::string& line)>;

  // `deliver` receives each line; `flushed` runs whenever a line ends (held back or not).
  explicit TOutputLineAssembler(TDeliver deliver, std::function<void()> flushed = {});

  void Feed(std::string_view bytes);
  // The program has ended: a last line without its line end is handed on. Held-back text
  // without a following line is dropped.
  void Finish();

 private:
  void AppendText(const char* begin, const char* end);
  void EndLineAt(char terminator);
  void Flush();
  static bool IsHeldBack(std::string_view line);

  TDeliver FDeliver;
  std::function<void()> FFlushed;
  std::string FBuffer;
  bool FNewLinePending = true;
  bool FAfterCarriageReturn = false;
  bool FJustCut = false;  // the buffer was just flushed for length, and nothing came since
  std::optional<std::string> FHeldBack;
};
