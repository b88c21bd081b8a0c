#include "Statement.h"

namespace server {

Statement& Statement::Bind(int index, const SqlValue& value) {
    return std::visit(
        [&](const auto& v) -> Statement& {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>)
                return BindNull(index);
            else
                return Bind(index, v);
        },
        value);
}

SqlValue Statement::Value(int column) const {
    Cell cell = At(column);
    switch (cell.kind) {
        case Cell::Kind::Null: return {};
        case Cell::Kind::Integer: return cell.integer;
        case Cell::Kind::Real: return cell.real;
        case Cell::Kind::Text: break;
    }
    return std::string(cell.text);
}

}  // namespace server
