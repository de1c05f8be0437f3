// Reading and writing the state record as one block.
#include "sysdat.h"

#include "messages.h"
#include "textcodec.h"

#include <QFile>
#include <QSaveFile>

#include <exception>

namespace {
// Code 1: no file to read. Code 2: a read that broke off, or no file could be created.
// Code 3: writing or replacing the file failed.
const QString kCannotRead = QStringLiteral("错误代码:1,或者请以管理员身份运行；");
const QString kReadOrCreateFailed = QStringLiteral("错误代码:2,或者请以管理员身份运行；");
const QString kWriteFailed = QStringLiteral("错误代码:3,或者请以管理员身份运行；");
}

void SysDat::load()
{
    try {
        QFile file(nativePath(m_filePath));
        if (!file.open(QIODevice::ReadOnly)) {
            Messages::show(kCannotRead);
            applyDefaults();
            save();
            return;
        }
        // A shorter file fills only the beginning; the rest keeps what the record held.
        if (file.read(m_bytes.data(), kSize) < 0)
            Messages::show(kReadOrCreateFailed);
    } catch (const std::exception &) {
        Messages::show(kReadOrCreateFailed);
    }
}

bool SysDat::save()
{
    try {
        // The record goes to a temporary file beside the old one, is flushed to disk and
        // only then renamed over it: a crash or a full disk half-way through leaves the
        // previous file whole instead of a torn or empty history.
        QSaveFile file(nativePath(m_filePath));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            Messages::show(kReadOrCreateFailed);
            return false;
        }
        if (file.write(m_bytes.data(), kSize) != kSize || !file.commit()) {
            Messages::show(kWriteFailed);
            return false;
        }
        return true;
    } catch (const std::exception &) {
        Messages::show(kWriteFailed);
        return false;
    }
}
