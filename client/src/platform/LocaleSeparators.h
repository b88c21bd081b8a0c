#pragma once
// The user's decimal and thousands separators: those of the locale the user's environment names
// for numbers (LC_ALL, LC_NUMERIC, LANG), else of the process's current locale. Tests and hosts
// may override them. The locale is read once; ClearOverride makes the next call read it again.
#include <string>

namespace platform {

class LocaleSeparators {
public:
    static std::string Decimal();
    static std::string Thousands();
    // From now on both separators are these, whatever the locale says.
    static void Override(std::string decimal, std::string thousands);
    static void ClearOverride();
};

}  // namespace platform
