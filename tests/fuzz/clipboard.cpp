// Any clipboard text read back by the clipboard class (GetClipboardTypeFormat,
// GetClipboardObjectsAndFormat, GetClipboardObjects, ParseTypeFormat), as a pane reads what another
// window put there. Reading never fails and never changes the clipboard; the three readers agree on
// the type format and the object records; a type format the class builds reads back as its type.
#include "FuzzTarget.h"
#include "FuzzWorld.h"
#include "noxsimplelinks/grid/clsClipboard.h"
#include "platform/Clipboard.h"

NOX_FUZZ_TARGET(clipboard) {
    fuzzing::FuzzWorld& world = fuzzing::FuzzWorld::ForInput();
    const std::string text(input);
    platform::Clip().SetText(text);
    noxsimplelinks::clsClipboard clipboard;

    const std::string typeFormat = clipboard.GetClipboardTypeFormat();
    std::string formatRead;
    const std::string records = clipboard.GetClipboardObjectsAndFormat(formatRead);
    NOX_FUZZ_REQUIRE(formatRead == typeFormat, "both readers find the same type format");
    NOX_FUZZ_REQUIRE(clipboard.GetClipboardObjects(typeFormat) == records,
                     "the records under the type format on the clipboard (an empty one included)");
    NOX_FUZZ_REQUIRE(clipboard.GetClipboardObjects(typeFormat + "?").empty(), "no records under another type format");

    std::string type, status;
    bool flag = false;
    if (clipboard.ParseTypeFormat(typeFormat, type, status, flag)) {
        const std::string built = clipboard.BuildTypeFormat(type, status, flag, false);
        std::string typeAgain, statusAgain;
        bool flagAgain = false;
        NOX_FUZZ_REQUIRE(built.empty() || (clipboard.ParseTypeFormat(built, typeAgain, statusAgain, flagAgain) &&
                                           typeAgain == type && flagAgain == flag),
                         "the type format built for " + type + " reads back as it");
    }
    NOX_FUZZ_REQUIRE(platform::Clip().GetText() == text, "reading leaves the clipboard as it was");
    NOX_FUZZ_REQUIRE(world.Ui().Messages().empty(), "reading any text is no failure");
}
