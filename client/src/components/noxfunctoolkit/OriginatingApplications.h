#pragma once
// The programs that open documents by their originating application ("CAD", "PDF", "TEXT", ...):
// the table of the profile's settings directory, "noxapps.xml" (docs/formats.md, "Originating
// applications"). An application the table does not name has no program: the desktop's
// association opens its documents.
#include <string>
#include <vector>

namespace components {

class OriginatingApplications {
public:
    static constexpr const char* kFileName = "noxapps.xml";

    // Reads the table at path (empty: the profile's); a missing or unreadable file is an empty table.
    static OriginatingApplications Load(const std::string& path = {});

    // The program for viewing or for editing ("edit" true) the application's documents; "" when
    // the table has none (compared without case).
    std::string Program(const std::string& application, bool edit) const;

private:
    struct Entry {
        std::string name, view, edit;
    };
    std::vector<Entry> entries_;
};

}  // namespace components
