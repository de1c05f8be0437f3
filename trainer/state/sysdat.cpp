#include "sysdat.h"

#include "messages.h"
#include "textcodec.h"

#include <QStringEncoder>
#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace {

// Encodes text for a fixed-width field. Empty optional-like result (ok = false) when the
// text holds a character GBK cannot store or a NUL that would end the field early.
QByteArray encodeForField(const QString &text, bool *ok)
{
    QStringEncoder encoder("GBK");
    QByteArray bytes = encoder.encode(text);
    *ok = !encoder.hasError() && !bytes.contains('\0');
    return bytes;
}

}

SysDat::SysDat(QString filePath)
    : m_filePath(std::move(filePath))
    , m_bytes(kSize, 0)
{
    setBankKind(1);
}

void SysDat::applyDefaults()
{
    setBankKind(1);
    setChujiCount(10);
    setNantiCount(10);
    setNantiSensitivity(2);
    setHistoryCount(0);
    setKeyPrev(105); // numeric keypad 9
    setKeyNext(102); // numeric keypad 6
    setKeyA(97);     // numeric keypad 1 to 4
    setKeyB(98);
    setKeyC(99);
    setKeyD(100);
    setPauseMs(1000);
    setExamSeconds(2700);
}

int32_t SysDat::readInt(int offset) const
{
    if (offset < 0 || offset > kSize - 4)
        return 0;
    return qFromLittleEndian<int32_t>(m_bytes.data() + offset);
}

void SysDat::writeInt(int offset, int32_t value)
{
    if (offset < 0 || offset > kSize - 4)
        return;
    qToLittleEndian<int32_t>(value, m_bytes.data() + offset);
}

QByteArray SysDat::readText(int offset, int width) const
{
    const char *field = m_bytes.data() + offset;
    const void *end = std::memchr(field, 0, static_cast<size_t>(width));
    const int length = end ? static_cast<int>(static_cast<const char *>(end) - field) : width;
    return QByteArray(field, length);
}

bool SysDat::writeText(int offset, int width, const QString &text, const QString &what)
{
    bool encodable = false;
    const QByteArray bytes = encodeForField(text, &encodable);
    if (!encodable) {
        Messages::show(what + QStringLiteral("含有无法保存的字符，没有更改。"));
        return false;
    }
    // The field needs room for the terminating NUL as well.
    if (bytes.size() >= width) {
        Messages::show(what + QStringLiteral("太长（最多%1字节），没有更改。").arg(width - 1));
        return false;
    }
    char *field = m_bytes.data() + offset;
    std::memset(field, 0, static_cast<size_t>(width));
    std::memcpy(field, bytes.constData(), static_cast<size_t>(bytes.size()));
    return true;
}

QByteArray SysDat::bankPathBytes() const
{
    return readText(OffBankPath, kBankPathWidth);
}

QString SysDat::bankPath() const
{
    return Gbk::decode(bankPathBytes());
}

bool SysDat::setBankPath(const QString &path)
{
    return writeText(OffBankPath, kBankPathWidth, path, QStringLiteral("题库路径"));
}

int SysDat::skinOffset(SkinSlot slot)
{
    switch (slot) {
    case SkinShunxu: return OffSkinShunxu;
    case SkinChubulianxi: return OffSkinChubulianxi;
    case SkinNantilianxi: return OffSkinNantilianxi;
    case SkinKaoshi: return OffSkinKaoshi;
    }
    return OffSkinShunxu;
}

QString SysDat::skinName(SkinSlot slot) const
{
    return Gbk::decode(readText(skinOffset(slot), kSkinNameWidth));
}

bool SysDat::setSkinName(SkinSlot slot, const QString &name)
{
    return writeText(skinOffset(slot), kSkinNameWidth, name, QStringLiteral("皮肤名称"));
}

QByteArray SysDat::keyChars() const
{
    return QByteArray(m_bytes.data() + OffKeyChars, 6);
}

void SysDat::setKeyChars(const QByteArray &chars)
{
    char *field = m_bytes.data() + OffKeyChars;
    std::memset(field, 0, 6);
    std::memcpy(field, chars.constData(), static_cast<size_t>(std::min<qsizetype>(chars.size(), 6)));
}
