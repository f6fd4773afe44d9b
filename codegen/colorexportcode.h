#pragma once

#include "colorexport.h"
#include "exportformats.h"
#include "platform/toggle.h"

#include <QObject>
#include <QString>

namespace tintmill {

class PageSchemes;
class ScrollbarColorEditor;
struct Services;

// The export of the current colours, kept up to date: every page colour,
// every scrollbar colour and on/off box, and the choice of format rebuild it
// at once, so the window that shows it follows the editors live.
class ColorExportCode : public QObject
{
    Q_OBJECT

public:
    ColorExportCode(const PageSchemes &pageSchemes, const ScrollbarColorEditor &scrollbarEditor,
                    const Services &services, QObject *parent = nullptr);

    // The format, by its place in exportFormats().
    OptionGroup format;

    ExportFormat selectedFormat() const { return static_cast<ExportFormat>(format.selected()); }
    ExportColors colors() const;
    // Rebuilds the text from both editors' colours and the format.
    void generate();
    const QString &text() const { return m_text; }

    void copy();
    // Asks where to save, adds the format's extension to a name typed without
    // one, and writes the text whole or not at all. A failure is reported;
    // false when nothing was written.
    bool save();
    // The same in the format `written`, whichever is chosen, under the
    // dialog's `title`.
    bool saveAs(ExportFormat written, const QString &title);

signals:
    void textChanged();
    // The text was written to `path`.
    void saved(const QString &path);

private:
    const PageSchemes &m_pageSchemes;
    const ScrollbarColorEditor &m_scrollbarEditor;
    const Services &m_services;
    QString m_text;
};

} // namespace tintmill
