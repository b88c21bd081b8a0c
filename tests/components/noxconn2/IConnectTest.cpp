#include <gtest/gtest.h>

#include "components/noxcomm2/ConnectionSettings.h"
#include "components/noxconn2/IConnect.h"
#include "platform/UserAccount.h"
#include "support/TestWorld.h"

using components::IConnect;

TEST(IConnect, NamesTheUserAndProjectOfTheConnectionEscapedOrElseTheLoginName) {
    testsupport::TestWorld world;
    testsupport::ScopedVariable url(components::ConnectionSettings::kUrlVariable, std::nullopt);
    EXPECT_EQ(IConnect().ConnectInfo(),
              "<CONNECTION><USER>" + platform::UserAccount::LoginName() + "</USER><PROJECT></PROJECT></CONNECTION>");
    world.WriteFile("AppData/VARDEN/connections/noxconn.xml",
                    "<CONNECTIONS><CONNECTION URL='embedded' USER='j&amp;doe' PROJECT='P&lt;1&gt;'/></CONNECTIONS>");
    EXPECT_EQ(IConnect().Get("ConnectInfo").ToString(),
              "<CONNECTION><USER>j&amp;doe</USER><PROJECT>P&lt;1&gt;</PROJECT></CONNECTION>");
}
