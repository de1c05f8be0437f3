// The main window, offscreen, on a small bank written by the test.
#include "answertext.h"
#include "messages.h"
#include "testbank.h"
#include "tform1.h"
#include "ui_tform1.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QSignalSpy>
#include <QWheelEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>

namespace {
const QString kBankFile = QStringLiteral("veltdata/小车.stk");

QString memo(const QString &text)
{
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return plain;
}
}

class TForm1Test : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startsOnTheBuiltInBankAndEntersPreliminaryPractice();
    void modeCaptions();
    void keysOnChoiceAndTrueFalse();
    void keysWorkWhateverHasTheFocus();
    void practiceRunCountsFirstAnswers();
    void endOfListMessages();
    void multiSelectThroughTheBoxes();
    void gridClickShowsThatQuestion();
    void emptyListNeverBreaks();
    void pageTakesQuotesAndBackslashes();
    void informationPanel();
    void bankWithoutPictureDirectoryWarnsOnce();

private:
    void makeHome(const std::vector<BankRow> &rows,
                  const std::vector<BankMeta> &meta = {{QStringLiteral("mulu"), QStringLiteral("veltdata")},
                                                       {QStringLiteral("tikuZuoZhe"), QStringLiteral("测试题库")}});
    // The window enters its first mode once the question page has loaded; tests act after.
    static bool started(TForm1 &form);
    QString pageText(TForm1 &form);

    QTemporaryDir *home = nullptr;
    QString previousDir;
    MessageRecorder messages;
    MessageSink *previousSink = nullptr;
};

void TForm1Test::makeHome(const std::vector<BankRow> &rows, const std::vector<BankMeta> &meta)
{
    QDir().mkpath(QStringLiteral("veltdata"));
    QVERIFY(writeTestBank(kBankFile, rows, meta));
    const QString pages = qEnvironmentVariable("VELTARO_SOURCE_DIR") + QStringLiteral("/data/pages/htm.htm");
    QVERIFY(QFile::copy(pages, QStringLiteral("veltdata/htm.htm")));
}

void TForm1Test::init()
{
    home = new QTemporaryDir;
    previousDir = QDir::currentPath();
    QDir::setCurrent(home->path());
    messages.texts.clear();
    previousSink = Messages::install(&messages);
}

void TForm1Test::cleanup()
{
    Messages::install(previousSink);
    QDir::setCurrent(previousDir);
    delete home;
}

bool TForm1Test::started(TForm1 &form)
{
    return QTest::qWaitFor([&] { return form.session().modeId == ModePreliminary; }, 20000);
}

QString TForm1Test::pageText(TForm1 &form)
{
    QString text;
    bool done = false;
    form.form()->ImagIE->page()->runJavaScript(QStringLiteral("document.getElementById('text').innerHTML"),
                                               [&](const QVariant &v) {
                                                   text = v.toString();
                                                   done = true;
                                               });
    if (!QTest::qWaitFor([&] { return done; }, 10000))
        return QStringLiteral("<no answer from the page>");
    return text;
}

void TForm1Test::startsOnTheBuiltInBankAndEntersPreliminaryPractice()
{
    makeHome(mixedDozen());
    TForm1 form; // no sys.dat: a fresh record without a bank path
    QCOMPARE(messages.texts, QStringList{QStringLiteral("错误代码:1,或者请以管理员身份运行；")});
    QCOMPARE(form.bankCount, 12);
    QCOMPARE(form.form()->lbltikuzhuozhe->text(), QStringLiteral("测试题库"));
    QCOMPARE(form.session().modeId, int(ModeNone));
    form.show();
    QTRY_COMPARE_WITH_TIMEOUT(form.session().modeId, int(ModePreliminary), 20000);
    QCOMPARE(form.windowTitle(), QStringLiteral("初步练习     Veltaro11.0"));
    QCOMPARE(form.form()->Label3->text(), QStringLiteral("1/10"));
    QTRY_COMPARE_WITH_TIMEOUT(pageText(form),
                              QStringLiteral("第1题：驾驶机动车遇到这种情况应当怎么做？<br>A、减速慢行<br>B、加速通过<br>C、鸣喇叭催促<br>D、停车等待"),
                              10000);
    QVERIFY(!form.form()->PaSuanZe->isHidden());
    QVERIFY(form.form()->PaPanDuan->isHidden());
    QVERIFY(form.form()->Label4->isHidden());
    QVERIFY(!form.form()->pnl2->isHidden());
    QVERIFY(form.form()->pnlIE->isHidden());
}

