#include "CommandRecorder.h"

#include "HostFileActions.h"
#include "RecordingUi.h"
#include "automation/EventSource.h"
#include "components/noxcomm2/Icomm.h"
#include "components/noxhostservices/clshostservices.h"
#include "components/noxprint/IclsPrint.h"
#include "platform/Shell.h"
#include "platform/toolbar/ToolMenu.h"
#include "platform/toolbar/ToolbarControl.h"
#include "platform/toolbar/ToolsCollection.h"

namespace simplelinks {

namespace {

// The clipboard that was installed (given once this one has taken its place), telling each text put on it.
class RecordingClipboard : public platform::Clipboard {
public:
    explicit RecordingClipboard(std::function<void(const std::string&)> tell) : tell_(std::move(tell)) {}
    void Wrap(std::shared_ptr<platform::Clipboard> inner) { inner_ = std::move(inner); }
    std::string GetText() override { return inner_->GetText(); }
    void SetText(const std::string& text) override {
        inner_->SetText(text);
        tell_("clipboard text: " + text);
    }
    void Clear() override { inner_->Clear(); }
    int32_t RegisterFormat(const std::string& name) override { return inner_->RegisterFormat(name); }

private:
    std::shared_ptr<platform::Clipboard> inner_;
    std::function<void(const std::string&)> tell_;
};

// The shell that was installed, each document it is asked to open told first; without a desktop
// (neither DISPLAY nor WAYLAND_DISPLAY) the telling is all that happens.
class TellingShell : public platform::Shell {
public:
    explicit TellingShell(std::function<void(const std::string&)> tell) : tell_(std::move(tell)) {}
    void Wrap(std::shared_ptr<platform::Shell> inner) { inner_ = std::move(inner); }
    int OpenDocument(const std::string& path) override {
        tell_("open: " + path);
        return Desktop() ? inner_->OpenDocument(path) : kOpened;
    }
    int OpenWith(const std::string& path) override {
        tell_("open with a chosen program: " + path);
        return Desktop() ? inner_->OpenWith(path) : kOpened;
    }
    int OpenWithProgram(const std::string& program, const std::string& path) override {
        tell_("open with " + program + ": " + path);
        return Desktop() ? inner_->OpenWithProgram(program, path) : kOpened;
    }

private:
    static bool Desktop() {
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"})
            if (const char* value = std::getenv(name); value && *value) return true;
        return false;
    }

    std::shared_ptr<platform::Shell> inner_;
    std::function<void(const std::string&)> tell_;
};

std::string Arguments(const automation::Arguments& args) {
    std::string text;
    for (const automation::Variant& arg : args) text += (text.empty() ? "" : ", ") + arg.TextOr("(" + arg.TypeName() + ")");
    return text;
}

}  // namespace

CommandRecorder::CommandRecorder(std::ostream& out, noxsimplelinks::ctlSimpleLinks& control, const RecorderScript& script)
    : out_(out), control_(control) {
    auto tell = [this](const std::string& what) { Tell(what); };
    auto ui = std::make_shared<RecordingUi>(script.answers, tell);
    for (const auto& dialog : script.dialogs)
        ui->ScriptDialog(dialog.front(), platform::DialogScript({dialog.begin() + 1, dialog.end()}));
    previousUi_ = platform::InstallUi(ui);
    auto clipboard = std::make_shared<RecordingClipboard>(tell);
    previousClipboard_ = platform::InstallClipboard(clipboard);
    clipboard->Wrap(previousClipboard_);
    auto shell = std::make_shared<TellingShell>(tell);
    previousShell_ = platform::InstallShell(shell);
    shell->Wrap(previousShell_);
    components::Icomm::RequestSent().Install([tell](const std::string& request) { tell("request sent:\n" + request); });
    components::clshostservices::WorkspaceOpened().Install(
        [tell](const std::string& description) { tell("workspace to open: " + description); });
    components::IclsPrint::ReportWritten().Install([tell](const std::string& path) { tell("report written: " + path); });
    eventsCookie_ = control_.Events()->Connect([this, tell](std::string_view event, automation::Arguments& args) {
        tell("event " + std::string(event) + ": " + Arguments(args));
        if (event == "ExecuteEvent" && !args.empty()) ActOnEvent(args.front().TextOr(""));
    });
    popupsTold_ = dynamic_cast<platform::ToolbarControl&>(*control_.ToolBar()).PopupMenus().size();
}

CommandRecorder::~CommandRecorder() {
    control_.Events()->Disconnect(eventsCookie_);
    components::IclsPrint::ReportWritten().Install(nullptr);
    components::clshostservices::WorkspaceOpened().Install(nullptr);
    components::Icomm::RequestSent().Install(nullptr);
    platform::InstallShell(previousShell_);
    platform::InstallClipboard(previousClipboard_);
    platform::InstallUi(previousUi_);
}

void CommandRecorder::ActOnEvent(const std::string& payload) {
    try {
        if (payload.find("<METHOD>ShowLinksViewFileDlg</METHOD>") != std::string::npos)
            ViewFile(payload, control_.Comm(), control_.Host());
        if (payload == "<XML><METHOD>ID_Prop_Edit_File_Complete</METHOD></XML>" && CompleteEdit(control_))
            Tell("the file was checked in and unlocked");
    } catch (const std::exception& e) {
        Tell(std::string("the host could not act on the file: ") + e.what());
    }
}

void CommandRecorder::Tell(const std::string& what) { out_ << "> " << what << (what.ends_with('\n') ? "" : "\n"); }

void CommandRecorder::TellPopups() {
    auto& toolbar = dynamic_cast<platform::ToolbarControl&>(*control_.ToolBar());
    const auto& popups = toolbar.PopupMenus();
    for (; popupsTold_ < popups.size(); ++popupsTold_) {
        std::string items;
        if (auto menu = toolbar.ToolById(popups[popupsTold_]))
            for (const auto& item : menu->Menu()->Tools()->Items())
                if (item->Visible()) items += (items.empty() ? "" : ", ") + std::string(item->Enabled() ? "*" : "") + item->ID();
        Tell("pop-up menu shown: " + popups[popupsTold_] + " (" + items + "; \"*\" enabled)");
    }
}

}  // namespace simplelinks
