#pragma once

#include <QByteArray>
#include <QString>

// Files and sockets carry narrow text in GBK; the interface works in UTF-16.
namespace Gbk {
QByteArray encode(const QString &text);
QString decode(const QByteArray &bytes);
// Decodes a NUL-terminated field of at most `width` bytes.
QString decodeField(const char *field, int width);
}

// Stored paths keep their written form ("veltdata\\小车.stk"); this turns one into a path
// the file system here understands, at the moment the file is opened, and nowhere else.
QString nativePath(const QString &storedPath);