void TForm1Test::modeCaptions()
{
    makeHome(mixedDozen());
    TForm1 form;
    const struct { void (TForm1::*entry)(); const char *title; int mode; } cases[] = {
        {&TForm1::SunXuClick, "顺序练习        Veltaro11.0", ModeSequential},
        {&TForm1::chujiClick, "初步练习     Veltaro11.0", ModePreliminary},
        {&TForm1::LianXKSClick, "100题考试练习     Veltaro11.0", ModeDifficult},
        {&TForm1::btnErrorLianXClick, "错误集练习    Veltaro11.0", ModeWrongReview},
    };
    for (const auto &c : cases) {
        (form.*c.entry)();
        QCOMPARE(form.windowTitle(), QString::fromUtf8(c.title));
        QCOMPARE(form.session().modeId, c.mode);
    }
    // Nothing to restart in the wrong-question review.
    form.Button2Click();
    QCOMPARE(form.session().modeId, int(ModeWrongReview));
    QVERIFY(!form.form()->pnl1->isHidden());
    QVERIFY(form.form()->pnl2->isHidden());
}

void TForm1Test::keysOnChoiceAndTrueFalse()
{
    makeHome(mixedDozen()); // 1 choice (A), 2 true/false (对), 3 multi
    TForm1 form;
    QVERIFY(started(form));
    form.show();
    form.SunXuClick();
    QTest::keyRelease(&form, Qt::Key_B);
    QCOMPARE(form.store().item(1).given, 2);
    QCOMPARE(memo(form.form()->Label4->toPlainText()), memo(QStringLiteral("你打错了！\r\n你的答案:B\r\n正确答案：A")));
    QTest::keyRelease(&form, Qt::Key_Down);
    QCOMPARE(form.session().curNo, 2);
    QVERIFY(!form.form()->PaPanDuan->isHidden());
    QTest::keyRelease(&form, Qt::Key_B);
    QCOMPARE(form.store().item(2).given, 5); // 错
    QTest::keyRelease(&form, Qt::Key_A);
    QCOMPARE(form.store().item(2).given, 6); // 对
    QTest::keyRelease(&form, Qt::Key_1, Qt::KeypadModifier); // configured A on a true/false question
    QCOMPARE(form.store().item(2).given, 6);
    QTest::keyRelease(&form, Qt::Key_Up);
    QCOMPARE(form.session().curNo, 1);
    QTest::keyRelease(&form, Qt::Key_Up);
    QCOMPARE(form.session().curNo, 12); // from the first to the last
    QTest::keyRelease(&form, Qt::Key_E); // matches nothing
    QCOMPARE(form.session().curNo, 12);
    QCOMPARE(form.store().item(12).given, 0);
}

void TForm1Test::keysWorkWhateverHasTheFocus()
{
    makeHome(mixedDozen());
    TForm1 form;
    QVERIFY(started(form));
    form.show();
    form.SunXuClick();
    form.form()->UP->setFocus();
    QTest::keyRelease(form.form()->UP, Qt::Key_C);
    QCOMPARE(form.store().item(1).given, 3);
    QCOMPARE(form.session().answeredCount, 1); // acted on once, though the key travelled up
    QTest::keyRelease(form.form()->CheckBox1, Qt::Key_D);
    QCOMPARE(form.store().item(1).given, 4);
}

