// The row set's cells as the store holds them, on the run's backend: integers with all their
// digits, reals as "%.15g" writes them, texts escaped, Null left out.
#include <gtest/gtest.h>

#include "PlmTestSupport.h"
#include "RowSetWriter.h"
#include "Store.h"

namespace {

using objdefs::DataType;

std::string Row(const std::string& document) {
    size_t begin = document.find("<z:row");
    return begin == std::string::npos ? "" : document.substr(begin, document.find("</rs:data>") - begin);
}

TEST(RowSetWriter, WritesEachCellAsTheStoreHoldsIt) {
    plmtest::TempFolder folder;
    server::Store store(plmtest::OnPostgres() ? plmtest::NewStore(folder) : folder.Path("cells.db"));
    struct Case {
        std::string expression;  // SQL both backends read alike
        DataType type;
        std::string written;  // the attribute as the row writes it; empty for none
    };
    const std::vector<Case> cases = {
        {"CAST(42 AS BIGINT)", DataType::Number, " V=\"42\""},
        {"CAST(-9223372036854775807 AS BIGINT)", DataType::Number, " V=\"-9223372036854775807\""},
        {"CAST(0.1 AS DOUBLE PRECISION)", DataType::Number, " V=\"0.1\""},
        {"CAST(2.50 AS DOUBLE PRECISION)", DataType::Number, " V=\"2.5\""},
        {"CAST(123456789.123456789 AS DOUBLE PRECISION)", DataType::Number, " V=\"123456789.123457\""},
        {"CAST(1e21 AS DOUBLE PRECISION)", DataType::Number, " V=\"1e+21\""},
        {"CAST(-1.5e-7 AS DOUBLE PRECISION)", DataType::Number, " V=\"-1.5e-07\""},
        {"CAST('a&b <c> \"d\"' AS TEXT)", DataType::Text, " V=\"a&amp;b &lt;c&gt; &quot;d&quot;\""},
        {"CAST('' AS TEXT)", DataType::Text, " V=\"\""},
        {"NULL", DataType::Text, ""},
    };
    for (const Case& c : cases) {
        server::RowSetWriter writer({{"V", c.type, 0, server::Column::Read::Attribute, "o", "V"}});
        EXPECT_EQ(writer.AddRows(store.Db().Prepare("SELECT " + c.expression), 10), 1u);
        EXPECT_EQ(Row(writer.Finish()), "<z:row" + c.written + "/>") << c.expression;
    }
}

}  // namespace
