#include "tform1.h"

#include "answertext.h"
#include "keytable.h"
#include "messages.h"
#include "pagescript.h"
#include "startpaths.h"
#include "textcodec.h"
#include "ui_tform1.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QKeyEvent>
#include <QPainterPath>
#include <QRegion>
#include <QScreen>
#include <QScrollBar>
#include <QWebEnginePage>
#include <QWindow>

namespace {
const QString kTitleSequential = QStringLiteral("顺序练习        ");
const QString kTitlePreliminary = QStringLiteral("初步练习     ");
const QString kTitleDifficult = QStringLiteral("100题考试练习     ");
const QString kTitleWrongReview = QStringLiteral("错误集练习    ");
const QString kLoading = QStringLiteral("题库加载中……");
// The information panel's pages, in the data directory.
const QString kPageHelp = QStringLiteral("veltdata\\shiyong.htm");
const QString kPageRules = QStringLiteral("veltdata\\guize.htm");
const QString kPageAbout = QStringLiteral("veltdata\\guanyu.htm");

QString memoText(const QString &text)
{
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return plain;
}
}

TForm1::TForm1(QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint), ui(std::make_unique<Ui::TForm1>()),
      m_session(m_store, m_state), m_grid(m_store, m_session.answerMode, palette().color(QPalette::Button))
{
    ui->setupUi(this);
    // The window's own colour; a skin's background replaces it later.
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(0xee, 0xf3, 0xf8));
    setPalette(background);
    setAutoFillBackground(true);
    ui->mage1->setImage(&m_grid.image());
    buildTimers();
    connectComponents();

    m_state.load();
    m_store.open(startBankPath(m_state));
    try {
        bankCount = m_store.connected ? m_store.countQuestions() : 0;
    } catch (const BankError &e) {
        Messages::show(QString::fromUtf8(e.what()));
    }
    TimerNext.setInterval(std::max(0, m_state.pauseMs()));
    loadBankLogo();
    FormCreate();
}

TForm1::~TForm1()
{
    qApp->removeEventFilter(this);
}

void TForm1::buildTimers()
{
    const struct { QTimer *timer; const char *name; int interval; bool running; } timers[] = {
        {&TimerNext, "TimerNext", 1000, false}, {&tmrjiange, "tmrjiange", 1000, true},
        {&tmruptime, "tmruptime", 1000, false}, {&tmrKAOSHI, "tmrKAOSHI", 1300, false},
        {&tmrmouse, "tmrmouse", 5000, false},   {&tmrtimpifu, "tmrtimpifu", 2, true},
        {&INIT2, "INIT2", 1000, true},
    };
    for (const auto &t : timers) {
        t.timer->setObjectName(QLatin1String(t.name));
        t.timer->setInterval(t.interval);
        if (t.running)
            t.timer->start();
    }
    connect(&TimerNext, &QTimer::timeout, this, &TForm1::onTimerNext);
    connect(&tmrjiange, &QTimer::timeout, this, [this] {
        ui->lbljiazai->clear();
        tmrjiange.stop();
    });
    connect(&tmrmouse, &QTimer::timeout, this, [this] {
        m_grid.hoverTimeout();
        updateGrid();
        tmrmouse.stop();
    });
    connect(&tmrtimpifu, &QTimer::timeout, this, [this] {
        tmrtimpifu.stop();
        update();
    });
    connect(&INIT2, &QTimer::timeout, this, [this] {
        INIT2.stop();
        ui->WebBrowser1->load(linkUrl(kPageHelp, QDir::currentPath()));
    });
    // The exam clock and the paper display (tmruptime, tmrKAOSHI) get their work with the exam.
}