void TForm1Test::practiceRunCountsFirstAnswers()
{
    std::vector<BankRow> rows = mixedDozen();
    rows[0].jiexi = QStringLiteral("遇到这种情况应当减速慢行。");
    rows[1].cuo = 3;
    rows[1].dui = 1;
    for (BankRow &r : rows)
        r.gong = r.id; // preliminary practice takes 1 to 10 in order
    makeHome(rows);
    TForm1 form;
    QVERIFY(started(form));
    form.show();
    form.chujiClick();
    Ui::TForm1 &ui = *form.form();

    // 1, a choice question with an explanation: wrong first, then right.
    QTest::mouseClick(ui.Image3, Qt::LeftButton);
    QCOMPARE(ui.Label4->toPlainText(), QStringLiteral("遇到这种情况应当减速慢行。"));
    QVERIFY(!ui.Image2->isHidden());
    QCOMPARE(ui.Label5->text(), QStringLiteral("你的分数是:0"));
    QCOMPARE(ui.Label6->text(), QStringLiteral("正确率为：0/1(0%)"));
    QVERIFY(!form.TimerNext.isActive());
    QTest::mouseClick(ui.Image1, Qt::LeftButton);
    QCOMPARE(memo(ui.Label4->toPlainText()),
             memo(QStringLiteral("你的答案:A答对了\r\n但是我发现你第一次没答对，所以只能给你个感叹号")));
    QVERIFY(!form.TimerNext.isActive());

    // 2, true/false answered 3 times wrong before: the warning comes with the wrong answer.
    QTest::mouseClick(ui.DO, Qt::LeftButton);
    QTest::mouseClick(ui.Image5, Qt::LeftButton);
    QCOMPARE(memo(ui.Label4->toPlainText()), memo(QStringLiteral("你打错了！\r\n你的答案:错\r\n正确答案：对")));
    QCOMPARE(messages.texts.last(), QStringLiteral("错误次数超过3次，请你认真想想;\r\n本题全部错误次数3次,答对次数:1"));

    // 3, multi-select finished right: the pause timer moves on by itself.
    QTest::mouseClick(ui.DO, Qt::LeftButton);
    QVERIFY(!ui.pnlduanxuan->isHidden());
    QTest::mouseClick(ui.chkA, Qt::LeftButton);
    QTest::mouseClick(ui.chkC, Qt::LeftButton);
    QTest::mouseClick(ui.btnduoxuan, Qt::LeftButton);
    QCOMPARE(ui.Label4->toPlainText(), QStringLiteral("你的答案:AC答对了"));
    QTRY_COMPARE_WITH_TIMEOUT(form.session().curNo, 4, 5000);

    // 4, a right answer by key.
    QTest::keyRelease(&form, Qt::Key_A);
    QCOMPARE(ui.Label4->toPlainText(), QStringLiteral("你的答案:A答对了"));
    QCOMPARE(ui.Label5->text(), QStringLiteral("你的分数是:1"));
    QCOMPARE(ui.Label6->text(), QStringLiteral("正确率为：1/3(33%)"));
    QVERIFY(form.TimerNext.isActive());
    QTest::mouseClick(ui.DO, Qt::LeftButton); // by hand before the pause ends
    QCOMPARE(form.session().curNo, 5);
    QTRY_COMPARE_WITH_TIMEOUT(form.session().curNo, 6, 5000); // and the pending advance once more

    form.close();
    QCOMPARE(readCounters(kBankFile, 1), (Counters{0, 1, 2}));
    QCOMPARE(readCounters(kBankFile, 2), (Counters{1, 4, 3}));
    QCOMPARE(readCounters(kBankFile, 3), (Counters{1, 0, 4}));
    QCOMPARE(readCounters(kBankFile, 4), (Counters{1, 0, 5}));
    QCOMPARE(readCounters(kBankFile, 5), (Counters{0, 0, 5}));
}

void TForm1Test::endOfListMessages()
{
    makeHome(mixedDozen());
    TForm1 form;
    QVERIFY(started(form));
    form.chujiClick();
    for (int n = 1; n <= 10; ++n) {
        form.ShowQuestion(n);
        form.Answer(form.store().item(n).daan);
    }
    form.DOClick();
    QCOMPARE(messages.texts.last(), QStringLiteral("错题被干掉完了，系统将从新挑选题"));
    QCOMPARE(form.store().itemCount(), 10);
    QCOMPARE(form.store().item(1).id, 11); // the questions not yet answered come first now
    QCOMPARE(form.store().item(2).id, 12);

    for (int n = 1; n <= 10; ++n) {
        if (n == 7)
            continue;
        form.ShowQuestion(n);
        const STR_TK &e = form.store().item(n);
        form.Answer(n == 2 || n == 5 ? (e.leixing == 3 ? 0x10 : 3) : e.daan);
    }
    const int kept[] = {form.store().item(2).id, form.store().item(5).id, form.store().item(7).id};
    form.ShowQuestion(10);
    form.DOClick();
    QCOMPARE(messages.texts.last(), QStringLiteral("再次挑战刚刚的错题"));
    QCOMPARE(form.store().itemCount(), 3);
    for (int n = 1; n <= 3; ++n) {
        QCOMPARE(form.store().item(n).id, kept[n - 1]);
        QCOMPARE(form.store().item(n).given, 0);
    }
    QCOMPARE(form.form()->Label3->text(), QStringLiteral("1/3"));
    QCOMPARE(form.session().modeId, int(ModePreliminary));
}

void TForm1Test::multiSelectThroughTheBoxes()
{
    makeHome(mixedDozen()); // 3 and 6 are multi-select with answer A and C
    TForm1 form;
    QVERIFY(started(form));
    form.show();
    form.SunXuClick();
    Ui::TForm1 &ui = *form.form();
    form.ShowQuestion(3);
    QTest::mouseClick(ui.chkD, Qt::LeftButton); // a wrong option fails the question at once
    QCOMPARE(memo(ui.Label4->toPlainText()), memo(QStringLiteral("你打错了！\r\n你的答案:D\r\n正确答案：AC")));
    QVERIFY(ui.chkD->isChecked());
    QTest::mouseClick(ui.chkB, Qt::LeftButton);
    QCOMPARE(form.store().item(3).given, 0x14);
    form.ShowQuestion(6);
    QVERIFY(!ui.chkD->isChecked()); // the boxes follow the shown question
    QTest::mouseClick(ui.chkA, Qt::LeftButton);
    QTest::mouseClick(ui.chkC, Qt::LeftButton);
    QCOMPARE(form.store().item(6).given, 0);
    QTest::mouseClick(ui.btnduoxuan, Qt::LeftButton);
    form.close();
    QCOMPARE(readCounters(kBankFile, 3), (Counters{0, 1, 1}));
    QCOMPARE(readCounters(kBankFile, 6), (Counters{1, 0, 1}));
}

