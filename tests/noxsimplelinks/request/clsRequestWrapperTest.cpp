#include <gtest/gtest.h>

#include "noxsimplelinks/request/clsRequestWrapper.h"
#include "support/BuilderFixtures.h"

using noxsimplelinks::clsRequestWrapper;
using testsupport::RecordingComponent;
using testsupport::ScopedProgId;

namespace {

TEST(clsRequestWrapper, ForwardsByNameToWhateverIsRegistered) {
    auto fake = std::make_shared<RecordingComponent>();
    ScopedProgId request("noxrequest.IRequest", [fake] { return fake; });
    EXPECT_EQ(clsRequestWrapper().buildrequest("ZerakQuery"), "buildrequest:ZerakQuery");
    EXPECT_EQ(fake->calls, (std::vector<std::string>{"buildrequest(ZerakQuery)"}));
}

}  // namespace
