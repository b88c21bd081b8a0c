#include <gtest/gtest.h>

#include "components/noxcomm2/ConnectionSettings.h"
#include "components/noxconn2/IConnect.h"
#include "platform/UserAccount.h"
#include "support/TestWorld.h"

using components::IConnect;

TEST(IConnect, NamesTheUserAndProjectOfTheConnectionEscaped) {
    testsupport::TestWorld world;
    testsupport::ScopedVariable url(components::ConnectionSettings::kUrlVariable, std::nullopt);
    world.WriteFile("AppData/VARDEN/connections/noxconn.xml",
                    "<CONNECTIONS><CONNECTION URL='embedded' USER='j&amp;doe' PROJECT='P&lt;1&gt;'/></CONNECTIONS>");
    EXPECT_EQ(IConnect().Get("ConnectInfo").ToString(),
              "<CONNECTION><USER>j&amp;doe</USER><PROJECT>P&lt;1&gt;</PROJECT></CONNECTION>");
}

TEST(IConnect, WithoutAConnectionFileTheUserIsTheLoginName) {
    testsupport::TestWorld world;
    IConnect connect;
    EXPECT_EQ(connect.User(), platform::UserAccount::LoginName());
    EXPECT_EQ(connect.ConnectInfo(),
              "<CONNECTION><USER>" + platform::UserAccount::LoginName() + "</USER><PROJECT></PROJECT></CONNECTION>");
}
