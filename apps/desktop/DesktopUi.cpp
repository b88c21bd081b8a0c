#include "DesktopUi.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <map>
#include <utility>

#include "DialogView.h"
#include "platform/MessageBoxButtons.h"

namespace desktop {

namespace {

constexpr int kIconMask = 0x70;
constexpr int kPointerHourglass = 11;

QMessageBox::Icon IconOf(int flags) {
    switch (flags & kIconMask) {
        case 16: return QMessageBox::Critical;
        case 32: return QMessageBox::Question;
        case 48: return QMessageBox::Warning;
        case 64: return QMessageBox::Information;
        default: return QMessageBox::NoIcon;
    }
}

QMessageBox::ButtonRole RoleOf(int answer) {
    switch (answer) {
        case platform::kAnswerCancel: return QMessageBox::RejectRole;
        case platform::kAnswerNo: return QMessageBox::NoRole;
        case platform::kAnswerYes: return QMessageBox::YesRole;
        default: return QMessageBox::AcceptRole;
    }
}

}  // namespace

int DesktopUi::MsgBox(const std::string& text, int flags, const std::string& title) {
    QMessageBox box(IconOf(flags), QString::fromStdString(title.empty() ? platform::kApplicationName : title),
                    QString::fromStdString(text), QMessageBox::NoButton, QApplication::activeWindow());
    const platform::MessageBoxButtons buttons(flags);
    std::map<QAbstractButton*, int> answers;
    for (int answer : buttons.Answers()) {
        QPushButton* button = box.addButton(QString::fromStdString(platform::MessageBoxButtons::Caption(answer)), RoleOf(answer));
        answers[button] = answer;
        if (answer == buttons.DefaultAnswer()) box.setDefaultButton(button);
        if (answer == platform::kAnswerCancel || buttons.Answers().size() == 1) box.setEscapeButton(button);
    }
    // The box waits for its answer; the wait cursor of a command that asks would hide that it waits.
    const bool overridden = std::exchange(cursorOverridden_, false);
    if (overridden) QApplication::restoreOverrideCursor();
    box.exec();
    if (overridden) SetMousePointer(kPointerHourglass);
    auto answer = answers.find(box.clickedButton());
    return answer == answers.end() ? buttons.DefaultAnswer() : answer->second;
}

void DesktopUi::ShowDialog(platform::Dialog& dialog, bool modal) {
    dialog.Open(modal);
    std::shared_ptr<platform::Dialog> keepAlive = std::dynamic_pointer_cast<platform::Dialog>(dialog.weak_from_this().lock());
    if (modal || !keepAlive) {
        DialogView view(dialog, nullptr, QApplication::activeWindow());
        view.setModal(true);
        view.exec();
        dialog.Close();  // a view closed by anything but the model leaves no dialog open behind it
        return;
    }
    auto* view = new DialogView(dialog, keepAlive, QApplication::activeWindow());
    view->show();
}

void DesktopUi::SetMousePointer(int value) {
    mousePointer_ = value;
    const bool busy = value == kPointerHourglass;
    if (busy && !cursorOverridden_) QApplication::setOverrideCursor(Qt::WaitCursor);
    if (!busy && cursorOverridden_) QApplication::restoreOverrideCursor();
    cursorOverridden_ = busy;
}

}  // namespace desktop
