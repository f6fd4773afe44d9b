#pragma once

#include "platform/services.h"

#include <QPointer>
#include <QStringList>
#include <QUrl>
#include <QWidget>
#include <functional>

class QLabel;
class QThread;

namespace tintmill {

class PreviewView;

// Holds the browser view `broPre`. The view comes from the browser module,
// which brings the browser engine with it; both are loaded only when this
// place is first shown, that is when the scrollbar editor is first in use, so
// a run spent on the page colours never pays for them. Until the view shows
// its page, a short notice takes its place: that the preview is being
// prepared, or why it cannot be shown. A page asked for before the view
// exists is loaded as soon as it does.
//
// The preview page colours its scrollbar with legacy properties that today's
// engine ignores. For display only, the view adds the engine's own scrollbar
// rules in the same colours, worked out here from the page on disk; the file
// itself is left as it is.
class PreviewHost : public QWidget, public PreviewBrowser
{
    Q_OBJECT

public:
    enum class State
    {
        NotLoaded,     // never shown: no module, no engine
        Loading,       // the notice says so until the first page has loaded
        Showing,       // the view shows its page
        Unavailable,   // the module or the engine could not be loaded
        EngineStopped, // the page process ended; the next page starts a new one
    };
    Q_ENUM(State)

    explicit PreviewHost(QWidget *parent = nullptr);
    ~PreviewHost() override;

    void navigate(const QUrl &url) override;

    // Loads the module and creates the view now, if that has not been done.
    // Shown for the first time, the host does this itself, with the slow
    // part of the loading on a worker thread.
    void createView();
    // The view, once created.
    QWidget *view() const;
    State state() const { return m_state; }

    // How links that leave the preview are opened: by default in the
    // desktop's own browser. Takes effect for a view created afterwards.
    void setExternalOpener(std::function<void(const QUrl &)> opener);
    // Where the browser module is looked for, by default
    // defaultBrowserModuleFolders(). Takes effect for a view created afterwards.
    void setModuleFolders(QStringList folders) { m_moduleFolders = std::move(folders); }

signals:
    void viewCreated();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setState(State state, const QString &notice = {});
    void pageLoaded();

    QLabel *m_notice;
    PreviewView *m_view = nullptr;
    State m_state = State::NotLoaded;
    QUrl m_lastUrl;
    QStringList m_moduleFolders;
    QPointer<QThread> m_preparation;
    std::function<void(const QUrl &)> m_externalOpener;
};

} // namespace tintmill
