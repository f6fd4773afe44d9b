#pragma once

#include "platform/plaintext.h"

#include <QString>
#include <QStringView>

namespace tintmill {

// A description comes from colour files that others share, so it may hold
// any character at all. Each place it is written to gets it in a form that
// cannot leave that place: a comment, a string, a line of a terminal.

// oneLineText (platform/plaintext.h) is the form for one line of plain text.

// oneLineText, with "*/" (which ends the comment) and "</" (which ends a
// <style> element the CSS is pasted into) broken by a space.
QString cssCommentText(QStringView text);

// oneLineText for a Sass comment, with U+FFFD shown as 〓 (U+3013, the
// mark Japanese text puts where a character cannot be shown): the reference
// Sass compiler takes U+FFFD in a file for a decoding error and stops.
QString scssCommentText(QStringView text);

// A JSON string literal of `text`, quotes included. Control characters and
// the two line separators JavaScript once refused in strings are escaped,
// so the text reads back exactly; a lone surrogate half becomes U+FFFD.
QString jsonString(QStringView text);

} // namespace tintmill
