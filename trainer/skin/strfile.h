#pragma once

#include <QString>

#include <array>

// The key/value list of the skin file. Until a skin file is read the list is empty and
// every lookup answers "null", which names no file: the window then keeps the pictures
// of its layout.
class Strfile
{
public:
    struct STRFILE
    {
        QString key;
        QString value;
    };
    static constexpr int kCapacity = 100;

    // The value of the first entry whose key equals `key` exactly; "null" when none does.
    QString lookup(const QString &key) const;

    std::array<STRFILE, kCapacity> list;
    int last = 0; // index of the last used entry; entry 0 never holds a line
};
