#include "PasswordPrompt.h"

#include <termios.h>
#include <unistd.h>

#include <iostream>
#include <stdexcept>

namespace simplelinks {

namespace {

// One line from the terminal with its echo off, restored whatever happens.
std::string ReadHidden(const std::string& prompt) {
    std::cerr << prompt << std::flush;
    termios saved{};
    tcgetattr(STDIN_FILENO, &saved);
    termios quiet = saved;
    quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    std::string line;
    bool read = static_cast<bool>(std::getline(std::cin, line));
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
    std::cerr << "\n";
    if (!read) throw std::runtime_error("No password was typed");
    return line;
}

}  // namespace

std::string ReadPassword(const std::string& prompt, bool confirm) {
    if (!isatty(STDIN_FILENO)) {
        std::string line;
        if (!std::getline(std::cin, line)) throw std::runtime_error("Standard input holds no password");
        if (!line.empty() && line.back() == '\r') line.pop_back();
        return line;
    }
    std::string password = ReadHidden(prompt);
    if (confirm && ReadHidden("Again: ") != password) throw std::runtime_error("The two passwords differ");
    return password;
}

}  // namespace simplelinks
