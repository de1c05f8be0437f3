#include "picgen.h"

#include <QMap>

namespace {
QMap<QString, DrawerInfo> &drawers()
{
    static QMap<QString, DrawerInfo> map;
    return map;
}
}

bool registerDrawer(const DrawerInfo &info)
{
    drawers().insert(info.name, info);
    return true;
}

const DrawerInfo *findDrawer(const QString &name)
{
    auto it = drawers().constFind(name);
    return it == drawers().constEnd() ? nullptr : &it.value();
}

QList<DrawerInfo> allDrawers()
{
    return drawers().values();
}
