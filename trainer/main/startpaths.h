#pragma once

#include <QString>
#include <QUrl>

class SysDat;

// Where the trainer keeps its data: $VELTARO_HOME when set and not empty, otherwise the
// directory of the executable. The trainer makes this its working directory at start so
// every stored relative path ("veltdata\...") resolves against it.
QString dataRoot(const QString &homeVariable, const QString &executableDir);

// The bank to open at start. A fresh state record has no bank path; it then opens the
// built-in bank of its bank kind (the small-car bank for any kind without one of its own)
// rather than starting on no bank at all. The stored path itself is left as it is.
QString startBankPath(const SysDat &state);

// The built-in bank file of kinds 1 to 3, empty for any other kind.
QString builtInBank(int bankKind);

// A bank's link or a configured page: an address with a scheme is used as it is; one
// without (such as "veltdata\\tiku.htm") names a file relative to the data root.
QUrl linkUrl(const QString &link, const QString &root);
