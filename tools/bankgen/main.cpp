// bankgen: checks the question sources and builds a trainer bank and a game table from them.
//   bankgen --check [--pictures <file>]... <question file>...
//   bankgen --build <bank definition> --out <dir> [--pictures <file>]... <question file>...
//   bankgen --install <built bank> <installed bank>
// Without --pictures the picture descriptions are data/pictures/*.txt beside the questions.
#include "bankdefinition.h"
#include "bankfile.h"
#include "bankinstaller.h"
#include "gametable.h"
#include "picturecatalog.h"
#include "questionreader.h"
#include "selection.h"
#include "sqlitefile.h"
#include "validator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

struct Arguments
{
    QString mode;
    QString definition;
    QString outDir;
    QStringList pictures;
    QStringList files;
};

int usage()
{
    std::fputs("usage: bankgen --check [--pictures <file>]... <question file>...\n"
               "       bankgen --build <bank definition> --out <dir> [--pictures <file>]... <question file>...\n"
               "       bankgen --install <built bank> <installed bank>\n", stderr);
    return 2;
}

bool parseArguments(const QStringList &args, Arguments &a)
{
    if (args.isEmpty())
        return false;
    a.mode = args.first();
    for (int i = 1; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (args[i] == QStringLiteral("--pictures") && hasValue)
            a.pictures << args[++i];
        else if (args[i] == QStringLiteral("--out") && hasValue)
            a.outDir = args[++i];
        else if (args[i].startsWith(QStringLiteral("--")))
            return false;
        else
            a.files << args[i];
    }
    if (a.mode == QStringLiteral("--build") && !a.files.isEmpty())
        a.definition = a.files.takeFirst();
    return true;
}

QStringList defaultPictureFiles(const QStringList &questionFiles)
{
    if (questionFiles.isEmpty())
        return {};
    const QDir dir(QFileInfo(questionFiles.first()).absolutePath() + QStringLiteral("/../pictures"));
    QStringList files;
    for (const QString &name : dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name))
        files << dir.filePath(name);
    return files;
}

void printProblems(const Problems &problems)
{
    for (const Problem &p : problems)
        std::fprintf(stderr, "%s\n", qPrintable(p.toString()));
}

// Reads and validates every question; false (with the problems printed) when anything is wrong.
bool loadPool(const Arguments &a, QList<Question> &pool)
{
    Problems problems;
    const QStringList pictureFiles = a.pictures.isEmpty() ? defaultPictureFiles(a.files) : a.pictures;
    const QSet<QString> pictures = readPictureNames(pictureFiles, problems);
    for (const QString &file : a.files)
        pool += readQuestionFile(file, problems);
    validateQuestions(pool, pictures, problems);
    printProblems(problems);
    if (!problems.isEmpty())
        std::fprintf(stderr, "bankgen: %lld problem(s) in %lld question(s)\n", qlonglong(problems.size()), qlonglong(pool.size()));
    return problems.isEmpty();
}

int check(const Arguments &a)
{
    QList<Question> pool;
    if (!loadPool(a, pool))
        return 1;
    std::printf("bankgen: %lld question(s) in %lld file(s), no problems\n", qlonglong(pool.size()), qlonglong(a.files.size()));
    return 0;
}

void printSummary(const QList<Question> &pool, const BankDefinition &d, const Selection &s)
{
    int poolCount = 0, multi = 0, choice = 0, tf = 0, pictures = 0;
    for (const Question &q : pool) {
        if (!q.appliesTo(d.vehicleClass))
            continue;
        ++poolCount;
        multi += q.kind == Question::Kind::Multi;
    }
    for (const Question *q : s.table) {
        choice += q->kind == Question::Kind::Choice;
        tf += q->kind == Question::Kind::TrueFalse;
        pictures += q->hasImage();
    }
    std::printf("bankgen: %s pool %d (%d multi) / bank %lld of %d; %s: choice %d/%d, tf %d/%d, pictures %d/%d\n",
                qPrintable(d.vehicleClass), poolCount, multi, qlonglong(s.bank.size()), d.questions,
                qPrintable(d.tableFile), choice, d.tableChoice, tf, d.tableTrueFalse, pictures, d.tablePictures);
}

bool writeBankFile(const QString &path, const BankContent &content)
{
    const QString temporary = path + QStringLiteral(".tmp");
    QFile::remove(temporary);
    try {
        writeBank(temporary, content);
    } catch (const DatabaseError &e) {
        std::fprintf(stderr, "bankgen: %s\n", e.what());
        return false;
    }
    QFile::remove(path);
    if (!QFile::rename(temporary, path)) {
        std::fprintf(stderr, "bankgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

int build(const Arguments &a)
{
    if (a.definition.isEmpty() || a.outDir.isEmpty())
        return usage();
    Problems problems;
    BankDefinition d;
    if (!readBankDefinition(a.definition, d, problems)) {
        printProblems(problems);
        return 1;
    }
    QList<Question> pool;
    if (!loadPool(a, pool))
        return 1;
    const Selection s = selectQuestions(pool, d);
    printSummary(pool, d, s);
    const QDir out(a.outDir);
    QDir().mkpath(out.path());
    if (!writeBankFile(out.filePath(d.bankFile), bankContent(s.bank, d.metadata)))
        return 1;
    QString error;
    if (!writeFileIfChanged(out.filePath(d.tableFile), gameTableBytes(s.table, d.tableTrailer), error)) {
        std::fprintf(stderr, "bankgen: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}

int install(const Arguments &a)
{
    if (a.files.size() != 2)
        return usage();
    const InstallReport r = installBank(a.files[0], a.files[1]);
    switch (r.result) {
    case InstallResult::Installed:
        std::printf("bankgen: installed %s\n", qPrintable(a.files[1]));
        return 0;
    case InstallResult::Unchanged:
        std::printf("bankgen: %s already up to date, left untouched\n", qPrintable(a.files[1]));
        return 0;
    case InstallResult::Updated:
        std::printf("bankgen: updated %s, counters kept for %d question(s)\n", qPrintable(a.files[1]), r.carried);
        return 0;
    case InstallResult::Failed:
        break;
    }
    std::fprintf(stderr, "bankgen: %s\n", qPrintable(r.message));
    return 1;
}

}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    Arguments a;
    if (!parseArguments(app.arguments().mid(1), a))
        return usage();
    if (a.mode == QStringLiteral("--check"))
        return check(a);
    if (a.mode == QStringLiteral("--build"))
        return build(a);
    if (a.mode == QStringLiteral("--install"))
        return install(a);
    return usage();
}
