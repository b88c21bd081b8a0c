#include "DialogView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "automation/AutomationError.h"

namespace desktop {

using platform::DialogControl;
using platform::DialogControlKind;

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }
std::string S(const QString& text) { return text.toStdString(); }

// Kinds whose caption stands beside them on a label of their own.
bool CaptionedBeside(DialogControlKind kind) {
    return kind == DialogControlKind::TextBox || kind == DialogControlKind::ComboBox || kind == DialogControlKind::ListBox ||
           kind == DialogControlKind::Grid;
}

}  // namespace

DialogView::DialogView(platform::Dialog& dialog, std::shared_ptr<platform::Dialog> keepAlive, QWidget* parent)
    : QDialog(parent), dialog_(dialog), keepAlive_(std::move(keepAlive)) {
    setObjectName(Q(dialog.Name()));
    setWindowTitle(Q(dialog.Caption()));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    layout->addLayout(form);
    layout->addLayout(buttons);
    for (const auto& control : dialog.Controls()) AddControl(control, form, buttons);
    ShowAll();
    cookie_ = dialog.Events()->Connect([this](std::string_view event, automation::Arguments& args) {
        if (event == "Change" && !args.empty() && dialog_.HasControl(args[0].TextOr(""))) ShowAll();
        else if (event == "Closed") ModelClosed();
    });
}

DialogView::~DialogView() { dialog_.Events()->Disconnect(cookie_); }

void DialogView::AddControl(const std::shared_ptr<DialogControl>& control, QFormLayout* form, QHBoxLayout* buttons) {
    QWidget* widget = MakeWidget(control);
    widget->setObjectName(Q(control->Name()));
    widgets_[control->Name()] = widget;
    if (control->Kind() == DialogControlKind::Button) {
        buttons->addWidget(widget);
    } else if (CaptionedBeside(control->Kind())) {
        auto* label = new QLabel(Q(control->Caption()), this);
        labels_[control->Name()] = label;
        form->addRow(label, widget);
    } else {
        form->addRow(widget);
    }
}

QWidget* DialogView::MakeWidget(const std::shared_ptr<DialogControl>& control) {
    const std::string name = control->Name();
    auto enter = [this, name](const std::string& text) {
        if (!showing_) Act([&] { dialog_.Enter(name, text); });
    };
    switch (control->Kind()) {
        case DialogControlKind::TextBox: {
            auto* edit = new QLineEdit(this);
            connect(edit, &QLineEdit::textEdited, this, [enter](const QString& text) { enter(S(text)); });
            return edit;
        }
        case DialogControlKind::CheckBox:
        case DialogControlKind::Option: {
            QAbstractButton* box = control->Kind() == DialogControlKind::CheckBox ? static_cast<QAbstractButton*>(new QCheckBox(this))
                                                                                 : new QRadioButton(this);
            box->setAutoExclusive(false);  // the model keeps options of one group apart
            connect(box, &QAbstractButton::clicked, this, [enter](bool checked) { enter(checked ? "1" : "0"); });
            return box;
        }
        case DialogControlKind::ComboBox: {
            auto* combo = new QComboBox(this);
            combo->setEditable(true);
            connect(combo, &QComboBox::currentTextChanged, this, [enter](const QString& text) { enter(S(text)); });
            return combo;
        }
        case DialogControlKind::ListBox: {
            auto* list = new QListWidget(this);
            connect(list, &QListWidget::currentTextChanged, this, [enter](const QString& text) { enter(S(text)); });
            return list;
        }
        case DialogControlKind::Grid: {
            auto* table = new QTableWidget(this);
            table->setSelectionBehavior(QAbstractItemView::SelectRows);
            table->setEditTriggers(QAbstractItemView::NoEditTriggers);
            connect(table, &QTableWidget::currentCellChanged, this, [enter](int row) { enter(std::to_string(row)); });
            return table;
        }
        case DialogControlKind::Button: {
            auto* button = new QPushButton(this);
            button->setAutoDefault(false);
            button->setDefault(name == dialog_.DefaultButton());
            connect(button, &QPushButton::clicked, this, [this, name] { Act([&] { dialog_.Press(name); }); });
            return button;
        }
        case DialogControlKind::Label:
        case DialogControlKind::Image:
            break;
    }
    auto* label = new QLabel(this);
    label->setWordWrap(true);
    return label;
}

void DialogView::ShowAll() {
    showing_ = true;
    for (const auto& control : dialog_.Controls()) ShowControl(*control);
    showing_ = false;
}

void DialogView::ShowControl(const DialogControl& control) {
    QWidget* widget = widgets_.at(control.Name());
    const QSignalBlocker quiet(widget);
    widget->setEnabled(control.Enabled());
    widget->setVisible(control.Visible());
    if (auto label = labels_.find(control.Name()); label != labels_.end()) {
        static_cast<QLabel*>(label->second)->setText(Q(control.Caption()));
        label->second->setVisible(control.Visible());
    }
    const QString value = Q(control.ValueText());
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        if (edit->text() != value) edit->setText(value);
    } else if (auto* box = qobject_cast<QAbstractButton*>(widget)) {
        box->setText(Q(control.Caption()));
        box->setChecked(control.Kind() != DialogControlKind::Button && value == "1");
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        combo->clear();
        for (const auto& item : control.Items()) combo->addItem(Q(item));
        combo->setEditText(value);
    } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
        list->clear();
        for (const auto& item : control.Items()) list->addItem(Q(item));
        const auto found = list->findItems(value, Qt::MatchExactly);
        if (!found.isEmpty()) list->setCurrentItem(found.front());
    } else if (auto* table = qobject_cast<QTableWidget*>(widget)) {
        table->setColumnCount(static_cast<int>(control.Items().size()));
        QStringList headers;
        for (const auto& item : control.Items()) headers << Q(item);
        table->setHorizontalHeaderLabels(headers);
        table->setRowCount(static_cast<int>(control.GridRows().size()));
        for (int row = 0; row < table->rowCount(); ++row)
            for (int col = 0; col < table->columnCount() && col < static_cast<int>(control.GridRows()[row].size()); ++col)
                table->setItem(row, col, new QTableWidgetItem(Q(control.GridRows()[row][col])));
        if (!value.isEmpty()) table->selectRow(value.toInt());
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(Q(control.Caption()));
    }
}

template <class Action>
void DialogView::Act(Action action) {
    try {
        action();
    } catch (const automation::AutomationError& e) {
        QMessageBox::warning(this, windowTitle(), Q(e.Description()));
    }
    if (dialog_.IsOpen()) ShowAll();
}

void DialogView::reject() {
    if (!dialog_.IsOpen()) {
        QDialog::reject();
        return;
    }
    // Escape and the window's close button press the cancel button, else close the dialog without a result.
    const std::string cancel = dialog_.CancelButton();
    if (!cancel.empty() && dialog_.HasControl(cancel) && dialog_.Control(cancel)->Enabled()) Act([&] { dialog_.Press(cancel); });
    else dialog_.Close();
}

void DialogView::ModelClosed() {
    done(dialog_.Result() == "OK" ? QDialog::Accepted : QDialog::Rejected);
    if (!isModal()) deleteLater();
}

QWidget* DialogView::Widget(const std::string& controlName) const {
    auto found = widgets_.find(controlName);
    return found == widgets_.end() ? nullptr : found->second;
}

}  // namespace desktop
