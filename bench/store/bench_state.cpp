// Saving the state record against the least a durable write of its size costs.
#include "sysdat.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <vector>

namespace {

QTemporaryDir diskDir()
{
    // Beside the working directory, so the flush goes to the real disk.
    return QTemporaryDir(QDir::current().filePath(QStringLiteral("bench-state-XXXXXX")));
}

void BM_SaveStateRecord(benchmark::State &state)
{
    QTemporaryDir dir = diskDir();
    SysDat record(dir.filePath(QStringLiteral("sys.dat")));
    record.applyDefaults();
    for (auto _ : state) {
        if (!record.save())
            state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SaveStateRecord)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor: the record's bytes written over the old file with one write and one fsync.
void BM_FloorWriteAndFsync(benchmark::State &state)
{
    QTemporaryDir dir = diskDir();
    const QByteArray file = QFile::encodeName(dir.filePath(QStringLiteral("sys.dat")));
    const std::vector<char> bytes(SysDat::kSize, 1);
    for (auto _ : state) {
        const int fd = ::open(file.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
            state.SkipWithError("write failed");
        ::fsync(fd);
        ::close(fd);
    }
}
BENCHMARK(BM_FloorWriteAndFsync)->Unit(benchmark::kMillisecond)->UseRealTime();

}
