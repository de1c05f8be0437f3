#include "selection.h"

#include <QMap>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace {

// FNV-1a over the key's UTF-8 bytes: a fixed pseudo-random order that does not depend on
// the Qt version or on the order of the files, and changes little when questions are added.
quint64 stableHash(const QString &key)
{
    quint64 h = 1469598103934665603ULL;
    for (char c : key.toUtf8()) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ULL;
    }
    return h;
}

bool byHash(const Question *a, const Question *b)
{
    const quint64 ha = stableHash(a->key), hb = stableHash(b->key);
    return ha != hb ? ha < hb : a->key < b->key;
}

QuestionRefs firstSpread(const QuestionRefs &questions, int n)
{
    QuestionRefs spread = spreadByTopic(questions);
    if (spread.size() > n)
        spread.resize(std::max(n, 0));
    return spread;
}

struct PictureSplit
{
    int choice = 0;
    int trueFalse = 0;
};

// How many of the picture questions are choice and how many true/false. With a complete
// pool every target is met exactly and the pictures follow the pool's own ratio; with an
// incomplete pool as many pictures as possible are taken, up to the target.
PictureSplit splitPictures(int choicePic, int choicePlain, int tfPic, int tfPlain, const BankDefinition &d)
{
    const int P = d.tablePictures, C = d.tableChoice, T = d.tableTrueFalse;
    const int available = choicePic + tfPic;
    const int ideal = available == 0 ? 0 : static_cast<int>(std::lround(double(P) * choicePic / available));
    const int lo = std::max({0, P - tfPic, C - choicePlain, P - T});
    const int hi = std::min({choicePic, P, C, P - (T - tfPlain)});
    if (lo <= hi) {
        const int a = std::clamp(ideal, lo, hi);
        return {a, P - a};
    }
    const int aMax = std::min(choicePic, C), bMax = std::min(tfPic, T);
    if (aMax + bMax <= P)
        return {aMax, bMax};
    const int a = std::clamp(static_cast<int>(std::lround(double(P) * aMax / (aMax + bMax))), P - bMax, aMax);
    return {a, P - a};
}

QuestionRefs selectTable(const QuestionRefs &candidates, const BankDefinition &d)
{
    QuestionRefs choicePic, choicePlain, tfPic, tfPlain;
    for (const Question *q : candidates) {
        if (q->kind == Question::Kind::Choice)
            (q->hasImage() ? choicePic : choicePlain).append(q);
        else if (q->kind == Question::Kind::TrueFalse)
            (q->hasImage() ? tfPic : tfPlain).append(q);
    }
    const PictureSplit pics = splitPictures(choicePic.size(), choicePlain.size(), tfPic.size(), tfPlain.size(), d);
    QuestionRefs table;
    table += firstSpread(choicePic, pics.choice);
    table += firstSpread(choicePlain, d.tableChoice - pics.choice);
    table += firstSpread(tfPic, pics.trueFalse);
    table += firstSpread(tfPlain, d.tableTrueFalse - pics.trueFalse);
    return spreadByTopic(table);
}

QuestionRefs selectBank(const QuestionRefs &candidates, const QuestionRefs &table, int size)
{
    QuestionRefs multi;
    for (const Question *q : candidates)
        if (q->kind == Question::Kind::Multi)
            multi.append(q);
    QuestionRefs bank = firstSpread(multi, size);
    bank += firstSpread(table, size - bank.size());
    const QSet<const Question *> taken(bank.cbegin(), bank.cend());
    QuestionRefs rest;
    for (const Question *q : candidates)
        if (!taken.contains(q))
            rest.append(q);
    bank += firstSpread(rest, size - bank.size());
    return spreadByTopic(bank);
}

}

QuestionRefs spreadByTopic(QuestionRefs questions)
{
    QMap<QString, QuestionRefs> byTopic;
    for (const Question *q : questions)
        byTopic[q->topic].append(q);
    struct Placed
    {
        double place;
        QString topic;
        const Question *question;
    };
    QList<Placed> placed;
    for (auto it = byTopic.begin(); it != byTopic.end(); ++it) {
        QuestionRefs &list = it.value();
        std::sort(list.begin(), list.end(), byHash);
        for (int i = 0; i < list.size(); ++i)
            placed.append({(i + 0.5) / list.size(), it.key(), list[i]});
    }
    std::stable_sort(placed.begin(), placed.end(), [](const Placed &a, const Placed &b) {
        return a.place != b.place ? a.place < b.place : a.topic < b.topic;
    });
    QuestionRefs ordered;
    for (const Placed &p : placed)
        ordered.append(p.question);
    return ordered;
}

Selection selectQuestions(const QList<Question> &pool, const BankDefinition &d)
{
    QuestionRefs candidates;
    for (const Question &q : pool)
        if (q.appliesTo(d.vehicleClass))
            candidates.append(&q);
    Selection s;
    s.table = selectTable(candidates, d);
    s.bank = selectBank(candidates, s.table, d.questions);
    return s;
}
