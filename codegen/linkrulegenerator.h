#pragma once

#include "platform/toggle.h"

#include <QObject>
#include <QString>

namespace tintmill {

class PageColorEditor;

// The link rule generator: which pseudo-classes get a rule, whether there is
// anything to generate, and the rules last built.
class LinkRuleGenerator : public QObject
{
    Q_OBJECT

public:
    explicit LinkRuleGenerator(const PageColorEditor &editor, QObject *parent = nullptr);

    // Unticked until start-up ticks them.
    Toggle chkLinkCss;
    Toggle chkVLinkCss;
    Toggle chkHoverCss;
    Toggle chkALinkCss;

    // The generate button is enabled exactly while at least one box is ticked.
    bool canGenerate() const { return m_canGenerate; }
    const QString &text() const { return m_text; }

    void generate();

signals:
    void canGenerateChanged(bool canGenerate);
    void textChanged();

private:
    void noStyleCheckLink();

    const PageColorEditor &m_editor;
    bool m_canGenerate = false;
    QString m_text;
};

} // namespace tintmill
