#include "platform/grid/LateGrid.h"

#include "automation/AutomationError.h"

namespace platform {

using automation::Arguments;
using automation::InvokeKind;

LateGrid::LateGrid(const Variant& grid) : grid_(grid.IsObject() ? grid.ToObject() : nullptr) {
    if (!grid_) automation::Raise(automation::errors::kObjectVariableNotSet);
}

automation::Variant LateGrid::Get(std::string_view name) {
    Arguments args;
    return grid_->Invoke(name, InvokeKind::PropertyGet, args);
}

automation::Variant LateGrid::Get(std::string_view name, int32_t index) {
    Arguments args{Variant(index)};
    return grid_->Invoke(name, InvokeKind::PropertyGet, args);
}

void LateGrid::Put(std::string_view name, Variant value) {
    Arguments args{std::move(value)};
    grid_->Invoke(name, InvokeKind::PropertyLet, args);
}

void LateGrid::Put(std::string_view name, int32_t index, Variant value) {
    Arguments args{Variant(index), std::move(value)};
    grid_->Invoke(name, InvokeKind::PropertyLet, args);
}

std::string LateGrid::Cell(int32_t row, int32_t col) {
    Arguments args{Variant(row), Variant(col)};
    return grid_->Invoke("TextMatrix", InvokeKind::PropertyGet, args).TextOr("");
}

void LateGrid::SetCell(int32_t row, int32_t col, const std::string& text) {
    Arguments args{Variant(row), Variant(col), Variant(text)};
    grid_->Invoke("TextMatrix", InvokeKind::PropertyLet, args);
}

}  // namespace platform
