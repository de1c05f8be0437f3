#pragma once

#include <QString>

// Puts a freshly built bank in place of the one a learner uses, without losing the learner's
// answer counters (dui, cuo, gong), which live in the installed bank itself.
enum class InstallResult {
    Installed,  // there was no bank yet; the new one was copied
    Unchanged,  // the installed bank already holds these questions; it was not touched
    Updated,    // the questions changed; the new bank replaced the old with the counters carried over
    Failed      // nothing was changed; `message` says why
};

struct InstallReport
{
    InstallResult result = InstallResult::Failed;
    int carried = 0;    // rows whose counters came from the old bank
    QString message;
};

// A question keeps its counters when the new bank has a row with the same text and picture,
// or, failing that, with the same text when the old bank had that text only once. The new
// file is written beside the old one and renamed over it, so a crash leaves one or the other.
InstallReport installBank(const QString &builtBank, const QString &installedBank);
