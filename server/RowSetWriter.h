#pragma once
// Writes a persisted row-set document: a schema with one typed attribute per column (text as
// "string", numbers as "float", dates as "dateTime"), then one z:row per row with one attribute per
// column that is not Null. Values are escaped; rows are appended straight from a statement's cells
// to the document's one text.
#include <string>
#include <vector>

#include "Column.h"
#include "Statement.h"

namespace server {

class RowSetWriter {
public:
    explicit RowSetWriter(std::vector<Column> columns);

    // Appends every row of the statement; its result columns are the writer's columns in order.
    // Stops after `limit` rows in all; returns the number of rows appended.
    size_t AddRows(Statement& statement, size_t limit);
    size_t RowCount() const { return rows_; }
    // The document, the writer is spent afterwards.
    std::string Finish();

private:
    std::vector<Column> columns_;
    std::vector<std::string> openings_;  // " NAME=\"" per column
    std::string text_;
    size_t rows_ = 0;
};

}  // namespace server
