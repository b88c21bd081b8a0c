#include "ToolIcon.h"

#include <QApplication>
#include <QFileInfo>
#include <QPainter>
#include <QStyle>
#include <map>

#include "automation/Dispatch.h"

namespace desktop {

namespace {

// The style's icons for the picture names the toolbars use most.
const std::map<QString, QStyle::StandardPixmap>& StyleIcons() {
    static const std::map<QString, QStyle::StandardPixmap> icons = {
        {"refresh", QStyle::SP_BrowserReload},       {"delete", QStyle::SP_TrashIcon},
        {"unlink", QStyle::SP_DialogDiscardButton},   {"find", QStyle::SP_FileDialogContentsView},
        {"attributes", QStyle::SP_FileDialogInfoView}, {"save_layout", QStyle::SP_DialogSaveButton},
        {"approve", QStyle::SP_DialogApplyButton},    {"reject", QStyle::SP_DialogCancelButton},
        {"create_new", QStyle::SP_FileDialogNewFolder}, {"open_collection", QStyle::SP_DirOpenIcon},
        {"open_structure", QStyle::SP_DirLinkIcon},   {"view_file", QStyle::SP_FileIcon},
        {"get_file", QStyle::SP_ArrowDown},           {"columns", QStyle::SP_FileDialogListView},
    };
    return icons;
}

QIcon Badge(const QString& name) {
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor::fromHsv(static_cast<int>(qHash(name) % 360), 90, 200));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(pixmap.rect().adjusted(1, 1, -1, -1), 5, 5);
    QString initials;
    for (const QString& word : name.split('_', Qt::SkipEmptyParts)) initials += word.front().toUpper();
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, initials.left(2));
    return QIcon(pixmap);
}

QString PictureName(const automation::Variant& picture) {
    if (picture.IsString()) return QString::fromStdString(picture.ToString());
    if (!picture.IsObject() || picture.IsNothing()) return {};
    try {
        const automation::DispatchPtr object = picture.ToObject();
        const QString path = QString::fromStdString(object->Get("Path").TextOr(""));
        if (!path.isEmpty() && QFileInfo::exists(path)) return path;
        return QString::fromStdString(object->Get("Key").TextOr(""));
    } catch (...) {
        return {};  // a picture object that names neither file nor key
    }
}

}  // namespace

QIcon ToolIcon(const automation::Variant& picture) {
    const QString name = PictureName(picture);
    if (name.isEmpty()) return {};
    if (QFileInfo::exists(name)) return QIcon(name);
    if (QIcon::hasThemeIcon(name)) return QIcon::fromTheme(name);
    if (auto standard = StyleIcons().find(name); standard != StyleIcons().end())
        return QApplication::style()->standardIcon(standard->second);
    return Badge(name);
}

}  // namespace desktop
