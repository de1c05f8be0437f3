#pragma once

#include "m_sql.h"
#include "practicesession.h"
#include "questiongrid.h"
#include "strfile.h"
#include "sysdat.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace Ui {
class TForm1;
}
class QCheckBox;

// The trainer's main window: the top bar, the question area with its grid and the
// information panel. It owns the state record, the bank with its current question list
// and the skin list for the life of the program. The rules live in PracticeSession and
// QuestionGrid; this class wires the window's components to them.
class TForm1 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // For the dialogs, which reach the program's state through the main window.
    SysDat &state() { return m_state; }
    m_sql &store() { return m_store; }
    const Strfile &skins() const { return Sfile; }
    PracticeSession &session() { return m_session; }
    QuestionGrid &grid() { return m_grid; }
    Ui::TForm1 *form() { return ui.get(); }

    // Reopens the bank after the settings were confirmed and saved.
    void ApplySettings(int bankKind);

    void ShowQuestion(int n);
    void Answer(int32_t code);
    void SetQuestionPage(const QString &text, const QString &picture);
    void DrawCell(int n, int style);
    void SyncMultiChecks();
    void CheckMultiOption(int32_t bit);
    void RecordFirstResult(int32_t id, bool right);
    void HidePanels();

    int32_t bankCount = 0;
    bool keysEnabled = false;
    int32_t selectedRow = 0;
    bool multiArmed = false;
    bool hoverLatch = true;
    qint64 examStart = 0;
    int32_t lastScore = 0;

    // Timers, named as the window's layout names them.
    QTimer TimerNext, tmrjiange, tmruptime, tmrKAOSHI, tmrmouse, tmrtimpifu, INIT2;

signals:
    // The first question's text has reached the page (used to time the start-up).
    void firstQuestionTextSet();

public slots:
    void SunXuClick();
    void chujiClick();
    void LianXKSClick();
    void btnErrorLianXClick();
    void btn2Click();
    void Button2Click();
    void UPClick();
    void DOClick();
    void btnduoxuanClick();
    void BitBtn9Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void buildTimers();
    void connectComponents();
    void FormCreate();
    void loadBankLogo();
    void enterPractice(ModeId mode, const QString &title);
    void setCaption(const QString &title);
    void applyView(const QuestionView &view);
    void refreshAnswerImages(int32_t given);
    void showPanelFor(AnswerPanel panel);
    void updateGrid();
    void onKeyUp(QObject *receiver, QKeyEvent *event);
    void onGridMouse(int x, int y);
    void onGridClick();
    void onTimerNext();
    void openBankLink();
    void openInfoPage(const QString &storedPath);
    void onPageLoaded(bool ok);
    std::array<bool, 8> tickedBoxes() const;
    QCheckBox *box(int i) const;

    std::unique_ptr<Ui::TForm1> ui;
    Strfile Sfile;
    m_sql m_store;
    SysDat m_state;
    PracticeSession m_session;
    QuestionGrid m_grid;
    // The bank's picture directory, read with the logo: once per bank, not per question, so
    // a bank without one shows its message once and no statement runs per question.
    QString m_imageDir = QStringLiteral("veltdata");
    bool m_pageLoaded = false;
    bool m_textProbeSent = false;
    const QKeyEvent *m_lastKey = nullptr;
    QPointer<QObject> m_lastKeyReceiver;
};
