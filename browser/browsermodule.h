#pragma once

#include "platform/services.h"

#include <QString>
#include <QUrl>
#include <QtPlugin>
#include <functional>

class QWidget;

namespace tintmill {

// The browser view `broPre` as the program sees it: a widget that shows the
// pages it is sent to. It lives in the browser module, the only code that
// links the browser engine.
class PreviewView : public PreviewBrowser
{
public:
    // The view itself; the parent it was made with owns it.
    virtual QWidget *widget() = 0;
};

// What the program hands a new view. Every member must be set.
struct PreviewViewHooks
{
    // Opens a web address the user followed, outside the program.
    std::function<void(const QUrl &)> openExternally;
    // Style rules to add, for display only, to the page at `url` before its
    // first frame; the file itself is left as it is.
    std::function<QString(const QUrl &)> displayStyle;
    // A page has finished loading (or failed to); true when it loaded.
    std::function<void(bool)> pageLoaded;
    // The engine's page process ended or could not start; the next
    // navigation starts a new one.
    std::function<void()> engineStopped;
};

// The entry point of the module, found with QPluginLoader.
class BrowserModule
{
public:
    virtual ~BrowserModule() = default;
    // A new view inside `parent`, or nullptr with the reason in `failure`
    // when the engine cannot run on this system.
    virtual PreviewView *createView(QWidget *parent, const PreviewViewHooks &hooks,
                                    QString *failure) = 0;
};

} // namespace tintmill

// Changes with any change to the classes above, so that a stale module is
// refused instead of called through the wrong layout.
#define TintmillBrowserModule_iid "org.tintmill.BrowserModule/1"
Q_DECLARE_INTERFACE(tintmill::BrowserModule, TintmillBrowserModule_iid)
