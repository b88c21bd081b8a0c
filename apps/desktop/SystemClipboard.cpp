#include "SystemClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace desktop {

std::string SystemClipboard::GetText() { return QGuiApplication::clipboard()->text().toStdString(); }

void SystemClipboard::SetText(const std::string& text) { QGuiApplication::clipboard()->setText(QString::fromStdString(text)); }

void SystemClipboard::Clear() { QGuiApplication::clipboard()->clear(); }

}  // namespace desktop
