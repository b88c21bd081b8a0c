#pragma once
// Reads a password for the command line, never from its arguments: from the terminal without echo,
// or, when standard input is not a terminal (a pipe, a file), its first line.
#include <string>

namespace simplelinks {

// `prompt` goes to the terminal (standard error); with `confirm` the password is asked twice there
// and must be typed the same. Raises std::runtime_error when none can be read.
std::string ReadPassword(const std::string& prompt, bool confirm);

}  // namespace simplelinks
