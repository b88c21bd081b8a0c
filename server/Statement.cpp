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
    if (IsNull(column)) return {};
    if (IsInteger(column)) return Int(column);
    if (IsReal(column)) return Real(column);
    return Text(column);
}

}  // namespace server
