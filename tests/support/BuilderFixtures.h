#pragma once
// What the tests of the library's builders and wrappers share: the XML and request components
// registered for the test, array makers, and a component that records the calls it gets.
#include <string>
#include <vector>

#include "automation/Dispatch.h"
#include "automation/SafeArray.h"
#include "components/noxrequest/IRequest.h"
#include "components/noxxmlutil/IXmlUtil.h"
#include "support/ScopedProgId.h"

namespace testsupport {

struct XmlComponents {
    ScopedProgId xml = ScopedProgId::Of<components::IXmlUtil>("noxxmlutil.IXmlUtil");
    ScopedProgId request = ScopedProgId::Of<components::IRequest>("noxrequest.IRequest");
};

inline automation::Variant List(std::vector<automation::Variant> values) {
    return automation::Variant(automation::SafeArray::Of(std::move(values)));
}

// Rows of (c0, c1, ...) as a two-dimensional array from 0.
inline automation::Variant Table(const std::vector<std::vector<std::string>>& rows) {
    automation::SafeArray table(automation::Bounds{0, static_cast<int32_t>(rows.size()) - 1},
                                automation::Bounds{0, static_cast<int32_t>(rows.empty() ? 0 : rows[0].size()) - 1});
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c)
            table.At(static_cast<int32_t>(r), static_cast<int32_t>(c)) = automation::Variant(rows[r][c]);
    return automation::Variant(std::move(table));
}

// Answers every call with "<name>:<first argument>" (the loads with true) and writes "by ref" into a
// second argument.
class RecordingComponent : public automation::Dispatch {
public:
    automation::Variant Invoke(std::string_view name, automation::InvokeKind, automation::Arguments& args) override {
        calls.push_back(std::string(name) + "(" + (args.empty() ? "" : args[0].TextOr("")) + ")");
        if (args.size() > 1) {
            seenSecond = args[1].TextOr("<none>");
            args[1] = "by ref";
        }
        if (name.starts_with("load")) return automation::Variant(true);
        return automation::Variant(std::string(name) + ":" + (args.empty() ? "" : args[0].TextOr("")));
    }
    std::string TypeName() const override { return "RecordingComponent"; }

    std::vector<std::string> calls;
    std::string seenSecond;
};

}  // namespace testsupport
