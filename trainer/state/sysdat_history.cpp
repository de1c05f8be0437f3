// The examination history held in slots 1 to 999 of the state record.
#include "sysdat.h"

#include "messages.h"
#include "textcodec.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace {
const QString kHistoryFull = QStringLiteral("没法记录了，请删除一些历史记录。");

// Entry i of a record: questionId, answerGiven, correct, three zero bytes.
constexpr int kEntrySize = 12;

// Cuts GBK text to at most maxBytes without splitting a two-byte character.
QByteArray cutAtCharacter(const QByteArray &gbk, int maxBytes)
{
    int end = 0;
    while (end < gbk.size()) {
        const int width = (static_cast<unsigned char>(gbk[end]) >= 0x81) ? 2 : 1;
        if (end + width > maxBytes)
            break;
        end += width;
    }
    return gbk.left(end);
}
}

int SysDat::usedRecords() const
{
    return std::clamp(historyCount(), 0, kMaxHistory);
}

QByteArray SysDat::tagOfCurrentBank() const
{
    switch (bankKind()) {
    case 2: return QByteArrayLiteral("TKkeche");
    case 3: return QByteArrayLiteral("TKhuoche");
    case 4: return cutAtCharacter(bankPathBytes(), kBankTagWidth - 1);
    default: return QByteArrayLiteral("TKxiaoche");
    }
}

bool SysDat::appendHistory(int32_t score, const std::vector<LishiEntry> &entries,
                           const QDateTime &now)
{
    // A count above 999 can only come from a damaged file; writing past it would leave
    // the history area, so it is treated as full.
    if (historyCount() >= kMaxHistory) {
        Messages::show(kHistoryFull);
        return false;
    }
    const int k = usedRecords() + 1;
    char *record = m_bytes.data() + recordOffset(k);
    std::memset(record, 0, kRecordSize);

    const QByteArray time = Gbk::encode(now.toString(QStringLiteral("yyyy年MM月dd日hh点mm分ss秒")));
    std::memcpy(record + RecTimeText, time.constData(), std::min<size_t>(time.size(), 31));

    const int n = std::min<int>(static_cast<int>(entries.size()), kMaxPaperEntries);
    qToLittleEndian<int32_t>(score, record + RecScore);
    qToLittleEndian<int32_t>(n, record + RecQuestionCount);
    for (int i = 1; i <= n; ++i) {
        char *entry = record + RecEntries + kEntrySize * i;
        qToLittleEndian<int32_t>(entries[i - 1].questionId, entry);
        qToLittleEndian<int32_t>(entries[i - 1].answerGiven, entry + 4);
        entry[8] = entries[i - 1].correct ? 1 : 0;
    }
    const QByteArray tag = tagOfCurrentBank();
    std::memcpy(record + RecBankTag, tag.constData(), static_cast<size_t>(tag.size()));

    setHistoryCount(k);
    return save();
}

void SysDat::removeHistory(int k)
{
    const int used = usedRecords();
    if (k < 1 || k > used)
        return;
    char *slot = m_bytes.data() + recordOffset(k);
    std::memmove(slot, slot + kRecordSize, static_cast<size_t>(used - k) * kRecordSize);
    std::memset(m_bytes.data() + recordOffset(used), 0, kRecordSize);
    setHistoryCount(used - 1);
}

LishiRecord SysDat::history(int k) const
{
    LishiRecord result;
    if (k < 1 || k > usedRecords())
        return result;
    const char *record = m_bytes.data() + recordOffset(k);
    result.timeText = Gbk::decodeField(record + RecTimeText, 32);
    result.score = qFromLittleEndian<int32_t>(record + RecScore);
    result.questionCount = qFromLittleEndian<int32_t>(record + RecQuestionCount);
    // Entries never reach past the tag, whatever count a damaged record claims.
    const int n = std::clamp<int32_t>(result.questionCount, 0, kMaxPaperEntries);
    for (int i = 1; i <= n; ++i) {
        const char *entry = record + RecEntries + kEntrySize * i;
        result.entries.push_back({qFromLittleEndian<int32_t>(entry),
                                  qFromLittleEndian<int32_t>(entry + 4), entry[8] != 0});
    }
    result.bankTag = readText(recordOffset(k) + RecBankTag, kBankTagWidth);
    return result;
}
