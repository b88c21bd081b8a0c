#pragma once
// A prepared statement on a PostgreSQL connection: the Statement of the PostgreSQL backend. Values
// travel as text; jsonb columns (attributes) are read as the text, number or Null they hold, as
// SQLite's json_extract reads them, so that both backends answer alike.
#include <optional>
#include <string>
#include <vector>

#include "Statement.h"

struct pg_result;

namespace server {

class PostgresDatabase;

class PostgresStatement : public Statement {
public:
    // Prepares `sql` (with $1, $2, … for its `parameters` values) under `name`.
    PostgresStatement(PostgresDatabase& db, std::string name, const std::string& sql, int parameters);
    ~PostgresStatement() override;

    Statement& Reset() override;
    Statement& BindText(int index, std::string_view text) override;
    Statement& BindInt(int index, int64_t value) override;
    Statement& BindReal(int index, double value) override;
    Statement& BindNull(int index) override;
    bool Step() override;
    Cell At(int column) const override;
    int64_t Int(int column) const override;
    std::string_view TextView(int column) const override;

private:
    using Kind = Cell::Kind;
    // A cell as SQLite would hold it, and as text (a text's characters, a number's digits).
    struct Decoded {
        Cell cell;
        std::string_view text;
    };

    void Execute();
    const Decoded& Decode(int column) const;
    std::optional<std::string>& Parameter(int index);

    PostgresDatabase& db_;
    std::string name_, sql_;
    std::vector<std::optional<std::string>> parameters_;
    pg_result* result_ = nullptr;
    int row_ = -1;
    int rows_ = 0;
    std::vector<Kind> columnKinds_;  // per column: the kind its type gives; Text for jsonb, decoded per cell
    std::vector<bool> json_;
    mutable std::vector<Decoded> cells_;
    mutable std::vector<int> cellRow_;          // the row each cell was read for
    mutable std::vector<std::string> unescaped_;  // per column: a JSON string's characters, when it had escapes
};

}  // namespace server
