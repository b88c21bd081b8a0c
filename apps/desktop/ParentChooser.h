#pragma once
// The parent chooser above the panes: a pick among the sample's parents (the parents the panes file
// gives as examples, objects of the reference server), or the type and the key values typed in.
#include <QWidget>
#include <string>
#include <vector>

#include "ParentObject.h"

class QComboBox;
class QLineEdit;

namespace desktop {

class ParentChooser : public QWidget {
    Q_OBJECT
public:
    // samples: "TYPE KEY=VALUE ..." each.
    explicit ParentChooser(const std::vector<std::string>& samples, QWidget* parent = nullptr);

    // Fills in a parent and opens it, as a person would.
    void Choose(const std::string& type, const std::string& keyValues);
    void OpenTyped();

signals:
    void chosen(const desktop::ParentObject& parent);
    void refused(const QString& why);

private:
    void Pick(int index);

    QComboBox* samples_;
    QLineEdit* type_;
    QLineEdit* keys_;
};

}  // namespace desktop
