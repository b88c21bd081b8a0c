#include "MainWindow.h"

#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <set>

#include "ApartmentPump.h"
#include "PaneHost.h"
#include "PaneTab.h"
#include "ParentChooser.h"
#include "automation/AutomationError.h"
#include "platform/xml/XmlDocument.h"

namespace desktop {

namespace {

// The example parents of the panes, each once, in the file's order.
std::vector<std::string> SampleParents(const std::vector<simplelinks::PaneEntry>& panes) {
    std::vector<std::string> samples;
    std::set<std::string> seen;
    for (const auto& pane : panes) {
        if (pane.exampleParent.empty()) continue;
        std::string sample;
        for (const std::string& part : pane.exampleParent) sample += (sample.empty() ? "" : " ") + part;
        if (seen.insert(sample).second) samples.push_back(sample);
    }
    return samples;
}

}  // namespace

MainWindow::MainWindow(const std::string& server, QWidget* parent) : QMainWindow(parent), server_(server) {
    setWindowTitle(tr("noxsimplelinks"));
    panes_ = simplelinks::ReadPanes(simplelinks::PanesFilePath());
    panesDocument_ = std::make_shared<platform::XmlDocument>();
    panesDocument_->Call("load", simplelinks::PanesFilePath());
    auto* central = new QWidget(this);
    chooser_ = new ParentChooser(SampleParents(panes_), ServerObjects(server_), central);
    tabs_ = new QTabWidget(central);
    tabs_->setDocumentMode(true);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(chooser_);
    layout->addWidget(tabs_, 1);
    setCentralWidget(central);
    AddEditMenu();
    connect(chooser_, &ParentChooser::chosen, this, &MainWindow::Open);
    connect(chooser_, &ParentChooser::refused, this, &MainWindow::Say);
    connect(&ApartmentPump::Instance(), &ApartmentPump::pumped, this, &MainWindow::Sync);
    resize(1100, 640);
}

void MainWindow::Open(const ParentObject& parent) {
    while (tabs_->count() > 0) {
        QWidget* tab = tabs_->widget(0);
        tabs_->removeTab(0);
        delete tab;
    }
    for (const auto& pane : panes_) {
        try {
            const automation::DispatchPtr section = panesDocument_->Call("selectSingleNode", "/PANES/" + pane.name).ToObject();
            auto* tab = new PaneTab(pane.name, pane.label, section, parent, server_);
            if (!tab->Applies()) {
                delete tab;
                continue;
            }
            connect(tab, &PaneTab::status, this, &MainWindow::Say);
            tabs_->addTab(tab, QString::fromStdString(pane.label.empty() ? pane.name : pane.label));
            tab->Load();
        } catch (const std::exception& e) {
            Say(QString::fromStdString(pane.name + ": " + automation::AutomationError::From(e).Description()));
        }
    }
    setWindowTitle(QString::fromStdString(parent.Describe()) + " - noxsimplelinks");
    if (tabs_->count() == 0) Say(tr("No pane lists anything for %1").arg(QString::fromStdString(parent.Describe())));
}

void MainWindow::AddEditMenu() {
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName("edit");
    QAction* paste = edit->addAction(QIcon::fromTheme("edit-paste"), tr("&Paste links"), this, &MainWindow::PasteIntoShownPane);
    paste->setObjectName("paste");
    // Ctrl+V anywhere in the window but a text box, which keeps the key for itself.
    paste->setShortcut(QKeySequence::Paste);
}

void MainWindow::PasteIntoShownPane() {
    if (auto* tab = qobject_cast<PaneTab*>(tabs_->currentWidget())) tab->PasteLinks();
    else Say(tr("Choose a parent first: the links are pasted into the pane shown"));
}

PaneTab* MainWindow::Tab(const std::string& pane) const {
    for (PaneTab* tab : PaneTabs())
        if (tab->Pane() == pane) return tab;
    return nullptr;
}

std::vector<PaneTab*> MainWindow::PaneTabs() const {
    std::vector<PaneTab*> tabs;
    for (int i = 0; i < tabs_->count(); ++i) tabs.push_back(static_cast<PaneTab*>(tabs_->widget(i)));
    return tabs;
}

bool MainWindow::Loading() const {
    for (PaneTab* tab : PaneTabs())
        if (tab->Loading()) return true;
    return false;
}

void MainWindow::Sync() {
    for (PaneTab* tab : PaneTabs()) tab->Sync();
}

void MainWindow::Say(const QString& text) { statusBar()->showMessage(text, 15000); }

}  // namespace desktop
