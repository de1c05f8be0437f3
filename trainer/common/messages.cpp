#include "messages.h"

#include <cstdio>

namespace {
MessageSink *g_sink = nullptr;
}

void MessageRecorder::showMessage(const QString &text)
{
    texts.append(text);
}

namespace Messages {

void show(const QString &text)
{
    if (g_sink) {
        g_sink->showMessage(text);
        return;
    }
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

MessageSink *install(MessageSink *sink)
{
    MessageSink *previous = g_sink;
    g_sink = sink;
    return previous;
}

MessageSink *installed()
{
    return g_sink;
}

}
