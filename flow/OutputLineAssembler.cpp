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
  const char* next = bytes.data();
  const char* const end = next + bytes.size();
  while (next < end) {
    if (*next == kCarriageReturn || *next == kLineFeed) {
      EndLineAt(*next++);
      continue;
    }
    // Text up to the next line end, or up to what fills the line.
    const char* const limit = next + std::min<std::size_t>(kMaxLineLength - FBuffer.size(), end - next);
    const char* stop = next;
    while (stop < limit && *stop != kCarriageReturn && *stop != kLineFeed) ++stop;
    AppendText(next, stop);
    next = stop;
  }
}

void TOutputLineAssembler::AppendText(const char* begin, const char* end) {
  FBuffer.append(begin, end);
  FAfterCarriageReturn = false;
  FJustCut = false;
  if (FBuffer.size() == kMaxLineLength) {
    Flush();
    FNewLinePending = true;
    FJustCut = true;
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
