#pragma once
// A dialog model drawn as a Qt dialog: its caption as the title, each control as a widget (labels,
// text boxes, check boxes, options, combo and list boxes, grids, images; the buttons in a row at the
// bottom). What a person does goes to the model (Enter, Press); the view follows the model's Change
// and closes on its Closed. Enter and Escape press the model's default and cancel buttons.
#include <QDialog>
#include <map>
#include <memory>

#include "platform/dialog/Dialog.h"

class QHBoxLayout;
class QFormLayout;

namespace desktop {

class DialogView : public QDialog {
    Q_OBJECT
public:
    // keepAlive holds the model while a dialog that is not modal stays open (may be null for a modal one).
    DialogView(platform::Dialog& dialog, std::shared_ptr<platform::Dialog> keepAlive, QWidget* parent = nullptr);
    ~DialogView() override;

    QWidget* Widget(const std::string& controlName) const;

public slots:
    void reject() override;

private:
    void AddControl(const std::shared_ptr<platform::DialogControl>& control, QFormLayout* form, QHBoxLayout* buttons);
    QWidget* MakeWidget(const std::shared_ptr<platform::DialogControl>& control);
    void ShowControl(const platform::DialogControl& control);
    void ShowAll();
    // Runs a person's action on the model; a refusal is shown, not thrown.
    template <class Action>
    void Act(Action action);
    void ModelClosed();

    platform::Dialog& dialog_;
    std::shared_ptr<platform::Dialog> keepAlive_;
    std::map<std::string, QWidget*> widgets_;
    std::map<std::string, QWidget*> labels_;
    bool showing_ = false;
    int cookie_ = 0;
};

}  // namespace desktop
