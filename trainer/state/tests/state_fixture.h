#pragma once

#include "messages.h"
#include "sysdat.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Each test runs in a fresh working directory holding an empty "veltdata", because the
// state file lives relative to the working directory.
class StateTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    static QByteArray readStateFile();
    static void writeStateFile(const QByteArray &bytes);
    static int32_t intAt(const QByteArray &bytes, int offset);

    QTemporaryDir dir;
    QString previousDir;
    MessageRecorder messages;
    MessageSink *previousSink = nullptr;
};

inline const QString kCode1 = QStringLiteral("错误代码:1,或者请以管理员身份运行；");
inline const QString kCode2 = QStringLiteral("错误代码:2,或者请以管理员身份运行；");
inline const QString kCode3 = QStringLiteral("错误代码:3,或者请以管理员身份运行；");
inline const QString kHistoryFull = QStringLiteral("没法记录了，请删除一些历史记录。");
