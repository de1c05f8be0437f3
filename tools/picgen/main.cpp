// picgen: draws every picture described in the given description files.
//   picgen <output dir> <description file>...
// A description line is "<file name>: <drawer> <arguments...>"; '#' starts a comment line.
// Arguments are separated by blanks; an argument holding blanks is written in double quotes.
#include "picgen.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QRegularExpression>
#include <QTextStream>

#include <cstdio>

namespace {

QStringList splitArguments(const QString &line)
{
    QStringList args;
    static const QRegularExpression token(QStringLiteral(R"re("([^"]*)"|(\S+))re"));
    auto it = token.globalMatch(line);
    while (it.hasNext()) {
        const auto m = it.next();
        args << (m.capturedStart(1) >= 0 ? m.captured(1) : m.captured(2));
    }
    return args;
}

int fail(const QString &where, const QString &what)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(where), qPrintable(what));
    return 1;
}

}

int main(int argc, char *argv[])
{
    // Fonts need a GUI application; the offscreen platform keeps it headless.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3)
        return fail(QStringLiteral("picgen"), QStringLiteral("usage: picgen <output dir> <description file>..."));

    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path()))
        return fail(out.path(), QStringLiteral("cannot create the output directory"));

    int errors = 0;
    for (int i = 2; i < argc; ++i) {
        QFile file(QString::fromLocal8Bit(argv[i]));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            errors += fail(file.fileName(), QStringLiteral("cannot read"));
            continue;
        }
        QTextStream in(&file);
        in.setEncoding(QStringConverter::Utf8);
        int lineNo = 0;
        while (!in.atEnd()) {
            const QString line = in.readLine().trimmed();
            ++lineNo;
            const QString where = QStringLiteral("%1:%2").arg(file.fileName()).arg(lineNo);
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            const int colon = line.indexOf(QLatin1Char(':'));
            if (colon <= 0) {
                errors += fail(where, QStringLiteral("expected '<file name>: <drawer> <arguments>'"));
                continue;
            }
            const QString name = line.left(colon).trimmed();
            QStringList args = splitArguments(line.mid(colon + 1));
            if (args.isEmpty()) {
                errors += fail(where, QStringLiteral("no drawer named"));
                continue;
            }
            const DrawerInfo *drawer = findDrawer(args.takeFirst());
            if (!drawer) {
                errors += fail(where, QStringLiteral("unknown drawer"));
                continue;
            }
            QImage picture(drawer->size, QImage::Format_RGB32);
            picture.fill(Qt::white);
            const QString problem = drawer->draw(picture, args);
            if (!problem.isEmpty()) {
                errors += fail(where, problem + QStringLiteral(" (usage: ") + drawer->usage + QLatin1Char(')'));
                continue;
            }
            if (!picture.save(out.filePath(name), "JPG", 92))
                errors += fail(where, QStringLiteral("cannot write ") + out.filePath(name));
        }
    }
    return errors == 0 ? 0 : 1;
}
