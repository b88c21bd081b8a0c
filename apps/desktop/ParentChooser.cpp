#include "ParentChooser.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <stdexcept>

namespace desktop {

namespace {

// The most objects of a type the chooser offers.
constexpr size_t kMostObjects = 1000;

}  // namespace

ParentChooser::ParentChooser(const std::vector<std::string>& samples, ServerObjects objects, QWidget* parent)
    : QWidget(parent), objects_(std::move(objects)) {
    samples_ = new QComboBox(this);
    samples_->setObjectName("samples");
    // The pick lists are as wide as a short entry; the key values get the room left.
    samples_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    samples_->setMinimumContentsLength(24);
    samples_->addItem(tr("(a parent of the sample)"));
    for (const std::string& sample : samples) samples_->addItem(QString::fromStdString(sample));
    type_ = new QLineEdit(this);
    type_->setObjectName("type");
    type_->setPlaceholderText("ITEM");
    type_->setMaximumWidth(140);
    auto* browse = new QPushButton(tr("Objects..."), this);
    browse->setObjectName("browse");
    browse->setToolTip(tr("List the objects of the type on the server"));
    found_ = new QComboBox(this);
    found_->setObjectName("objects");
    found_->setEnabled(false);
    found_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    found_->setMinimumContentsLength(20);
    keys_ = new QLineEdit(this);
    keys_->setObjectName("keys");
    keys_->setPlaceholderText("ITEM_KEY=A100 REVISION=B");
    keys_->setMinimumWidth(200);
    auto* open = new QPushButton(tr("Open"), this);
    open->setObjectName("open");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(tr("Parent:"), this));
    layout->addWidget(samples_);
    layout->addWidget(new QLabel(tr("Type:"), this));
    layout->addWidget(type_);
    layout->addWidget(browse);
    layout->addWidget(found_);
    layout->addWidget(new QLabel(tr("Keys:"), this));
    layout->addWidget(keys_, 1);
    layout->addWidget(open);
    connect(samples_, &QComboBox::activated, this, &ParentChooser::Pick);
    connect(browse, &QPushButton::clicked, this, &ParentChooser::Browse);
    connect(found_, &QComboBox::activated, this, &ParentChooser::PickObject);
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

void ParentChooser::Browse() {
    const std::string type = type_->text().trimmed().toStdString();
    found_->clear();
    found_->setEnabled(false);
    if (type.empty()) {
        emit refused(tr("Type the parent's type first, such as ITEM"));
        return;
    }
    try {
        const std::vector<std::string> objects = objects_.List(type, kMostObjects);
        found_->addItem(objects.size() < kMostObjects ? tr("(%1 objects of %2)").arg(objects.size()).arg(QString::fromStdString(type))
                                                      : tr("(the first %1 objects of %2)").arg(objects.size()).arg(QString::fromStdString(type)));
        for (const std::string& object : objects) found_->addItem(QString::fromStdString(object), QString::fromStdString(type));
        found_->setEnabled(!objects.empty());
    } catch (const std::exception& e) {
        emit refused(QString::fromUtf8(e.what()));
    }
}

void ParentChooser::PickObject(int index) {
    if (index > 0) Choose(found_->itemData(index).toString().toStdString(), found_->itemText(index).toStdString());
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
