#pragma once

#include <QByteArray>
#include <QString>

namespace tintmill {

// The system names a file by bytes, which need not be UTF-8: a name carried
// over from another system may be Shift_JIS or Latin-1. Qt reads each stray
// byte as U+FFFD, and the name then leads nowhere. These keep every byte: a
// byte that is not part of UTF-8 is held as the lone surrogate U+DC80–U+DCFF
// and given back as that byte. Every file the program reads or writes goes
// through nativePath, so a path made here opens the file it names.

QString pathFromNative(const QByteArray &native);
QByteArray nativePath(const QString &path);

// An argument of the command line as a whole path: a relative one is taken
// from the working folder, whatever bytes either holds.
QString absolutePathFromArgument(const QByteArray &argument);

} // namespace tintmill
