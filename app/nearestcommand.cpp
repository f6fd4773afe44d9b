#include "colorset/colortext.h"
#include "commandline.h"
#include "commandoutput.h"
#include "commands.h"
#include "core/csscolor.h"
#include "core/nearestwebsafe.h"
#include "editor/csscolorrefusaltext.h"
#include "editor/differencewords.h"
#include "editor/nearesttexts.h"
#include "platform/plaintext.h"

#include <algorithm>

namespace tintmill {

namespace {

// The colour the text reads as, what was done to it to find its match, and
// the web-safe colours nearest to it, as 近いWebセーフ色 shows them.
QString nearestText(const QString &text, const CssColor &given)
{
    QString shown =
        QStringLiteral("%1 → %2\n").arg(shownText(text.trimmed()), rrggbbText(given.color));
    for (const QString &note : givenColorNotes(given))
        shown += QStringLiteral("  ※ %1\n").arg(note);
    // The distances lined up at their decimal points, as in a table.
    const std::array<WebSafeMatch, nearestMatchCount> matches = nearestWebSafe(given.color);
    qsizetype width = 0;
    for (const WebSafeMatch &match : matches)
        width = std::max(width, QString::number(match.distance, 'f', 2).size());
    for (const WebSafeMatch &match : matches)
        shown += QStringLiteral("  %1  %2（%3）\n")
                     .arg(rrggbbText(webSafeColor(match.index)))
                     .arg(match.distance, int(width), 'f', 2)
                     .arg(differenceWord(match.distance));
    return shown;
}

} // namespace

int runNearest(const Arguments &arguments)
{
    QStringList found;
    bool allColors = true;
    for (const QByteArray &operand : arguments.operands) {
        const QString text = QString::fromUtf8(operand);
        const CssColorReading reading = readCssColor(text.toStdString());
        if (reading.color) {
            found.append(nearestText(text, *reading.color));
            continue;
        }
        allColors = false;
        // The window says nothing of an empty box; here it was given on purpose.
        const QString why = reading.refusal.problem == CssColorProblem::Empty
                                ? QStringLiteral("空です。")
                                : cssColorRefusalText(reading.refusal);
        writeError(QStringLiteral("tintmill: 「%1」はCSSの色として読めません。%2\n")
                       .arg(shownText(text), shownText(why)));
    }
    const int written = writeOutput(found.join(u'\n').toUtf8());
    if (written != exitstatus::ok)
        return written;
    return allColors ? exitstatus::ok : exitstatus::badUse;
}

} // namespace tintmill
