// The table of originating applications: a program per application, another for editing where the
// table names one, and nothing (the desktop's association) for what it does not name.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "components/noxfunctoolkit/OriginatingApplications.h"

namespace {

TEST(OriginatingApplications, NameAProgramPerApplicationAndEditingMayHaveItsOwn) {
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "nox-noxapps-test.xml";
    std::ofstream(file) << "<APPLICATIONS><APP NAME=\"PDF\" PROGRAM=\"viewer\"/>"
                           "<APP NAME=\"Image\" PROGRAM=\"show\" EDIT=\"paint\"/></APPLICATIONS>";
    const auto table = components::OriginatingApplications::Load(file.string());
    const struct {
        const char* application;
        bool edit;
        const char* program;
    } cases[] = {{"PDF", false, "viewer"}, {"pdf", true, "viewer"}, {"IMAGE", false, "show"},
                 {"image", true, "paint"}, {"CAD", false, ""},       {"", true, ""}};
    for (const auto& c : cases) EXPECT_EQ(table.Program(c.application, c.edit), c.program) << c.application << c.edit;
    std::filesystem::remove(file);
    EXPECT_EQ(components::OriginatingApplications::Load(file.string()).Program("PDF", false), "") << "no file, no programs";
}

}  // namespace
