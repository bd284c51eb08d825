#include "platform/CommandLine.h"

namespace platform {

namespace {

bool IsSeparator(char c) { return c == ' ' || c == '\t'; }

// The program word: quotes toggle, nothing is escaped. Returns the position after the word.
std::size_t ParseProgramWord(std::string_view line, std::string& word) {
  bool quoted = false;
  std::size_t i = 0;
  for (; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '"') {
      quoted = !quoted;
    } else if (IsSeparator(c) && !quoted) {
      break;
    } else {
      word += c;
    }
  }
  return i;
}

// One argument after the program word, starting at a character that is not a separator.
std::size_t ParseArgument(std::string_view line, std::size_t i, std::string& argument) {
  bool quoted = false;
  while (i < line.size()) {
    std::size_t backslashes = 0;
    while (i < line.size() && line[i] == '\\') {
      ++backslashes;
      ++i;
    }
    if (i < line.size() && line[i] == '"') {
      argument.append(backslashes / 2, '\\');
      if (backslashes % 2 == 1) {
        argument += '"';
      } else if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
        argument += '"';
        ++i;
      } else {
        quoted = !quoted;
      }
      ++i;
      continue;
    }
    argument.append(backslashes, '\\');
    if (i >= line.size() || (IsSeparator(line[i]) && !quoted)) break;
    argument += line[i++];
  }
  return i;
}

}  // namespace

std::vector<std::string> ParseCommandLine(std::string_view commandLine) {
  std::vector<std::string> arguments;
  if (commandLine.empty()) return arguments;
  std::string program;
  std::size_t i = ParseProgramWord(commandLine, program);
  arguments.push_back(std::move(program));
  for (;;) {
    while (i < commandLine.size() && IsSeparator(commandLine[i])) ++i;
    if (i >= commandLine.size()) break;
    std::string argument;
    i = ParseArgument(commandLine, i, argument);
    arguments.push_back(std::move(argument));
  }
  return arguments;
}

std::string QuoteCommandLineArgument(std::string_view argument) {
  if (!argument.empty() && argument.find_first_of(" \t\"") == std::string_view::npos) return std::string(argument);
  std::string quoted = "\"";
  std::size_t backslashes = 0;
  for (const char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    // Backslashes before a quote are doubled, and the quote itself is escaped.
    quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, '\\');  // the closing quote must stay a quote
  quoted += '"';
  return quoted;
}

}  // namespace platform
