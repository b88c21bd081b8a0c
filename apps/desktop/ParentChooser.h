#pragma once
// The parent chooser above the panes: a pick among the sample's parents (the parents the panes file
// gives as examples, objects of the reference server), or the type and the key values typed in.
#include <QWidget>
#include <string>
#include <vector>

#include "ParentObject.h"
#include "ServerObjects.h"

class QComboBox;
class QLineEdit;

namespace desktop {

class ParentChooser : public QWidget {
    Q_OBJECT
public:
    // samples: "TYPE KEY=VALUE ..." each; objects: where the typed type's objects are looked up.
    ParentChooser(const std::vector<std::string>& samples, ServerObjects objects, QWidget* parent = nullptr);

    // Fills in a parent and opens it, as a person would.
    void Choose(const std::string& type, const std::string& keyValues);
    void OpenTyped();
    // Lists the objects of the typed type on the server, for a pick among them.
    void Browse();

signals:
    void chosen(const desktop::ParentObject& parent);
    void refused(const QString& why);

private:
    void Pick(int index);
    void PickObject(int index);

    ServerObjects objects_;
    QComboBox* samples_;
    QComboBox* found_;
    QLineEdit* type_;
    QLineEdit* keys_;
};

}  // namespace desktop
