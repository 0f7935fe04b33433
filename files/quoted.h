#pragma once
// Text from a file or the command line, fit to stand in a one-line message.

#include <string>
#include <string_view>

// `text` in single quotes, at most about 80 characters between them ("..." marks the cut), with
// line breaks, other control bytes, backslashes and bytes beyond ASCII written as \xNN.
std::string Quoted(std::string_view text);
