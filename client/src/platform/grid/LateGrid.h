#pragma once
// A grid control reached late-bound, by property and method name, as the library and the components
// drive it: any object that answers the grid members works.
#include <string_view>

#include "automation/Dispatch.h"

namespace platform {

class LateGrid {
public:
    using Variant = automation::Variant;

    // A value that holds no object raises 91.
    explicit LateGrid(const Variant& grid);

    Variant Get(std::string_view name);
    Variant Get(std::string_view name, int32_t index);
    void Put(std::string_view name, Variant value);
    void Put(std::string_view name, int32_t index, Variant value);
    int32_t Long(std::string_view name) { return Get(name).ToLong(); }
    int32_t Long(std::string_view name, int32_t index) { return Get(name, index).ToLong(); }
    std::string Text(std::string_view name, int32_t index) { return Get(name, index).TextOr(""); }
    // TextMatrix(row, col).
    std::string Cell(int32_t row, int32_t col);
    void SetCell(int32_t row, int32_t col, const std::string& text);
    template <class... A>
    Variant Call(std::string_view name, A&&... args) {
        return grid_->Call(name, std::forward<A>(args)...);
    }

private:
    automation::DispatchPtr grid_;
};

}  // namespace platform
