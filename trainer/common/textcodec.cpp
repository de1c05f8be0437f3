#include "textcodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <cstring>

namespace Gbk {

QByteArray encode(const QString &text)
{
    QStringEncoder encoder("GBK");
    QByteArray bytes = encoder.encode(text);
    return bytes;
}

QString decode(const QByteArray &bytes)
{
    QStringDecoder decoder("GBK");
    QString text = decoder.decode(bytes);
    return text;
}

QString decodeField(const char *field, int width)
{
    const void *end = std::memchr(field, 0, static_cast<size_t>(width));
    const int length = end ? static_cast<int>(static_cast<const char *>(end) - field) : width;
    return decode(QByteArray(field, length));
}

}

QString nativePath(const QString &storedPath)
{
    QString path = storedPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path;
}
