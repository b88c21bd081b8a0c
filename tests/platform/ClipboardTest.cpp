// The headless clipboard: its text, and format names registered once for the whole process.
#include <gtest/gtest.h>

#include "platform/HeadlessClipboard.h"

namespace {

TEST(HeadlessClipboard, KeepsItsTextAndNumbersFormatsForTheProcess) {
    platform::HeadlessClipboard clipboard, another;
    EXPECT_EQ(clipboard.GetText(), "");
    clipboard.SetText("<NOX_CLIPBOARD/>");
    EXPECT_EQ(clipboard.GetText(), "<NOX_CLIPBOARD/>");
    clipboard.Clear();
    EXPECT_EQ(clipboard.GetText(), "");

    const int32_t item = clipboard.RegisterFormat("NOX_ITEM_RELEASED");
    EXPECT_GE(item, platform::HeadlessClipboard::kFirstRegisteredFormat);
    EXPECT_EQ(another.RegisterFormat("nox_item_released"), item);  // any clipboard, any case
    EXPECT_NE(clipboard.RegisterFormat("NOX_ITEM_RELEASED+"), item);
}

}  // namespace
