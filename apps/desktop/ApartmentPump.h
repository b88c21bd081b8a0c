#pragma once
// The apartment pumped from Qt's event loop: every few milliseconds the work other threads posted
// (answers of the server) runs on the windows' thread, and every window that shows what it changes
// hears of it. One for the process, as the apartment is.
#include <QObject>

class QTimer;

namespace desktop {

class ApartmentPump : public QObject {
    Q_OBJECT
public:
    // Created on first use, owned by the application.
    static ApartmentPump& Instance();

signals:
    // Work of the apartment ran.
    void pumped();

private:
    ApartmentPump();
    void Pump();
};

}  // namespace desktop
