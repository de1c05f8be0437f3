#include "state_fixture.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

void StateTest::SetUp()
{
    ASSERT_TRUE(dir.isValid());
    previousDir = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("veltdata")));
    previousSink = Messages::install(&messages);
}

void StateTest::TearDown()
{
    Messages::install(previousSink);
    QDir::setCurrent(previousDir);
}

QByteArray StateTest::readStateFile()
{
    QFile file(QStringLiteral("veltdata/sys.dat"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void StateTest::writeStateFile(const QByteArray &bytes)
{
    QFile file(QStringLiteral("veltdata/sys.dat"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

int32_t StateTest::intAt(const QByteArray &bytes, int offset)
{
    return qFromLittleEndian<int32_t>(bytes.constData() + offset);
}
