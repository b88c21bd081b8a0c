#pragma once
// The selected rows of a grid as a clipboard text that the other windows of the client (and other
// panes) paste or accept by drag and drop: one object record per row (source, type, keys, fields)
// under a type format naming the objects' type, state and number; that text read back; the selected
// cells as plain text; and the registered formats of dragged objects. Each public operation reports
// its failures ("clsClipboard:" + operation) and leaves the clipboard as far as it got.
#include <string>

#include "automation/Dispatchable.h"

namespace noxsimplelinks {

class clsClipboard : public automation::Dispatchable<clsClipboard> {
public:
    using Variant = automation::Variant;
    static constexpr const char* kTypeName = "clsClipboard";
    static constexpr const char* kProgId = "noxsimplelinks.clsClipboard";
    static const automation::MemberTable<clsClipboard>& Members();

    // The selected rows as object records of the type; flag marks copied objects ("+").
    void putGridOnClipboard(const Variant& grid, const std::string& objectType, bool flag);
    // The visible cells of the selected rows, each cell after five blanks, each row ended by CR LF.
    void putGridOnClipboardAsText(const Variant& grid);
    // Registers the format under which an object of the type and status is dragged and writes its
    // 16-bit identifier; false for a type that has none.
    bool DefineDraggedObjectFormat(const std::string& objectType, const std::string& status, bool flag,
                                   int16_t& formatId);

    // The object records on the clipboard when its type format is the one expected; "" otherwise.
    std::string GetClipboardObjects(const std::string& typeFormat);
    // The object records on the clipboard, whatever their type format, which is written back.
    std::string GetClipboardObjectsAndFormat(std::string& typeFormat);
    // The type format on the clipboard; "" when the clipboard holds no such text.
    std::string GetClipboardTypeFormat();
    // The type format of objects of a type in a status, one or several; "" for a type without one.
    std::string BuildTypeFormat(const std::string& objectType, const std::string& status, bool flag, bool several);
    // The object type, status and flag a type format names; false when it names no type.
    bool ParseTypeFormat(const std::string& typeFormat, std::string& objectType, std::string& status, bool& flag);
    // Puts data under a type format on the clipboard, in the wrapper the object records travel in.
    void putDataOnClipboard(const std::string& typeFormat, const std::string& xmlData);
    // Clears the clipboard and puts the text on it as plain text.
    void PutTextOnClipboard(const std::string& text);

    // The name under which an object of the type and status is dragged; "" for a type without one.
    static std::string DraggedObjectFormatName(const std::string& objectType, const std::string& status, bool flag);
};

}  // namespace noxsimplelinks
