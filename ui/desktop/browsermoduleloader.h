#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QObject;
class QThread;

namespace tintmill {

class BrowserModule;

// Where the browser module is looked for, in this order: beside the
// executable (a copied program), the library folder of the tree the
// executable was installed in, the library folder of the configured install
// prefix, and the build tree (tests and tools that live in folders of their
// own).
QStringList defaultBrowserModuleFolders();

// Does the slow part of loading the browser module on a worker thread, so
// that the window stays responsive: loads the module's library with the
// engine's, once the engine has been set to draw in software. Then calls `ready` on
// `receiver`'s thread, where loadBrowserModule() is quick. Returns the worker
// (it deletes itself when done), or nullptr when there was nothing to do and
// `ready` is merely queued.
QThread *prepareBrowserModule(const QStringList &folders, QObject *receiver,
                              std::function<void()> ready);

// Loads the browser module from the first of `folders` that holds a usable
// one; it stays loaded for the rest of the run. nullptr when none does, with
// every place tried and why it failed in `failure`.
BrowserModule *loadBrowserModule(const QStringList &folders, QString *failure);

} // namespace tintmill
