#pragma once

#include "core/readability.h"

#include <QObject>
#include <optional>

namespace tintmill {

class PageColorEditor;
class ViewOptions;

// The readability of the page colours as they stand: every sample line's
// contrast on every block, and a web-safe colour for each line that falls
// short where it is shown. It follows the colours and the View options; the
// report is worked out when first asked for after a change, so nothing is
// computed while no one is looking.
class ReadabilityCheck : public QObject
{
    Q_OBJECT

public:
    ReadabilityCheck(PageColorEditor &editor, const ViewOptions &viewOptions,
                     QObject *parent = nullptr);

    ReadabilityInput input() const;
    const ReadabilityReport &report() const;

    // Gives sample line `line` (0..4) its suggested colour, or the block its
    // suggested background, as pressing that colour's button with the role
    // selected does (and so with the same file and memory marks cleared); the
    // selected role stays as it was. False when the line has no suggestion.
    bool applySuggestion(int line);

    // The colours or the shown lines changed: the report is worked out anew
    // when next asked for.
    void invalidate();

signals:
    // The colours or the shown lines changed; the report is out of date.
    void changed();

private:
    PageColorEditor &m_editor;
    const ViewOptions &m_viewOptions;
    mutable std::optional<ReadabilityReport> m_report;
};

} // namespace tintmill
