#pragma once

#include <QString>
#include <QStringList>

namespace tintmill {

class BrowserModule;

// Where the browser module is looked for, in this order: beside the
// executable (a copied program), the installed library folder, and the
// build tree (tests and tools that live in folders of their own).
QStringList defaultBrowserModuleFolders();

// Loads the browser module from the first of `folders` that holds a usable
// one; it stays loaded for the rest of the run. nullptr when none does, with
// every place tried and why it failed in `failure`.
BrowserModule *loadBrowserModule(const QStringList &folders, QString *failure);

} // namespace tintmill
