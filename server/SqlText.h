#pragma once
// SQL text assembled from fixed fragments, with every value as a "?" placeholder kept beside it,
// bound in order when the statement runs.
#include <string>
#include <string_view>
#include <vector>

#include "Database.h"

namespace server {

class SqlText {
public:
    SqlText& operator<<(std::string_view fragment) {
        text_ += fragment;
        return *this;
    }
    // Appends a placeholder for the value.
    SqlText& Value(SqlValue value) {
        text_ += '?';
        values_.push_back(std::move(value));
        return *this;
    }
    SqlText& Append(const SqlText& other) {
        text_ += other.text_;
        values_.insert(values_.end(), other.values_.begin(), other.values_.end());
        return *this;
    }
    bool Empty() const { return text_.empty(); }
    const std::string& Text() const { return text_; }

    // The prepared statement with every value bound.
    Statement& Prepare(Database& db) const {
        Statement& statement = db.Prepare(text_);
        for (size_t i = 0; i < values_.size(); ++i) statement.Bind(static_cast<int>(i) + 1, values_[i]);
        return statement;
    }

private:
    std::string text_;
    std::vector<SqlValue> values_;
};

}  // namespace server
