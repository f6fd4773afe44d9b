#pragma once

#include "platform/toggle.h"

#include <QObject>
#include <QString>

namespace tintmill {

class PageColorEditor;

// The body tag generator: which attributes to write, and the tag last built.
// The tag is built only on request; later colour or option changes leave it
// as it is until the next request.
class BodyTagGenerator : public QObject
{
    Q_OBJECT

public:
    explicit BodyTagGenerator(const PageColorEditor &editor, QObject *parent = nullptr);

    // The attribute boxes, unticked until start-up ticks them.
    Toggle chkText;
    Toggle chkLink;
    Toggle chkVlink;
    Toggle chkALink;
    Toggle chkBG;

    const QString &text() const { return m_text; }

    // Builds the tag from the current colours.
    void generate();

signals:
    void textChanged();

private:
    const PageColorEditor &m_editor;
    QString m_text;
};

} // namespace tintmill
