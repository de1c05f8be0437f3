#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <cstdint>
#include <vector>

// One question of a recorded paper.
struct LishiEntry
{
    int32_t questionId = 0;
    int32_t answerGiven = 0; // answer code, 0 = not answered
    bool correct = false;
};

// Read-only view of one recorded paper, decoded from its 2472-byte slot.
struct LishiRecord
{
    QString timeText;               // "yyyy年mm月dd日hh点nn分ss秒"
    int32_t score = 0;
    int32_t questionCount = 0;
    std::vector<LishiEntry> entries; // entries[0] is paper question 1; at most 199
    QByteArray bankTag;             // raw GBK bytes, compared byte for byte
};

// The trainer's whole persistent state: settings, key bindings, bank choice and the
// examination history, as the raw 2,472,788-byte image of "veltdata\sys.dat".
// Field accessors read and write the little-endian bytes at their fixed offsets, so the
// image is always exactly what goes to disk.
class SysDat
{
public:
    static constexpr int kSize = 2472788;
    static constexpr int kRecordSize = 2472;
    static constexpr int kHistoryOffset = 64;
    static constexpr int kMaxHistory = 999;
    static constexpr int kMaxPaperEntries = 199;
    static constexpr int kBankPathWidth = 300;
    static constexpr int kSkinNameWidth = 100;
    static constexpr int kBankTagWidth = 32;

    // Field offsets in the record.
    enum Offset : int {
        OffBankKind = 0,
        OffChujiCount = 12,
        OffNantiCount = 16,
        OffNantiSensitivity = 20,
        OffHistoryCount = 24,
        OffKeyPrev = 28,
        OffKeyNext = 32,
        OffKeyA = 36,
        OffKeyB = 40,
        OffKeyC = 44,
        OffKeyD = 48,
        OffPauseMs = 52,
        OffExamSeconds = 56,
        OffBankPath = 2472072,
        OffExternalBank = 2472372,
        OffExamQuestionCount = 2472376,
        OffSkinShunxu = 2472381,
        OffSkinChubulianxi = 2472481,
        OffSkinNantilianxi = 2472581,
        OffSkinKaoshi = 2472681,
        OffKeyChars = 2472781,
    };
    // Offsets inside a history record.
    enum RecordOffset : int {
        RecTimeText = 0,
        RecScore = 32,
        RecQuestionCount = 36,
        RecEntries = 40, // entry i (1-based) at 40 + 12 * i
        RecBankTag = 2440,
    };

    // The skin slots, in the order the record stores them.
    enum SkinSlot { SkinShunxu = 0, SkinChubulianxi = 1, SkinNantilianxi = 2, SkinKaoshi = 3 };

    // A freshly created record: zero-filled with bankKind 1. The path is the stored form
    // of the state file, relative to the working directory.
    explicit SysDat(QString filePath = QStringLiteral("veltdata\\sys.dat"));

    // Fills the record from the file; a missing file gets the defaults written to it.
    void load();
    // Writes the whole record; a failure leaves the old file as it was. True on success.
    bool save();
    // Writes the default values of the fields that have one, historyCount included.
    void applyDefaults();

    // Appends a paper at `now` and saves. False (with the message shown) when the
    // history is full or the save failed; papers longer than 199 questions keep their
    // first 199 entries (questionCount then says 199) and never reach bankTag.
    bool appendHistory(int32_t score, const std::vector<LishiEntry> &entries,
                       const QDateTime &now = QDateTime::currentDateTime());
    // Removes record k (1-based), moving the later ones down. Does not save.
    void removeHistory(int k);
    LishiRecord history(int k) const;

    // The bank tag a paper taken now would carry (GBK bytes). An external bank's path
    // longer than the 31 bytes the tag holds is shortened at a character boundary, so a
    // paper is still recorded and still matches its bank when read back.
    QByteArray tagOfCurrentBank() const;

    int32_t bankKind() const { return readInt(OffBankKind); }
    void setBankKind(int32_t v) { writeInt(OffBankKind, v); }
    int32_t chujiCount() const { return readInt(OffChujiCount); }
    void setChujiCount(int32_t v) { writeInt(OffChujiCount, v); }
    int32_t nantiCount() const { return readInt(OffNantiCount); }
    void setNantiCount(int32_t v) { writeInt(OffNantiCount, v); }
    int32_t nantiSensitivity() const { return readInt(OffNantiSensitivity); }
    void setNantiSensitivity(int32_t v) { writeInt(OffNantiSensitivity, v); }
    int32_t historyCount() const { return readInt(OffHistoryCount); }
    void setHistoryCount(int32_t v) { writeInt(OffHistoryCount, v); }
    int32_t keyPrev() const { return readInt(OffKeyPrev); }
    void setKeyPrev(int32_t v) { writeInt(OffKeyPrev, v); }
    int32_t keyNext() const { return readInt(OffKeyNext); }
    void setKeyNext(int32_t v) { writeInt(OffKeyNext, v); }
    int32_t keyA() const { return readInt(OffKeyA); }
    void setKeyA(int32_t v) { writeInt(OffKeyA, v); }
    int32_t keyB() const { return readInt(OffKeyB); }
    void setKeyB(int32_t v) { writeInt(OffKeyB, v); }
    int32_t keyC() const { return readInt(OffKeyC); }
    void setKeyC(int32_t v) { writeInt(OffKeyC, v); }
    int32_t keyD() const { return readInt(OffKeyD); }
    void setKeyD(int32_t v) { writeInt(OffKeyD, v); }
    int32_t pauseMs() const { return readInt(OffPauseMs); }
    void setPauseMs(int32_t v) { writeInt(OffPauseMs, v); }
    int32_t examSeconds() const { return readInt(OffExamSeconds); }
    void setExamSeconds(int32_t v) { writeInt(OffExamSeconds, v); }
    int32_t externalBank() const { return readInt(OffExternalBank); }
    void setExternalBank(int32_t v) { writeInt(OffExternalBank, v); }
    int32_t examQuestionCount() const { return readInt(OffExamQuestionCount); }
    void setExamQuestionCount(int32_t v) { writeInt(OffExamQuestionCount, v); }

    // Text fields: raw GBK bytes up to the NUL, and decoded convenience forms.
    // The setters refuse (message shown, field unchanged, false returned) a text that
    // does not fit its field with its NUL.
    QByteArray bankPathBytes() const;
    QString bankPath() const;
    bool setBankPath(const QString &path);
    QString skinName(SkinSlot slot) const;
    bool setSkinName(SkinSlot slot, const QString &name);
    QByteArray keyChars() const; // always 6 bytes
    void setKeyChars(const QByteArray &chars); // first 6 bytes, zero-padded

    const char *data() const { return m_bytes.data(); }
    char *data() { return m_bytes.data(); }
    const QString &filePath() const { return m_filePath; }

    int32_t readInt(int offset) const;
    void writeInt(int offset, int32_t value);

private:
    // Refuses (message naming `what`) a text that GBK cannot hold or that does not fit
    // the field with its NUL; otherwise writes it and zeroes the rest of the field.
    bool writeText(int offset, int width, const QString &text, const QString &what);
    QByteArray readText(int offset, int width) const;
    static int skinOffset(SkinSlot slot);
    // Records 1 to 999 only; a count read from a damaged file is clamped into that range.
    int usedRecords() const;
    static int recordOffset(int k) { return kHistoryOffset + kRecordSize * k; }

    QString m_filePath;
    std::vector<char> m_bytes;
};
