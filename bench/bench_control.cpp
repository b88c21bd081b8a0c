// The pane end to end with 10,000 linked objects: everything on the client's side of one load
// (building the request, the exchange through the embedded transport and the answer's parsing,
// filling the grid, the tool states) against a bare parse of the same answer text. The embedded
// server answers with a ready text, and the time it takes to hand it over (a copy) is counted as the
// server's, not the client's. The ratio compares the thread's processor time (BenchClock.h); the parts'
// milliseconds are the control's own clock (LastLoadTimes).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <pugixml.hpp>

#include "BenchClock.h"
#include "automation/ObjectFactory.h"
#include "automation/SafeArray.h"
#include "components/noxcomm2/EmbeddedServer.h"
#include "hosting/Registration.h"
#include "noxsimplelinks/control/ctlSimpleLinks.h"
#include "platform/HeadlessUi.h"
#include "platform/site/ControlSite.h"
#include "platform/xml/XmlDocument.h"

namespace {

namespace fs = std::filesystem;
using automation::DispatchPtr;
using automation::Variant;

constexpr int kRows = 10000;

const fs::path kData = NOX_DATA_DIR;

std::string AnswerWithRows(int rows) {
    std::string text =
        "<Answer ResultCode=\"OK\"><MethodResponses><MethodResponse Name=\"ZerakQueryLinks\" ResultCode=\"OK\">"
        "<Result><xml xmlns:s=\"uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882\" "
        "xmlns:dt=\"uuid:C2F41010-65B3-11d1-A29F-00AA00C14882\" xmlns:rs=\"urn:schemas-microsoft-com:rowset\" "
        "xmlns:z=\"#RowsetSchema\"><s:Schema id=\"RowsetSchema\"><s:ElementType name=\"row\" content=\"eltOnly\">";
    const char* columns[] = {"FILE.FILE_ID", "FILE.REVISION", "FILE.FILE_NAME", "FILE.FILE_TYPE", "FILE.FILE_SIZE",
                             "FILE.LOCKED_BY"};
    int number = 1;
    for (const char* column : columns) {
        text += std::string("<s:AttributeType name=\"") + column + "\" rs:number=\"" + std::to_string(number++) +
                "\"><s:datatype dt:type=\"string\"/></s:AttributeType>";
    }
    text += "</s:ElementType></s:Schema><rs:data>";
    for (int i = 0; i < rows; ++i) {
        const std::string id = std::to_string(100000 + i);
        text += "<z:row FILE.FILE_ID=\"F" + id + "\" FILE.REVISION=\"1\" FILE.FILE_NAME=\"part_" + id +
                ".dwg\" FILE.FILE_TYPE=\"NATIVE\" FILE.FILE_SIZE=\"" + std::to_string(4096 + i) +
                "\" FILE.LOCKED_BY=\"\"/>";
    }
    return text + "</rs:data></xml></Result></MethodResponse></MethodResponses></Answer>";
}

// A profile made from the sample, the classes registered, and the embedded server answering.
struct World {
    World() {
        root = fs::temp_directory_path() / ("nox-bench-control-" + std::to_string(::getpid()));
        fs::create_directories(root / "AppData");
        setenv("APPDATA", (root / "AppData").c_str(), 1);
        setenv("ALLUSERSPROFILE", (kData / "allusers").c_str(), 1);
        hosting::RegisterAll();
        platform::InstallUi(std::make_shared<platform::HeadlessUi>());
        answer = AnswerWithRows(kRows);
        components::EmbeddedServer::Register([this](const std::string&) {
            const auto start = std::chrono::steady_clock::now();
            const double startOnProcessor = bench::ThreadSeconds();
            std::string copy = answer;
            serverMilliseconds += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            serverSeconds += bench::ThreadSeconds() - startOnProcessor;
            return copy;
        });
        panes = std::make_shared<platform::XmlDocument>();
        panes->Call("load", (kData / "allusers/AppData/VARDEN/config/settings/panes.xml").string());
    }
    ~World() {
        components::EmbeddedServer::Unregister();
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }

    fs::path root;
    std::string answer;
    double serverMilliseconds = 0;
    double serverSeconds = 0;  // processor time
    DispatchPtr panes;
};

World& TheWorld() {
    static World world;
    return world;
}

std::shared_ptr<noxsimplelinks::ctlSimpleLinks> FilesPane() {
    World& world = TheWorld();
    auto site = std::make_shared<platform::ControlSite>();
    site->SetComm(Variant(automation::CreateObject("noxrequestpars.XMLRequestPars")));
    auto control = std::make_shared<noxsimplelinks::ctlSimpleLinks>();
    control->SetContainer(Variant(DispatchPtr(site)));
    control->SetParentType("DOC");
    control->SetParentKeys(Variant(automation::SafeArray::Of({Variant("DOC.DOC_ID"), Variant("DOC.REVISION")})));
    control->SetParentValues(Variant(automation::SafeArray::Of({Variant("D100"), Variant("B")})));
    control->Init(Variant(world.panes->Call("selectSingleNode", "/PANES/FILES")));
    return control;
}

bool BareParse(const std::string& answer) {
    pugi::xml_document document;
    return static_cast<bool>(document.load_buffer(answer.data(), answer.size()));
}

void BM_BareParseOfTheAnswer(benchmark::State& state) {
    const std::string& answer = TheWorld().answer;
    for (auto _ : state) benchmark::DoNotOptimize(BareParse(answer));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * answer.size()));
}
BENCHMARK(BM_BareParseOfTheAnswer)->Unit(benchmark::kMillisecond);

// Each load is measured next to a bare parse of the same answer, in the same loop.
void BM_PaneLoadClientSide(benchmark::State& state) {
    auto control = FilesPane();
    const std::string& answer = TheWorld().answer;
    noxsimplelinks::ctlSimpleLinks::LoadTimes sum;
    double parse = 0, parseSeconds = 0, loadSeconds = 0;
    TheWorld().serverMilliseconds = 0;
    TheWorld().serverSeconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const double startOnProcessor = bench::ThreadSeconds();
        benchmark::DoNotOptimize(BareParse(answer));
        const double parsed = bench::ThreadSeconds();
        parse += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        control->Refresh();
        loadSeconds += bench::ThreadSeconds() - parsed;
        parseSeconds += parsed - startOnProcessor;
        const auto& t = control->LastLoadTimes();
        sum.build += t.build, sum.send += t.send, sum.fill += t.fill, sum.tools += t.tools;
    }
    if (control->Grid()->Get("Rows").ToLong() != kRows + 1) state.SkipWithError("the grid did not get every row");
    const double n = static_cast<double>(state.iterations());
    state.counters["parse_ms"] = parse / n;
    state.counters["build_ms"] = sum.build / n;
    const double server = TheWorld().serverMilliseconds;
    state.counters["server_ms"] = server / n;
    state.counters["exchange_and_answer_ms"] = (sum.send - server) / n;
    state.counters["fill_ms"] = sum.fill / n;
    state.counters["tools_ms"] = sum.tools / n;
    state.counters["client_over_bare_parse"] = (loadSeconds - TheWorld().serverSeconds) / parseSeconds;
}
BENCHMARK(BM_PaneLoadClientSide)->Unit(benchmark::kMillisecond);

}  // namespace
