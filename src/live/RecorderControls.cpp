#include "live/RecorderControls.h"

#include "base/LanguageStrings.h"
#include "base/Prompter.h"
#include "base/ShellWindow.h"
#include "link/ConnectionManager.h"
#include "live/LivePoll.h"
#include "live/LiveRecord.h"
#include "live/RecordingFile.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLocale>
#include <QPainter>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>

namespace zantrel {

namespace {

constexpr int kIconSide = 16;

// A red dot: the record button's face.
QIcon recordIcon()
{
    QPixmap dot(kIconSide, kIconSide);
    dot.fill(Qt::transparent);
    QPainter p(&dot);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 30, 30));
    p.drawEllipse(QRectF(2, 2, kIconSide - 4, kIconSide - 4));
    return QIcon(dot);
}

QToolButton* newButton(QWidget* parent, const char* name, const QIcon& icon, const QString& hint)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(icon);
    button->setToolTip(hint);
    button->setAutoRaise(true);
    return button;
}

} // namespace

RecorderControls::RecorderControls(ShellWindow& window, LivePoll& poll, const LiveRecord& record,
                                   const ConnectionManager& connection, const LanguageStrings& texts,
                                   Prompter& prompter)
    : QObject(&window.Widget())
    , window_(window)
    , record_(record)
    , connection_(connection)
    , texts_(texts)
    , prompter_(prompter)
    , chooseFile_([this] { return ChooseRecordingToSave(&window_.Widget()); })
{
    GroupBoxZapiszRamke = new QGroupBox(&window.Widget());
    GroupBoxZapiszRamke->setObjectName(QStringLiteral("GroupBoxZapiszRamke"));
    GroupBoxZapiszRamke->setFlat(true);
    auto* row = new QHBoxLayout(GroupBoxZapiszRamke);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    const QStyle* style = GroupBoxZapiszRamke->style();
    ButtonZapiszRamke = newButton(GroupBoxZapiszRamke, "ButtonZapiszRamke", recordIcon(), texts_[Text::RecordHint]);
    ButtonPauzujRamke = newButton(GroupBoxZapiszRamke, "ButtonPauzujRamke", style->standardIcon(QStyle::SP_MediaPause),
                                  texts_[Text::PauseHint]);
    ButtonZatrzymajRamke = newButton(GroupBoxZapiszRamke, "ButtonZatrzymajRamke",
                                     style->standardIcon(QStyle::SP_MediaStop), texts_[Text::StopHint]);
    for (QToolButton* button : {ButtonZapiszRamke, ButtonPauzujRamke, ButtonZatrzymajRamke})
        row->addWidget(button);
    connect(ButtonZapiszRamke, &QToolButton::clicked, this, &RecorderControls::ButtonZapiszRamkeClick);
    connect(ButtonPauzujRamke, &QToolButton::clicked, this, &RecorderControls::ButtonPauzujRamkeClick);
    connect(ButtonZatrzymajRamke, &QToolButton::clicked, this, &RecorderControls::ButtonZatrzymajRamkeClick);
    // Hidden, and out of the status bar, whose height it would change.
    if (window.ServiceView())
        window.StatusBar().addPermanentWidget(GroupBoxZapiszRamke);
    else
        GroupBoxZapiszRamke->hide();

    // Direct: the record is taken as it was accepted, even when that happens inside
    // another handler's link operation.
    connect(&poll, &LivePoll::RecordAccepted, this, &RecorderControls::append);
    showState();
}

void RecorderControls::ButtonZapiszRamkeClick()
{
    if (recorder_.Running())
        return;
    const QByteArray header = RecordingHeader(BaseCaption(texts_), now_(), QLocale::system());
    const QString path = chooseFile_();
    if (path.isEmpty())
        return;
    if (!recorder_.Start(path, header)) {
        prompter_.Inform(texts_[Text::Error], texts_[Text::FileOperationFailed]);
        return;
    }
    showState();
}

void RecorderControls::ButtonPauzujRamkeClick()
{
    recorder_.TogglePause();
    showState();
}

void RecorderControls::ButtonZatrzymajRamkeClick()
{
    if (!recorder_.Running())
        return;
    recorder_.Stop();
    showState();
    window_.SetCaption(caption());
}

void RecorderControls::append()
{
    if (recorder_.Append(record_.Words()))
        return;
    showState();
    window_.SetCaption(caption());
    // Not from inside a link operation: the box runs from the loop.
    QMetaObject::invokeMethod(
        this, [this] { prompter_.Inform(texts_[Text::Error], texts_[Text::FileOperationFailed]); },
        Qt::QueuedConnection);
}

QString RecorderControls::caption() const
{
    return CaptionToExtend(connection_.CaptionWithIdentity(), texts_);
}

// The buttons, and the caption while a recording runs.
void RecorderControls::showState()
{
    const bool running = recorder_.Running();
    ButtonZapiszRamke->setEnabled(!running);
    ButtonPauzujRamke->setEnabled(running);
    ButtonZatrzymajRamke->setEnabled(running);
    switch (recorder_.CurrentState()) {
    case LiveRecorder::State::Recording:
        window_.SetCaption(RecordingCaption(caption(), texts_[Text::RecordingLabel], recorder_.Path()));
        break;
    case LiveRecorder::State::Paused:
        window_.SetCaption(RecordingCaption(caption(), texts_[Text::RecordingPausedLabel], recorder_.Path()));
        break;
    case LiveRecorder::State::Idle:
        break;
    }
}

} // namespace zantrel
