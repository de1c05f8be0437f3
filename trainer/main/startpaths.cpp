#include "startpaths.h"

#include "sysdat.h"
#include "textcodec.h"

#include <QDir>
#include <QRegularExpression>

QString dataRoot(const QString &homeVariable, const QString &executableDir)
{
    return homeVariable.isEmpty() ? executableDir : homeVariable;
}

QString builtInBank(int bankKind)
{
    switch (bankKind) {
    case 1: return QStringLiteral("veltdata\\小车.stk");
    case 2: return QStringLiteral("veltdata\\客车.stk");
    case 3: return QStringLiteral("veltdata\\货车.stk");
    default: return QString();
    }
}

QString startBankPath(const SysDat &state)
{
    const QString stored = state.bankPath();
    if (!stored.isEmpty())
        return stored;
    const QString builtIn = builtInBank(state.bankKind());
    return builtIn.isEmpty() ? builtInBank(1) : builtIn;
}

QUrl linkUrl(const QString &link, const QString &root)
{
    const QString trimmed = link.trimmed();
    if (trimmed.isEmpty())
        return QUrl();
    // Two or more letters before the colon: a scheme such as http: or mailto:, never a
    // drive letter.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    if (scheme.match(trimmed).hasMatch())
        return QUrl(trimmed);
    return QUrl::fromLocalFile(QDir(root).absoluteFilePath(nativePath(trimmed)));
}
