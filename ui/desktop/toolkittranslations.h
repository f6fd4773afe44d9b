#pragma once

#include <QTranslator>

namespace tintmill {

// Qt's own Japanese texts (the file dialogs, the buttons of message and input
// boxes), from the Qt translations installed with the system, for as long as
// this object lives. The program's own texts are Japanese already; without
// these the toolkit's would be English beside them.
class ToolkitTranslations
{
public:
    ToolkitTranslations();
    ~ToolkitTranslations();
    ToolkitTranslations(const ToolkitTranslations &) = delete;
    ToolkitTranslations &operator=(const ToolkitTranslations &) = delete;

    // False when the system has no Japanese translation of Qt: the toolkit's
    // texts then stay English, and nothing else changes.
    bool installed() const { return m_installed; }

private:
    QTranslator m_translator;
    bool m_installed = false;
};

} // namespace tintmill
