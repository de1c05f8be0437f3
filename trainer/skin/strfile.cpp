#include "strfile.h"

QString Strfile::lookup(const QString &key) const
{
    for (int i = 0; i <= last && i < kCapacity; ++i) {
        if (list[i].key == key)
            return list[i].value;
    }
    return QStringLiteral("null");
}
