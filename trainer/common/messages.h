#pragma once

#include <QString>
#include <QStringList>

// Every modal message the trainer shows goes through one sink, so tests can record
// the exact texts instead of clicking boxes away.
class MessageSink
{
public:
    virtual ~MessageSink() = default;
    virtual void showMessage(const QString &text) = 0;
};

// Keeps every message in order instead of showing it; tests install one to check the
// exact texts.
class MessageRecorder : public MessageSink
{
public:
    void showMessage(const QString &text) override;
    QStringList texts;
};

namespace Messages {
// Shows text through the installed sink. Without one (tools, tests that do not care)
// the text goes to standard error so nothing is silently lost.
void show(const QString &text);

// Installs a sink and returns the previous one; nullptr restores the standard-error fallback.
MessageSink *install(MessageSink *sink);
MessageSink *installed();
}
