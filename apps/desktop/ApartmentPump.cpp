#include "ApartmentPump.h"

#include <QCoreApplication>
#include <QTimer>

#include "automation/Apartment.h"

namespace desktop {

namespace {

constexpr int kPumpIntervalMs = 15;

}  // namespace

ApartmentPump& ApartmentPump::Instance() {
    static ApartmentPump* pump = new ApartmentPump();
    return *pump;
}

ApartmentPump::ApartmentPump() : QObject(QCoreApplication::instance()) {
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &ApartmentPump::Pump);
    timer->start(kPumpIntervalMs);
}

void ApartmentPump::Pump() {
    if (automation::Apartment::Current()->Pump() > 0) emit pumped();
}

}  // namespace desktop
