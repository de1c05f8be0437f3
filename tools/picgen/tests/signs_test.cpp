// The sign drawers: characteristic colours land where a learner expects them, bad
// arguments are refused with a message, and every sign described in the data draws.
#include "../picgen.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTest>
#include <QTextStream>

namespace {

const QColor kRed(200, 22, 35), kYellow(250, 200, 20), kBlue(10, 80, 165), kGreen(0, 120, 70);
const QColor kBrown(120, 70, 35), kBlack(25, 25, 25), kWhite(255, 255, 255);

QString draw(const QString &drawer, const QStringList &args, QImage &picture)
{
    const DrawerInfo *info = findDrawer(drawer);
    if (!info)
        return QStringLiteral("no drawer ") + drawer;
    picture = QImage(info->size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    return info->draw(picture, args);
}

bool near(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) <= 30 && qAbs(a.green() - b.green()) <= 30 && qAbs(a.blue() - b.blue()) <= 30;
}

// "name: drawer args..." with quoted arguments, as picgen reads them.
QStringList splitArguments(const QString &line)
{
    QStringList args;
    static const QRegularExpression token(QStringLiteral("\"([^\"]*)\"|(\\S+)"));
    auto it = token.globalMatch(line);
    while (it.hasNext()) {
        const auto m = it.next();
        args << (m.capturedStart(1) >= 0 ? m.captured(1) : m.captured(2));
    }
    return args;
}

}

class SignsTest : public QObject
{
    Q_OBJECT

private slots:
    void colourAtPoint_data()
    {
        QTest::addColumn<QString>("drawer");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QColor>("expected");
        // Sign units are mapped so that 108 units span half the shorter side.
        QTest::newRow("warning field is yellow") << "warning" << QStringList{"crossroads"} << QPoint(108, 233) << kYellow;
        QTest::newRow("warning band is black") << "warning" << QStringList{"crossroads"} << QPoint(150, 254) << kBlack;
        QTest::newRow("warning pictogram is black") << "warning" << QStringList{"crossroads"} << QPoint(150, 170) << kBlack;
        QTest::newRow("prohibition ring is red") << "prohibit" << QStringList{"closed"} << QPoint(150, 24) << kRed;
        QTest::newRow("closed sign is empty inside") << "prohibit" << QStringList{"closed"} << QPoint(150, 150) << kWhite;
        QTest::newRow("no entry: white bar") << "prohibit" << QStringList{"no-entry"} << QPoint(150, 150) << kWhite;
        QTest::newRow("no entry: red field") << "prohibit" << QStringList{"no-entry"} << QPoint(150, 60) << kRed;
        QTest::newRow("no stopping: blue field") << "prohibit" << QStringList{"no-stopping"} << QPoint(150, 80) << kBlue;
        QTest::newRow("no stopping: both slashes") << "prohibit" << QStringList{"no-stopping"} << QPoint(199, 101) << kRed;
        QTest::newRow("no long parking: one slash") << "prohibit" << QStringList{"no-long-parking"} << QPoint(199, 101) << kBlue;
        QTest::newRow("stop octagon is red") << "prohibit" << QStringList{"stop"} << QPoint(53, 150) << kRed;
        QTest::newRow("give way band is red") << "prohibit" << QStringList{"give-way"} << QPoint(150, 49) << kRed;
        QTest::newRow("mandatory disc is blue") << "mandatory" << QStringList{"straight"} << QPoint(80, 150) << kBlue;
        QTest::newRow("mandatory arrow is white") << "mandatory" << QStringList{"straight"} << QPoint(150, 178) << kWhite;
        QTest::newRow("expressway panel is green") << "guide" << QStringList{"panel", "expressway", "A"} << QPoint(21, 140) << kGreen;
        QTest::newRow("road panel is blue") << "guide" << QStringList{"panel", "road", "A"} << QPoint(21, 140) << kBlue;
        QTest::newRow("tourist panel is brown") << "guide" << QStringList{"panel", "tourist", "A"} << QPoint(21, 140) << kBrown;
        QTest::newRow("national route plate is red") << "guide" << QStringList{"route", "national", "G1"} << QPoint(86, 140) << kRed;
        QTest::newRow("provincial route plate is yellow") << "guide" << QStringList{"route", "provincial", "S1"} << QPoint(86, 140) << kYellow;
    }

    void colourAtPoint()
    {
        QFETCH(QString, drawer);
        QFETCH(QStringList, args);
        QFETCH(QPoint, point);
        QFETCH(QColor, expected);
        QImage picture;
        QCOMPARE(draw(drawer, args, picture), QString());
        const QColor actual = picture.pixelColor(point);
        QVERIFY2(near(actual, expected), qPrintable(QStringLiteral("found %1, expected %2")
                                                        .arg(actual.name(), expected.name())));
    }

    void badArgumentsAreRefused_data()
    {
        QTest::addColumn<QString>("drawer");
        QTest::addColumn<QStringList>("args");
        QTest::newRow("warning without pictogram") << "warning" << QStringList{};
        QTest::newRow("unknown pictogram") << "warning" << QStringList{"dragons"};
        QTest::newRow("two pictograms") << "warning" << QStringList{"slow", "danger"};
        QTest::newRow("speed limit without value") << "prohibit" << QStringList{"speed"};
        QTest::newRow("value where none belongs") << "prohibit" << QStringList{"closed", "5"};
        QTest::newRow("unknown legend") << "mandatory" << QStringList{"fly"};
        QTest::newRow("minimum speed without value") << "mandatory" << QStringList{"min-speed"};
        QTest::newRow("unknown panel colour") << "guide" << QStringList{"panel", "purple", "A"};
        QTest::newRow("panel without lines") << "guide" << QStringList{"panel", "road"};
        QTest::newRow("route without number") << "guide" << QStringList{"route", "national"};
        QTest::newRow("junction with two places") << "guide" << QStringList{"junction", "A", "B"};
        QTest::newRow("unknown lane code") << "guide" << QStringList{"lanes", "S", "X"};
        QTest::newRow("a single lane") << "guide" << QStringList{"lanes", "S"};
        QTest::newRow("unknown guide kind") << "guide" << QStringList{"billboard"};
    }

    void badArgumentsAreRefused()
    {
        QFETCH(QString, drawer);
        QFETCH(QStringList, args);
        QImage picture;
        QVERIFY(!draw(drawer, args, picture).isEmpty());
    }

    void everyDescribedSignDraws()
    {
        QFile file(qEnvironmentVariable("VELTARO_SOURCE_DIR") + QStringLiteral("/data/pictures/signs.txt"));
        QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(file.fileName()));
        QTextStream in(&file);
        int drawn = 0;
        while (!in.atEnd()) {
            const QString line = in.readLine().trimmed();
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            const int colon = line.indexOf(QLatin1Char(':'));
            QVERIFY2(colon > 0, qPrintable(line));
            QStringList args = splitArguments(line.mid(colon + 1));
            QVERIFY2(!args.isEmpty(), qPrintable(line));
            const QString drawer = args.takeFirst();
            QImage picture;
            QCOMPARE(draw(drawer, args, picture), QString());
            ++drawn;
        }
        QVERIFY(drawn > 0);
    }
};

QTEST_MAIN(SignsTest)
#include "signs_test.moc"
