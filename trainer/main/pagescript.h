#pragma once

#include <QString>

// The question page is changed by scripts run in its document. Texts and picture names
// come from the bank, so they travel as JSON-encoded string literals: a quote, backslash
// or line break in a question can never end the literal early. What the literal carries
// is still set as HTML, so a bank's own markup keeps working.
namespace PageScript {
QString stringLiteral(const QString &text);

// The address the page's picture element gets: the empty-picture placeholder for an empty
// or single-blank name, otherwise the bank's picture directory and the name; relative to
// the page, which lives in the data directory.
QString picturePath(const QString &picture, const QString &imageDir);

// Script that sets the picture element "id_img".
QString setPicture(const QString &path);
// Script that sets the text element "text"; line breaks "\r\n" become "<br/>".
QString setText(const QString &text);
}