void TForm1::connectComponents()
{
    connect(ui->ima_sunxu, &PicButton::clicked, this, &TForm1::SunXuClick);
    connect(ui->SunXu, &QPushButton::clicked, this, &TForm1::SunXuClick);
    connect(ui->Imchuji, &PicButton::clicked, this, &TForm1::chujiClick);
    connect(ui->chuji, &QPushButton::clicked, this, &TForm1::chujiClick);
    connect(ui->Ima_nanti, &PicButton::clicked, this, &TForm1::LianXKSClick);
    connect(ui->LianXKS, &QPushButton::clicked, this, &TForm1::LianXKSClick);
    connect(ui->Ima_cuowuji, &PicButton::clicked, this, &TForm1::btnErrorLianXClick);
    connect(ui->btnErrorLianX, &QPushButton::clicked, this, &TForm1::btnErrorLianXClick);
    connect(ui->Ima_tiku, &PicButton::clicked, this, &TForm1::btn2Click);
    connect(ui->btn2, &QPushButton::clicked, this, &TForm1::btn2Click);
    // 模拟考试 (Ima_kaoshi, KaoShi), settings (img_shezhi, SET), history (img_lishi, btn6),
    // the skin button (Pifu) and the details button (fenxi) are wired by the dialogs and
    // the exam when they join the window.
    auto showInfo = [this] {
        HidePanels();
        ui->pnlIE->show();
    };
    connect(ui->imgzhuozhe, &PicButton::clicked, this, showInfo);
    connect(ui->imgzhuozhe, &PicButton::doubleClicked, this, showInfo);
    connect(ui->img5, &PicButton::clicked, this, &QWidget::close);
    connect(ui->img2, &PicButton::clicked, this, &TForm1::openBankLink);
    connect(ui->lbltikuzhuozhe, &PicButton::clicked, this, &TForm1::openBankLink);
    connect(ui->lblguanyu, &PicButton::clicked, this,
            [] { QDesktopServices::openUrl(linkUrl(kPageAbout, QDir::currentPath())); });
    connect(ui->btnInfoHelp, &QPushButton::clicked, this, [this] { openInfoPage(kPageHelp); });
    connect(ui->btnInfoRules, &QPushButton::clicked, this, [this] { openInfoPage(kPageRules); });
    connect(ui->btnInfoAbout, &QPushButton::clicked, this, [this] { openInfoPage(kPageAbout); });

    const struct { PicButton *button; int32_t code; } answers[] = {
        {ui->Image1, 1}, {ui->Image3, 2}, {ui->img3, 3}, {ui->img4, 4}, {ui->Image5, 5}, {ui->Image4, 6},
    };
    for (const auto &a : answers) {
        const int32_t code = a.code;
        connect(a.button, &PicButton::clicked, this, [this, code] { Answer(code); });
    }
    connect(ui->UP, &QPushButton::clicked, this, &TForm1::UPClick);
    connect(ui->DO, &QPushButton::clicked, this, &TForm1::DOClick);
    connect(ui->Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(ui->btnduoxuan, &QPushButton::clicked, this, &TForm1::btnduoxuanClick);
    connect(ui->BitBtn9, &QPushButton::clicked, this, &TForm1::BitBtn9Click);
    // Setting a box from the program toggles it too; multiArmed keeps those quiet.
    for (int i = 0; i < 8; ++i) {
        const int32_t bit = multiBit(i);
        connect(box(i), &QCheckBox::toggled, this, [this, bit](bool on) {
            if (on)
                CheckMultiOption(bit);
        });
    }
    connect(ui->mage1, &GridView::mouseMovedAt, this, &TForm1::onGridMouse);
    connect(ui->mage1, &GridView::clicked, this, &TForm1::onGridClick);
    connect(ui->ImagIE, &QWebEngineView::loadFinished, this, &TForm1::onPageLoaded);

    // The wheel over the grid and presses on the free panel areas reach eventFilter through
    // the application-wide filter that FormCreate installs for the keys.
    ui->ScrollBox1->verticalScrollBar()->setSingleStep(QuestionGrid::kCellHeight);
    ui->ImagIE->setContextMenuPolicy(Qt::NoContextMenu);
}

void TForm1::FormCreate()
{
    ui->ImagIE->load(QUrl::fromLocalFile(QDir::current().absoluteFilePath(QStringLiteral("veltdata/htm.htm"))));
    // The skin file is read here once the skins join the window; until then Sfile is
    // empty and the layout's own pictures stay.
    m_session.modeId = ModeNone;
    m_session.rightCount = 0;
    m_session.autoNextPending = false;
    keysEnabled = true;
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0, 0, width(), height()), 7.5, 7.5);
    setMask(QRegion(outline.toFillPolygon().toPolygon()));
    update();
    multiArmed = true;
    qApp->installEventFilter(this); // key preview: every key-up of the window passes here first
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TForm1::loadBankLogo()
{
    if (!m_store.connected)
        return;
    m_imageDir = m_store.imageDir();
    const QString logo = m_imageDir + QLatin1Char('\\') + m_store.bankLogo();
    QPixmap picture(nativePath(logo));
    if (!picture.isNull()) // a bank without a logo keeps the layout's picture
        ui->img2->setPixmap(picture.scaled(ui->img2->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    ui->lbltikuzhuozhe->setText(m_store.bankAuthor());
}

void TForm1::onPageLoaded(bool)
{
    if (m_pageLoaded)
        return; // the page is loaded once; later changes are made inside it
    m_pageLoaded = true;
    chujiClick();
}

void TForm1::ApplySettings(int bankKind)
{
    m_store.open(m_state.bankPath());
    m_state.setBankKind(bankKind);
    TimerNext.setInterval(std::max(0, m_state.pauseMs()));
}

void TForm1::HidePanels()
{
    for (QWidget *w : {ui->souPNL, ui->Panel2, ui->pnl1, ui->pnl2, ui->pnlIE})
        w->hide();
}

void TForm1::setCaption(const QString &title)
{
    setWindowTitle(title + ui->lblguanyu->text());
}

void TForm1::enterPractice(ModeId mode, const QString &title)
{
    ui->CheckBox2->setChecked(true);
    setCaption(title);
    for (QWidget *w : std::initializer_list<QWidget *>{ui->pnl1, ui->Panel2, ui->souPNL, ui->lbl1, ui->JIAOJUAN})
        w->hide();
    tmruptime.stop();
    ui->lbljiazai->setText(kLoading);
    if (mode != ModeSequential)
        tmrjiange.start();
    m_session.enterPractice(mode);
    if (mode == ModeSequential)
        ui->lbljiazai->clear();
    ShowQuestion(0);
    HidePanels();
    ui->pnl2->show();
    // The mode's background picture is put in here once the skins join the window.
}

void TForm1::SunXuClick() { enterPractice(ModeSequential, kTitleSequential); }
void TForm1::chujiClick() { enterPractice(ModePreliminary, kTitlePreliminary); }
void TForm1::LianXKSClick() { enterPractice(ModeDifficult, kTitleDifficult); }

void TForm1::btnErrorLianXClick()
{
    m_session.modeId = ModeWrongReview;
    setCaption(kTitleWrongReview);
    ui->JIAOJUAN->hide();
    tmruptime.stop();
    ui->lbl1->hide();
    HidePanels();
    ui->pnl1->show();
}

void TForm1::btn2Click()
{
    m_session.modeId = ModeBrowser;
    HidePanels();
    ui->souPNL->show();
}

void TForm1::Button2Click()
{
    switch (m_session.restartTarget()) {
    case ModeSequential: SunXuClick(); break;
    case ModePreliminary: chujiClick(); break;
    case ModeDifficult: LianXKSClick(); break;
    default: break; // the exam restarts through its own entry once it exists
    }
}

void TForm1::DrawCell(int n, int style)
{
    m_grid.DrawCell(n, style);
    updateGrid();
}

void TForm1::updateGrid()
{
    const QRect dirty = m_grid.takeDirty();
    if (!dirty.isEmpty())
        ui->mage1->update(dirty);
}

void TForm1::ShowQuestion(int n)
{
    if (n != 0)
        m_session.curNo = n;
    DrawCell(m_session.curNo, QuestionGrid::Current);
    SyncMultiChecks();
    refreshAnswerImages(m_session.current().given);
    applyView(m_session.prepareView(ui->CheckBox1->isChecked()));
}

void TForm1::applyView(const QuestionView &v)
{
    ui->Label7->setText(v.hint);
    ui->CheckBox1->setVisible(v.showAnswerBoxVisible);
    if (!v.feedbackVisible) {
        ui->Label4->hide();
        ui->Image2->hide();
    } else {
        ui->Label4->show();
        ui->Label4->setPlainText(memoText(v.feedback));
        ui->Label4->setToolTip(memoText(v.feedback)); // the memo is small; the whole text on hover
        if (v.markVisibility == QuestionView::MarkVisibility::Show)
            ui->Image2->show();
        static const char *const kMarks[] = {nullptr, "veltdata\\select.png", "veltdata\\gantan.png",
                                             "veltdata\\fileclose.png"};
        if (const char *mark = kMarks[int(v.mark)])
            ui->Image2->setPixmap(QPixmap(nativePath(QString::fromUtf8(mark))));
        if (!v.warning.isEmpty())
            Messages::show(v.warning);
        if (v.exam)
            refreshAnswerImages(v.given);
    }
    ui->Label3->setText(v.position);
    ui->Label2->setText(v.idText);
    SetQuestionPage(v.text, v.picture);
    showPanelFor(v.panel);
}

void TForm1::showPanelFor(AnswerPanel panel)
{
    ui->pnlduanxuan->hide();
    ui->PaPanDuan->hide();
    ui->PaSuanZe->hide();
    switch (panel) {
    case AnswerPanel::Choice: ui->PaSuanZe->show(); break;
    case AnswerPanel::TrueFalse: ui->PaPanDuan->show(); break;
    case AnswerPanel::Multi: ui->pnlduanxuan->show(); break;
    case AnswerPanel::None: break;
    }
}

// The text first with the empty picture, then the picture, as one script: the page never
// shows a new text beside the old question's picture.
void TForm1::SetQuestionPage(const QString &text, const QString &picture)
{
    QString script = PageScript::setPicture(PageScript::picturePath(QString(), m_imageDir));
    if (!text.isEmpty())
        script += PageScript::setText(text);
    script += PageScript::setPicture(PageScript::picturePath(picture, m_imageDir));
    const bool probe = !text.isEmpty() && !m_textProbeSent && m_pageLoaded;
    if (!probe) {
        ui->ImagIE->page()->runJavaScript(script);
        return;
    }
    m_textProbeSent = true;
    ui->ImagIE->page()->runJavaScript(script, [this](const QVariant &) { emit firstQuestionTextSet(); });
}

// The answer pictures: the skin's when it names them, else the layout's own. The button of
// the given answer shows its marked picture.
void TForm1::refreshAnswerImages(int32_t given)
{
    const struct { PicButton *button; const char *key; int32_t code; } pictures[] = {
        {ui->Image1, "a", 1}, {ui->Image3, "b", 2}, {ui->img3, "c", 3},
        {ui->img4, "d", 4},   {ui->Image5, "cuo", 5}, {ui->Image4, "dui", 6},
    };
    for (const auto &p : pictures) {
        const QString key = QLatin1String(p.key) + (p.code == given ? QStringLiteral("0.png") : QStringLiteral(".png"));
        const QString skin = Sfile.lookup(key);
        p.button->setPixmap(QPixmap(skin == QLatin1String("null") ? QStringLiteral(":/ui/") + key : nativePath(skin)));
    }
    if (given != 0)
        hoverLatch = false;
}

void TForm1::Answer(int32_t code)
{
    ui->ScrollBox1->verticalScrollBar()->setValue(
        std::max(0, QuestionGrid::scrollPosition(m_session.curNo)));
    const AnswerOutcome out = m_session.answer(code, ui->CheckBox2->isChecked());
    if (!out.taken)
        return;
    if (out.showScore) {
        ui->Label5->setText(out.scoreText);
        ui->Label6->setText(out.rateText);
        ui->Label5->show();
        ui->Label6->show();
    } else if (out.hideScore) {
        ui->Label5->hide();
        ui->Label6->hide();
    }
    if (out.armAutoNext)
        TimerNext.start();
    ShowQuestion(0);
}

void TForm1::RecordFirstResult(int32_t id, bool right)
{
    m_session.RecordFirstResult(id, right);
}

QCheckBox *TForm1::box(int i) const
{
    QCheckBox *const boxes[] = {ui->chkA, ui->chkB, ui->chkC, ui->chkD, ui->chkE, ui->chkF, ui->chkG, ui->chkH};
    return boxes[i];
}

std::array<bool, 8> TForm1::tickedBoxes() const
{
    std::array<bool, 8> ticked{};
    for (int i = 0; i < 8; ++i)
        ticked[i] = box(i)->isChecked();
    return ticked;
}

void TForm1::SyncMultiChecks()
{
    const STR_TK &e = m_session.current();
    if (e.leixing != KindMulti)
        return;
    multiArmed = false;
    for (int i = 0; i < 8; ++i)
        box(i)->setChecked(e.given & multiBit(i));
    multiArmed = true;
}

void TForm1::CheckMultiOption(int32_t bit)
{
    if (!multiArmed)
        return;
    if (m_session.checkMultiOption(bit, multiMask(tickedBoxes())))
        ShowQuestion(0);
}

void TForm1::btnduoxuanClick()
{
    if (!m_session.hasQuestion())
        return;
    m_session.finishMulti(multiMask(tickedBoxes()));
    ShowQuestion(0);
    TimerNext.start();
}

// Shows or hides the space below the grid; the window's rounded outline stays as it was.
void TForm1::BitBtn9Click()
{
    if (height() == 627) {
        resize(width(), 785);
        ui->BitBtn9->setText(QStringLiteral("隐藏选题区"));
    } else {
        resize(width(), 627);
        ui->BitBtn9->setText(QStringLiteral("显示选题区"));
    }
}

void TForm1::UPClick()
{
    m_session.previous();
    ShowQuestion(0);
}

void TForm1::DOClick()
{
    const NextStep step = m_session.next();
    const QString message = PracticeSession::messageFor(step);
    if (!message.isEmpty())
        Messages::show(message);
    if (step == NextStep::AllRight)
        Button2Click();
    else
        ShowQuestion(0);
}

void TForm1::onTimerNext()
{
    if (!m_session.takeAutoNext(ui->CheckBox2->isChecked()))
        return; // nothing pending: the timer keeps ticking until an answer arms it
    TimerNext.stop();
    DOClick();
}

void TForm1::onGridMouse(int x, int y)
{
    if (m_grid.mouseMove(x, y))
        tmrmouse.start();
    updateGrid();
    ui->ScrollBox1->setFocus();
}

void TForm1::onGridClick()
{
    if (const int n = m_grid.clickTarget())
        ShowQuestion(n);
}

void TForm1::openBankLink()
{
    if (!m_store.connected)
        return;
    const QString link = m_store.bankLink();
    if (!link.isEmpty())
        QDesktopServices::openUrl(linkUrl(link, QDir::currentPath()));
}

void TForm1::openInfoPage(const QString &storedPath)
{
    ui->WebBrowser1->load(linkUrl(storedPath, QDir::currentPath()));
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyRelease:
        onKeyUp(watched, static_cast<QKeyEvent *>(event));
        break;
    case QEvent::Wheel:
        if (watched == ui->ScrollBox1->viewport()) {
            const auto *wheel = static_cast<QWheelEvent *>(event);
            QScrollBar *bar = ui->ScrollBox1->verticalScrollBar();
            bar->triggerAction(wheel->angleDelta().y() < 0 ? QAbstractSlider::SliderSingleStepAdd
                                                           : QAbstractSlider::SliderSingleStepSub);
            return true;
        }
        break;
    case QEvent::MouseButtonPress:
        if (watched == ui->pnl3 || watched == ui->pnl2 || watched == ui->pnlIE) {
            if (windowHandle())
                windowHandle()->startSystemMove();
            return true;
        }
        break;
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}

// Key preview: every key-up in this window, whichever control has the focus. A key the
// focused control ignores travels up to its parents; it is acted on once.
void TForm1::onKeyUp(QObject *receiver, QKeyEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(receiver);
    if (!widget || widget->window() != this || event->isAutoRepeat() || !keysEnabled)
        return;
    auto *previous = qobject_cast<QWidget *>(m_lastKeyReceiver.data());
    if (event == m_lastKey && previous && previous != widget && widget->isAncestorOf(previous))
        return;
    m_lastKey = event;
    m_lastKeyReceiver = receiver;
    const int vk = virtualKeyFromQt(event->key(), event->modifiers());
    const KeyAction action = keyActionFor(vk, KeyBindings::from(m_state), !ui->PaPanDuan->isHidden());
    if (action == KeyAction::Previous)
        UPClick();
    else if (action == KeyAction::Next)
        DOClick();
    else if (const int32_t code = answerCodeOf(action))
        Answer(code);
}

void TForm1::mousePressEvent(QMouseEvent *event)
{
    if (windowHandle())
        windowHandle()->startSystemMove();
    QWidget::mousePressEvent(event);
}

void TForm1::closeEvent(QCloseEvent *event)
{
    for (QTimer *timer : {&TimerNext, &tmrjiange, &tmruptime, &tmrKAOSHI, &tmrmouse, &tmrtimpifu, &INIT2})
        timer->stop(); // nothing may reach the bank once it is closed
    m_store.close();
    event->accept();
}
