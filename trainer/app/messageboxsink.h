#pragma once

#include "messages.h"

// Shows the trainer's messages as modal boxes with an OK button.
class MessageBoxSink : public MessageSink
{
public:
    void showMessage(const QString &text) override;
};
