#pragma once
// The update of several objects edited at once in the attributes dialog: every edited object that is
// not released becomes one "UpdateCollectionObjectsWC" method, its object written by the host's
// request object with the object's own fields (keys aside) in the server's form; the methods are sent
// together as one "MultiMethodsRequest" and each failed method's first message is shown. Released
// objects are skipped and named for the caller's message.
#include <string>
#include <vector>

#include "automation/Variant.h"

namespace noxsimplelinks {

class AttrsUpdate {
public:
    // edited: the rows the dialog answered (row 0 the field names); grid: the grid they were shown
    // in, whose date and number columns say which texts go to the server in its own form.
    AttrsUpdate(std::string objectType, const automation::Variant& edited, const automation::Variant& grid);

    // Sends through comm (SendRequest, Response), building with the host's request object (objRequest)
    // or a request-document component of its own. True when a request went out and the server answered
    // OK or WARNING.
    bool Send(const automation::Variant& comm, const automation::Variant& host, const std::string& categoryMethod,
              const std::string& failureTitle);
    // The first key values of the released objects that were skipped, in row order.
    const std::vector<std::string>& Released() const { return released_; }

private:
    struct Row {
        automation::Variant keyValues;   // in the order of the type's keys
        automation::Variant attributes;  // rows of (field name, value as the server reads it)
    };
    void ReadRows(const automation::Variant& edited, const automation::Variant& grid);

    std::string objectType_;
    std::vector<std::string> keyNames_;
    std::vector<Row> rows_;
    std::vector<std::string> released_;
};

}  // namespace noxsimplelinks
