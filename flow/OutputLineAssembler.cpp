#include "flow/OutputLineAssembler.h"

#include <algorithm>

#include "platform/Text.h"

namespace {
constexpr char kLineFeed = '\n';
constexpr char kCarriageReturn = '\r';
}  // namespace

TOutputLineAssembler::TOutputLineAssembler(TDeliver deliver, std::function<void()> flushed)
    : FDeliver(std::move(deliver)), FFlushed(std::move(flushed)) {
  FBuffer.reserve(kMaxLineLength);
}

void TOutputLineAssembler::Feed(std::string_view bytes) {
  while (!bytes.empty()) {
    const std::size_t end = std::min(bytes.find_first_of("\r\n"), bytes.size());
    if (end > 0) {
      AppendText(bytes.substr(0, end));
      bytes.remove_prefix(end);
      continue;
    }
    EndLineAt(bytes.front());
    bytes.remove_prefix(1);
  }
}

void TOutputLineAssembler::AppendText(std::string_view text) {
  FAfterCarriageReturn = false;
  while (!text.empty()) {
    const std::size_t room = kMaxLineLength - FBuffer.size();
    const std::size_t taken = std::min(room, text.size());
    FBuffer.append(text.substr(0, taken));
    text.remove_prefix(taken);
    FJustCut = false;
    if (FBuffer.size() == kMaxLineLength) {
      Flush();
      FNewLinePending = true;
      FJustCut = true;
    }
  }
}

void TOutputLineAssembler::EndLineAt(char terminator) {
  const bool endsLine = terminator == kCarriageReturn || !FAfterCarriageReturn;
  // A line end right after a length cut closes the cut line: no empty line follows it.
  if (endsLine && !(FJustCut && FBuffer.empty())) Flush();
  FJustCut = false;
  FAfterCarriageReturn = terminator == kCarriageReturn;
  if (terminator == kLineFeed) FNewLinePending = true;
}

void TOutputLineAssembler::Finish() {
  if (!FBuffer.empty()) Flush();
}

bool TOutputLineAssembler::IsHeldBack(std::string_view line) {
  constexpr std::string_view kNotFound = "file Not found";
  return line.starts_with("File:") || line.ends_with(kNotFound);
}

void TOutputLineAssembler::Flush() {
  if (FFlushed) FFlushed();
  if (IsHeldBack(FBuffer)) {
    FHeldBack = FBuffer;
    FBuffer.clear();
    return;
  }
  const TLineKind kind = FNewLinePending ? TLineKind::New : TLineKind::Update;
  FNewLinePending = false;
  if (FHeldBack) {
    std::string joined = *FHeldBack + ": " + std::string(text::Trim(FBuffer));
    FHeldBack.reset();
    FBuffer.clear();
    FDeliver(kind, joined);
    return;
  }
  // Emptied only after delivery, so that its capacity stays for the next line.
  std::string& line = FBuffer;
  FDeliver(kind, line);
  line.clear();
}
