#pragma once
// The update of several objects edited at once in the attributes dialog: one
// "UpdateCollectionObjectsWC" method per edited object that is not released, sent together as one
// "MultiMethodsRequest"; each failed method's first message is shown. Released objects are skipped
// and named for the caller's message.
#include <string>
#include <vector>

#include "automation/Variant.h"

namespace noxsimplelinks {

class AttrsUpdate {
public:
    // shown: the rows given to the dialog; edited: the rows it answered (row 0 the field names in both).
    AttrsUpdate(std::string objectType, const automation::Variant& shown, const automation::Variant& edited);

    // Sends through comm (SendRequest, Response), building with the host's request object (objRequest)
    // or a clsRequestWrapper. True when a request went out and the server answered OK or WARNING.
    bool Send(const automation::Variant& comm, const automation::Variant& host, const std::string& categoryMethod,
              const std::string& failureTitle);
    // The first key values of the released objects that were skipped, in row order.
    const std::vector<std::string>& Released() const { return released_; }

private:
    struct Row {
        std::vector<std::string> keyValues;
        std::vector<std::string> fieldNames, fieldValues;  // the object's own fields the dialog changed
    };
    void ReadRows(const automation::Variant& shown, const automation::Variant& edited);

    std::string objectType_;
    std::vector<std::string> keyNames_;
    std::vector<Row> rows_;
    std::vector<std::string> released_;
};

}  // namespace noxsimplelinks