void TForm1Test::gridClickShowsThatQuestion()
{
    makeHome(mixedDozen());
    TForm1 form;
    QVERIFY(started(form));
    form.show();
    form.SunXuClick();
    Ui::TForm1 &ui = *form.form();
    const QRect five = QuestionGrid::cellRect(5);
    emit ui.mage1->mouseMovedAt(five.center().x(), five.center().y());
    QCOMPARE(form.grid().hoverCell, 5);
    QVERIFY(form.tmrmouse.isActive());
    QTest::mouseClick(ui.mage1, Qt::LeftButton, {}, five.center());
    QCOMPARE(form.session().curNo, 5);
    QCOMPARE(ui.Label3->text(), QStringLiteral("5/12"));
    emit ui.mage1->mouseMovedAt(300, 300); // below the last cell
    QTest::mouseClick(ui.mage1, Qt::LeftButton, {}, QPoint(300, 300));
    QCOMPARE(form.session().curNo, 5); // the last cell hovered

    // One wheel step moves the grid by one line, whatever the step's size.
    QScrollBar *bar = ui.ScrollBox1->verticalScrollBar();
    bar->setValue(0);
    auto wheel = [&](int delta) {
        QWheelEvent event(QPointF(20, 20), ui.ScrollBox1->viewport()->mapToGlobal(QPointF(20, 20)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(ui.ScrollBox1->viewport(), &event);
    };
    wheel(-360);
    QCOMPARE(bar->value(), 30);
    wheel(-120);
    QCOMPARE(bar->value(), 60);
    wheel(120);
    QCOMPARE(bar->value(), 30);
}

void TForm1Test::emptyListNeverBreaks()
{
    makeHome(mixedDozen());
    TForm1 form;
    QVERIFY(started(form));
    form.show();
    form.state().setChujiCount(0);
    form.chujiClick();
    Ui::TForm1 &ui = *form.form();
    QCOMPARE(ui.Label3->text(), QStringLiteral("1/0"));
    for (Qt::Key key : {Qt::Key_A, Qt::Key_B, Qt::Key_Up, Qt::Key_Down})
        QTest::keyRelease(&form, key);
    form.UPClick();
    form.DOClick();
    form.btnduoxuanClick();
    emit ui.mage1->mouseMovedAt(10, 10);
    QTest::mouseClick(ui.mage1, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(form.session().curNo, 1);
    QCOMPARE(form.session().answeredCount, 0);
    QCOMPARE(messages.texts.size(), 1); // only the missing state file at start
}

void TForm1Test::pageTakesQuotesAndBackslashes()
{
    std::vector<BankRow> rows = mixedDozen();
    rows[0].text = QStringLiteral("他说\"停车\"\r\n路径C:\\temp\\'x'</script>");
    makeHome(rows);
    TForm1 form;
    QVERIFY(started(form));
    QTRY_COMPARE_WITH_TIMEOUT(pageText(form), QStringLiteral("他说\"停车\"<br>路径C:\\temp\\'x'"), 10000);
}

void TForm1Test::informationPanel()
{
    makeHome(mixedDozen());
    TForm1 form;
    QVERIFY(started(form));
    Ui::TForm1 &ui = *form.form();
    QTest::mouseClick(ui.imgzhuozhe, Qt::LeftButton);
    QVERIFY(!ui.pnlIE->isHidden());
    QVERIFY(ui.pnl2->isHidden());
    // Loaded once, about a second after start.
    QTRY_VERIFY_WITH_TIMEOUT(ui.WebBrowser1->url().toLocalFile().endsWith(QStringLiteral("veltdata/shiyong.htm")), 5000);
    QVERIFY(!form.INIT2.isActive());
    QTest::mouseClick(ui.btnInfoRules, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(ui.WebBrowser1->url().toLocalFile().endsWith(QStringLiteral("veltdata/guize.htm")), 5000);
    form.chujiClick();
    QVERIFY(ui.pnlIE->isHidden());
    QVERIFY(!ui.pnl2->isHidden());
}

void TForm1Test::bankWithoutPictureDirectoryWarnsOnce()
{
    makeHome(mixedDozen(), {});
    TForm1 form;
    QVERIFY(started(form));
    for (int i = 0; i < 5; ++i)
        QTest::keyRelease(&form, Qt::Key_Down);
    QCOMPARE(messages.texts.count(QStringLiteral("出错,代码298")), 1);
}

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TForm1Test test;
    return QTest::qExec(&test, argc, argv);
}

#include "tform1_test.moc"
