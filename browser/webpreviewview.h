#pragma once

#include "browsermodule.h"

#include <QWebEngineView>

namespace tintmill {

class PreviewWebPage;

// The browser view `broPre`: shows the preview page with the program's
// display rules added, and nothing else.
class WebPreviewView : public QWebEngineView, public PreviewView
{
    Q_OBJECT

public:
    WebPreviewView(QWidget *parent, PreviewViewHooks hooks);

    QWidget *widget() override { return this; }
    void navigate(const QUrl &url) override;

private:
    PreviewViewHooks m_hooks;
    PreviewWebPage *m_page;
};

// A script that adds `css` to a document as a style element of its own.
QString styleInjectionScript(const QString &css);

} // namespace tintmill
