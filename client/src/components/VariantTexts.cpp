#include "components/VariantTexts.h"

#include "automation/SafeArray.h"

namespace components {

std::vector<std::string> Texts(const automation::Variant& array) {
    std::vector<std::string> texts;
    if (!array.IsArray()) return texts;
    const automation::SafeArray& list = array.ToArray();
    for (int32_t i = list.LBound(1); i <= list.UBound(1); ++i) texts.push_back(list.At(i).TextOr(""));
    return texts;
}

}  // namespace components
