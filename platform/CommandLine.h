// Command lines as the Windows C runtime splits them. Programs are started from an argument
// vector here, so a command line built for the host's platform is split with the same rules
// the started program would apply to it there.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Splits a command line into its arguments. The first word (the program) ends at the first
// blank or tab outside double quotes, and its quotes are removed without any escaping. Each
// further argument follows the C runtime rules: blanks and tabs separate arguments outside
// quotes; 2n backslashes before a double quote give n backslashes and the quote opens or
// closes a quoted part; 2n+1 backslashes before a quote give n backslashes and a literal
// quote; two double quotes inside a quoted part give one literal quote; other backslashes
// are literal; "" is an empty argument.
std::vector<std::string> ParseCommandLine(std::string_view commandLine);

// Quotes one argument so that ParseCommandLine gives it back unchanged (not for the program).
std::string QuoteCommandLineArgument(std::string_view argument);

}  // namespace platform
