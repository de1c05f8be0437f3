#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>

// A drawer paints one kind of picture from the arguments of its description line.
// It returns an empty string on success, or a message naming what was wrong.
using PictureDrawer = std::function<QString(QImage &picture, const QStringList &args)>;

struct DrawerInfo
{
    QString name;      // first word of a description line
    QString usage;     // arguments, for the README and error messages
    QSize size;        // picture size in pixels
    PictureDrawer draw;
};

// Drawers register themselves from their own source file:
//   static const bool registered = registerDrawer({"warning", "...", {300, 300}, drawWarning});
bool registerDrawer(const DrawerInfo &info);
const DrawerInfo *findDrawer(const QString &name);
QList<DrawerInfo> allDrawers();
