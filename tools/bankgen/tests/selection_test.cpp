// Choosing the bank and the game table from a pool: exact numbers when the pool allows,
// everything it has when it does not, the same result for the same pool, topics spread out.
#include "selection.h"

#include <gtest/gtest.h>

#include <QSet>

#include <algorithm>
#include <random>

namespace {

BankDefinition smallCar()
{
    BankDefinition d;
    d.vehicleClass = QStringLiteral("xc");
    d.questions = 725;
    d.tableChoice = 370;
    d.tableTrueFalse = 355;
    d.tablePictures = 157;
    return d;
}

struct PoolShape
{
    int choicePic, choicePlain, tfPic, tfPlain, multi;
};

QList<Question> makePool(const PoolShape &s)
{
    QList<Question> pool;
    const QStringList topics = {QStringLiteral("licence"), QStringLiteral("road"), QStringLiteral("signs")};
    auto add = [&](Question::Kind kind, bool picture, int n, const char *tag) {
        for (int i = 0; i < n; ++i) {
            Question q;
            q.key = QStringLiteral("%1-%2").arg(QString::fromLatin1(tag)).arg(i);
            q.kind = kind;
            q.classes = {QStringLiteral("xc")};
            q.topic = topics[i % topics.size()];
            if (picture)
                q.image = QStringLiteral("p%1_%2.jpg").arg(QString::fromLatin1(tag)).arg(i);
            pool.append(q);
        }
    };
    add(Question::Kind::Choice, true, s.choicePic, "cp");
    add(Question::Kind::Choice, false, s.choicePlain, "cn");
    add(Question::Kind::TrueFalse, true, s.tfPic, "tp");
    add(Question::Kind::TrueFalse, false, s.tfPlain, "tn");
    add(Question::Kind::Multi, false, s.multi, "mu");
    return pool;
}

struct Counts
{
    int choice = 0, tf = 0, multi = 0, pictures = 0, distinct = 0;
};

Counts count(const QuestionRefs &refs)
{
    Counts c;
    for (const Question *q : refs) {
        c.choice += q->kind == Question::Kind::Choice;
        c.tf += q->kind == Question::Kind::TrueFalse;
        c.multi += q->kind == Question::Kind::Multi;
        c.pictures += q->hasImage();
    }
    c.distinct = int(QSet<const Question *>(refs.cbegin(), refs.cend()).size());
    return c;
}

QStringList keys(const QuestionRefs &refs)
{
    QStringList k;
    for (const Question *q : refs)
        k << q->key;
    return k;
}

TEST(Selection, ExactNumbersWhenThePoolAllows)
{
    // The second shape is tight: only 270 plain choice questions, so exactly 100 of the
    // pictures must be choice questions and 57 true/false.
    const QList<PoolShape> shapes = {{120, 300, 80, 320, 10}, {100, 270, 100, 300, 0}, {157, 400, 0, 400, 3}};
    for (const PoolShape &shape : shapes) {
        const QList<Question> pool = makePool(shape);
        const Selection s = selectQuestions(pool, smallCar());
        const Counts t = count(s.table);
        EXPECT_EQ(t.choice, 370);
        EXPECT_EQ(t.tf, 355);
        EXPECT_EQ(t.pictures, 157);
        EXPECT_EQ(t.multi, 0);
        EXPECT_EQ(t.distinct, 725);
        const Counts b = count(s.bank);
        EXPECT_EQ(s.bank.size(), 725);
        EXPECT_EQ(b.distinct, 725);
        EXPECT_EQ(b.multi, shape.multi) << "every multiple-choice question goes into the bank";
    }
}

TEST(Selection, IncompletePoolTakesWhatThereIs)
{
    const QList<Question> pool = makePool({30, 40, 20, 50, 2});
    const Selection s = selectQuestions(pool, smallCar());
    const Counts t = count(s.table);
    EXPECT_EQ(t.choice, 70);
    EXPECT_EQ(t.tf, 70);
    EXPECT_EQ(t.pictures, 50);
    EXPECT_EQ(s.bank.size(), 142);
    EXPECT_EQ(count(s.bank).distinct, 142);

    // More pictures than the table wants: the target caps them.
    const Counts capped = count(selectQuestions(makePool({200, 10, 200, 10, 0}), smallCar()).table);
    EXPECT_EQ(capped.pictures, 157);
    EXPECT_EQ(capped.choice + capped.tf, 157 + 20);
}

TEST(Selection, OtherClassesStayOut)
{
    QList<Question> pool = makePool({10, 10, 10, 10, 1});
    for (int i = 0; i < pool.size(); i += 2)
        pool[i].classes = {QStringLiteral("kc"), QStringLiteral("hc")};
    const Selection s = selectQuestions(pool, smallCar());
    for (const Question *q : s.bank + s.table)
        EXPECT_TRUE(q->appliesTo(QStringLiteral("xc"))) << qPrintable(q->key);
    EXPECT_EQ(s.bank.size(), 20); // 41 questions, the 21 at even places are not for small cars
}

TEST(Selection, SamePoolInAnyOrderGivesTheSameRows)
{
    const QList<Question> pool = makePool({120, 300, 80, 320, 10});
    QList<Question> shuffled = pool;
    std::mt19937 rng(7);
    std::shuffle(shuffled.begin(), shuffled.end(), rng);
    const Selection a = selectQuestions(pool, smallCar());
    const Selection b = selectQuestions(shuffled, smallCar());
    EXPECT_EQ(keys(a.table), keys(b.table));
    EXPECT_EQ(keys(a.bank), keys(b.bank));
}

TEST(Selection, EveryTopicIsSpreadOverTheWholeRange)
{
    // 10 questions of a small topic among 90 of a large one: each tenth of the list holds one.
    QList<Question> pool;
    for (int i = 0; i < 100; ++i) {
        Question q;
        q.key = QStringLiteral("k-%1").arg(i);
        q.topic = i < 10 ? QStringLiteral("small") : QStringLiteral("large");
        pool.append(q);
    }
    QuestionRefs refs;
    for (const Question &q : pool)
        refs.append(&q);
    const QuestionRefs spread = spreadByTopic(refs);
    ASSERT_EQ(spread.size(), 100);
    for (int slice = 0; slice < 10; ++slice) {
        int small = 0;
        for (int i = slice * 10; i < slice * 10 + 10; ++i)
            small += spread[i]->topic == QStringLiteral("small");
        EXPECT_EQ(small, 1) << "slice " << slice;
    }
}

}
