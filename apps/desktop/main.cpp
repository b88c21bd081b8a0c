// simplelinks-desktop: the attached-items pane in a desktop window.
#include <CLI/CLI.hpp>
#include <QApplication>
#include <QMessageBox>
#include <QTabWidget>
#include <iostream>

#include "DesktopSession.h"
#include "MainWindow.h"
#include "PaneTab.h"
#include "ParentChooser.h"
#include "hosting/ShippedProfile.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);  // takes Qt's own options off the command line
    CLI::App app{"simplelinks-desktop: the attached-items pane of the PLM client in a window"};
    std::string server, pane;
    std::vector<std::string> parent;
    app.add_option("--server", server, "A server at http://host:port/path instead of the embedded one");
    app.add_option("--parent", parent, "Open a parent at once: its type, then KEY=VALUE for each key")->expected(1, -1);
    app.add_option("--pane", pane, "The pane to show first, as named in the panes file");
    hosting::UseShippedAllUsersProfile();
    CLI11_PARSE(app, argc, argv);
    try {
        desktop::DesktopSession session(server);
        desktop::MainWindow window(server);
        window.show();
        if (!parent.empty()) {
            std::string keys;
            for (size_t i = 1; i < parent.size(); ++i) keys += parent[i] + " ";
            window.Chooser().Choose(parent.front(), keys);
        }
        if (desktop::PaneTab* tab = window.Tab(pane)) window.Tabs().setCurrentWidget(tab);
        return application.exec();
    } catch (const std::exception& e) {
        std::cerr << "simplelinks-desktop: " << e.what() << "\n";
        QMessageBox::critical(nullptr, "simplelinks-desktop", QString::fromStdString(e.what()));
    }
    return 1;
}
