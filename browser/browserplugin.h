#pragma once

#include "browsermodule.h"

#include <QObject>

namespace tintmill {

// The module's entry object, made by QPluginLoader.
class BrowserPlugin : public QObject, public BrowserModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TintmillBrowserModule_iid)
    Q_INTERFACES(tintmill::BrowserModule)

public:
    PreviewView *createView(QWidget *parent, const PreviewViewHooks &hooks,
                            QString *failure) override;
};

} // namespace tintmill
