#include "XmlText.h"

namespace server {

void AppendEscaped(std::string& out, std::string_view text) {
    size_t plain = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char* entity = nullptr;
        switch (text[i]) {
            case '&': entity = "&amp;"; break;
            case '<': entity = "&lt;"; break;
            case '>': entity = "&gt;"; break;
            case '"': entity = "&quot;"; break;
            case '\'': entity = "&apos;"; break;
            case '\n': entity = "&#10;"; break;
            case '\r': entity = "&#13;"; break;
            case '\t': entity = "&#9;"; break;
            default: continue;
        }
        out.append(text.substr(plain, i - plain));
        out += entity;
        plain = i + 1;
    }
    out.append(text.substr(plain));
}

std::string Escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    AppendEscaped(out, text);
    return out;
}

}  // namespace server
