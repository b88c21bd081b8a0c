#pragma once
// The room of one large text kept per thread for the next answer's rows. An answer of many rows
// otherwise grows its text into memory new to the process every time, and on a virtual machine the
// first touch of each 4 KB page (a page fault) costs more than writing the rows into it.
#include <string>

namespace server {

class RecycledText {
public:
    // An empty text with the room of the last text given back on this thread, if any.
    static std::string Take();
    // Keeps the text's room for the next Take when it is larger than the room kept and not too large
    // to keep (an answer of the most rows a query returns fits).
    static void GiveBack(std::string text);
};

}  // namespace server
