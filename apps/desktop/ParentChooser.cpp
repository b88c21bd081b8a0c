#include "ParentChooser.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <stdexcept>

namespace desktop {

ParentChooser::ParentChooser(const std::vector<std::string>& samples, QWidget* parent) : QWidget(parent) {
    samples_ = new QComboBox(this);
    samples_->setObjectName("samples");
    samples_->addItem(tr("(a parent of the sample)"));
    for (const std::string& sample : samples) samples_->addItem(QString::fromStdString(sample));
    type_ = new QLineEdit(this);
    type_->setObjectName("type");
    type_->setPlaceholderText("ITEM");
    type_->setMaximumWidth(180);
    keys_ = new QLineEdit(this);
    keys_->setObjectName("keys");
    keys_->setPlaceholderText("ITEM_KEY=A100 REVISION=B");
    auto* open = new QPushButton(tr("Open"), this);
    open->setObjectName("open");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(tr("Parent:"), this));
    layout->addWidget(samples_);
    layout->addWidget(new QLabel(tr("Type:"), this));
    layout->addWidget(type_);
    layout->addWidget(new QLabel(tr("Keys:"), this));
    layout->addWidget(keys_, 1);
    layout->addWidget(open);
    connect(samples_, &QComboBox::activated, this, &ParentChooser::Pick);
    connect(open, &QPushButton::clicked, this, &ParentChooser::OpenTyped);
    connect(keys_, &QLineEdit::returnPressed, this, &ParentChooser::OpenTyped);
    connect(type_, &QLineEdit::returnPressed, this, &ParentChooser::OpenTyped);
}

void ParentChooser::Pick(int index) {
    if (index <= 0) return;
    const QString sample = samples_->itemText(index);
    const qsizetype space = sample.indexOf(' ');
    Choose(sample.left(space).toStdString(), space < 0 ? std::string() : sample.mid(space + 1).toStdString());
}

void ParentChooser::Choose(const std::string& type, const std::string& keyValues) {
    type_->setText(QString::fromStdString(type));
    keys_->setText(QString::fromStdString(keyValues));
    OpenTyped();
}

void ParentChooser::OpenTyped() {
    try {
        emit chosen(ParentObject::Parse(type_->text().trimmed().toStdString(), keys_->text().toStdString()));
    } catch (const std::runtime_error& e) {
        emit refused(QString::fromUtf8(e.what()));
    }
}

}  // namespace desktop
