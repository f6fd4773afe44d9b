#include "toolkittranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace tintmill {

ToolkitTranslations::ToolkitTranslations()
{
    // Japanese whatever the system's language, as the rest of the program is.
    m_installed = m_translator.load(QStringLiteral("qtbase_ja"),
                                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
                  QCoreApplication::installTranslator(&m_translator);
}

ToolkitTranslations::~ToolkitTranslations()
{
    if (m_installed)
        QCoreApplication::removeTranslator(&m_translator);
}

} // namespace tintmill
