#include "PaneTab.h"

#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>
#include <stdexcept>

#include "GridView.h"
#include "ServerComm.h"
#include "ToolbarView.h"
#include "automation/ObjectFactory.h"
#include "automation/SafeArray.h"

namespace desktop {

using automation::DispatchPtr;
using automation::Variant;

namespace {

// A load that takes longer than this shows the busy bar.
constexpr int kMomentMs = 300;

Variant List(const std::vector<std::string>& values) {
    std::vector<Variant> items(values.begin(), values.end());
    return Variant(automation::SafeArray::Of(std::move(items)));
}

}  // namespace

PaneTab::PaneTab(const std::string& pane, const std::string& label, DispatchPtr section, const ParentObject& parent,
                 const std::string& server, QWidget* parentWidget)
    : QWidget(parentWidget), pane_(pane) {
    setObjectName(QString::fromStdString(pane));
    PlaceControl(std::move(section), parent, server);
    title_ = new QLabel(QString::fromStdString(label + " of " + parent.Describe()), this);
    title_->setObjectName("title");
    QFont font = title_->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    title_->setFont(font);
    busy_ = new QProgressBar(this);
    busy_->setObjectName("busy");
    busy_->setRange(0, 0);
    busy_->setMaximumHeight(6);
    busy_->setTextVisible(false);
    busy_->hide();
    moment_ = new QTimer(this);
    moment_->setSingleShot(true);
    moment_->setInterval(kMomentMs);
    connect(moment_, &QTimer::timeout, busy_, &QWidget::show);
    tools_ = new ToolbarView(dynamic_cast<platform::ToolbarControl&>(*control_->ToolBar()), this);
    grid_ = new GridView(dynamic_cast<platform::FlexGrid&>(*control_->Grid()), this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addWidget(tools_);
    layout->addWidget(busy_);
    layout->addWidget(grid_, 1);
    connect(grid_, &GridView::acted, this, &PaneTab::Acted);
    connect(tools_, &ToolbarView::acted, this, [this] { Acted(QCursor::pos(), GridView::MenuPlace::None); });
}

void PaneTab::PlaceControl(DispatchPtr section, const ParentObject& parent, const std::string& server) {
    site_ = std::make_shared<platform::ControlSite>();
    if (!server.empty()) site_->SetComm(Variant(ServerComm(server)));
    site_->SetHost(Variant(automation::CreateObject("noxhostservices.clshostservices")));
    control_ = std::dynamic_pointer_cast<noxsimplelinks::ctlSimpleLinks>(automation::CreateObject("noxsimplelinks.ctlSimpleLinks"));
    control_->Set("Container", Variant(DispatchPtr(site_)));
    control_->Let("ParentType", Variant(parent.type));
    control_->Let("ParentKeys", List(parent.keys));
    control_->Let("ParentValues", List(parent.values));
    // A host also names the parent's attributes in Params ("ITEM.ITEM_KEY" -> "A100").
    const DispatchPtr params = control_->Get("Params").ToObject();
    for (size_t i = 0; i < parent.keys.size(); ++i) params->Call("Add", parent.values[i], parent.keys[i]);
    control_->Call("Init", Variant(section));
    eventCookie_ = control_->Events()->On("ExecuteEvent", [this](std::string xml) {
        ++hostRequests_;
        emit status(QString::fromStdString("The pane asks its host: " + xml));
    });
}

PaneTab::~PaneTab() {
    // The views go before the models they show, which CloseMe releases.
    delete grid_;
    delete tools_;
    control_->Events()->Disconnect(eventCookie_);
    control_->Call("CloseMe");
}

bool PaneTab::Applies() {
    try {
        return !control_->BuildLinksRequest().empty();
    } catch (const std::exception&) {
        return false;
    }
}

void PaneTab::Load() {
    control_->Call("Refresh");
    Sync();
}

void PaneTab::Sync() {
    grid_->Sync();
    tools_->Sync();
    ShowBusy();
}

void PaneTab::ShowBusy() {
    if (!Loading()) {
        moment_->stop();
        busy_->hide();
    } else if (!moment_->isActive() && busy_->isHidden()) {
        moment_->start();
    }
}

void PaneTab::Acted(const QPoint& at, GridView::MenuPlace place) {
    QMenu* menu = tools_->TakeRequestedPopup();
    Sync();
    if (!menu && place == GridView::MenuPlace::None) return;
    if (!menu) {
        menu = new QMenu(this);
        menu->setAttribute(Qt::WA_DeleteOnClose);
    }
    if (place == GridView::MenuPlace::Header) AddExportActions(menu);
    if (place == GridView::MenuPlace::Rows) AddPasteAction(menu);
    openMenu_ = menu;
    connect(menu, &QObject::destroyed, this, [this, menu] {
        if (openMenu_ == menu) openMenu_ = nullptr;
    });
    menu->popup(at);
}

void PaneTab::AddExportActions(QMenu* menu) {
    if (!menu->isEmpty()) menu->addSeparator();
    menu->addAction(tr("Export to CSV..."), this, [this] { Export("csv"); })->setObjectName("export:csv");
    menu->addAction(tr("Export to XLSX..."), this, [this] { Export("xlsx"); })->setObjectName("export:xlsx");
}

void PaneTab::AddPasteAction(QMenu* menu) {
    if (!menu->isEmpty()) menu->addSeparator();
    QAction* paste = menu->addAction(QIcon::fromTheme("edit-paste"), tr("Paste links"), this, &PaneTab::PasteLinks);
    paste->setObjectName("paste");
    paste->setShortcut(QKeySequence::Paste);  // shown as a reminder: the window's Edit menu takes the key
    paste->setEnabled(ClipboardHoldsObjects());
}

bool PaneTab::ClipboardHoldsObjects() {
    try {
        return !automation::CreateObject("noxsimplelinks.clsClipboard")->Call("GetClipboardTypeFormat").TextOr("").empty();
    } catch (const std::exception&) {
        return false;
    }
}

void PaneTab::PasteLinks() {
    const int before = hostRequests_;
    // A paste that links anything tells the host so (ExecuteEvent) and refreshes the pane.
    control_->Call("PasteLinks");
    Sync();
    if (hostRequests_ == before) emit status(tr("The clipboard holds nothing that %1 links").arg(title_->text()));
    else emit status(tr("Pasted into %1").arg(title_->text()));
}

void PaneTab::Export(const QString& suffix) {
    const QString path = QFileDialog::getSaveFileName(this, tr("Export the grid"), QString::fromStdString(pane_) + "." + suffix,
                                                      suffix.toUpper() + " (*." + suffix + ")");
    if (path.isEmpty()) return;
    try {
        automation::CreateObject("noxsimplelinks.clsGridExport")->Call("ExportGrid", Variant(control_->Grid()), path.toStdString());
        emit status(tr("The grid was exported to %1").arg(path));
    } catch (const automation::AutomationError& e) {
        emit status(tr("The grid could not be exported: %1").arg(QString::fromStdString(e.Description())));
    }
}

}  // namespace desktop
