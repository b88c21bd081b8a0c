#pragma once
// A streaming read of a document held in a writable buffer: reports elements and attributes in
// document order, without building a tree. Attribute values are decoded (references, white-space
// normalisation) and terminated in place, so a handler may keep pointers to them for as long as
// the buffer lives. What is not well-formed raises an automation error saying where.
#include <cstdint>
#include <string_view>

namespace platform {

class XmlStream {
public:
    class Handler {
    public:
        virtual ~Handler() = default;
        virtual void StartElement(std::string_view name, int depth) = 0;
        // The attributes of the element last started; `value` is also null-terminated in the buffer.
        virtual void Attribute(std::string_view name, std::string_view value) = 0;
        // Also reported for an empty element.
        virtual void EndElement(std::string_view name, int depth) = 0;
    };

    // errorNumber and subject make the error: "<subject> cannot be read: XML error at offset N: ...".
    // text[size] must be a '\0' (as after a std::string's characters): the scans stop on it.
    static void Read(char* text, size_t size, Handler& handler, int32_t errorNumber, std::string_view subject);
};

}  // namespace platform
