#include "nativepath.h"

#include <QStringView>
#include <climits>
#include <unistd.h>

namespace tintmill {

namespace {

constexpr char16_t firstHeldByte = 0xDC80; // holds byte 0x80; 0xDCFF holds 0xFF

// The code point of the well-formed UTF-8 sequence at `at`, and its length;
// length 0 when the bytes there are not one (an overlong form, a surrogate,
// beyond U+10FFFF, cut short).
std::pair<char32_t, int> utf8At(const QByteArray &bytes, qsizetype at)
{
    const auto byte = [&](qsizetype k) {
        return static_cast<unsigned char>(bytes.at(k));
    };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return {lead, 1};
    int length = 0;
    char32_t c = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        c = lead & 0x1F;
        least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        c = lead & 0x0F;
        least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        c = lead & 0x07;
        least = 0x10000;
    } else {
        return {0, 0};
    }
    if (at + length > bytes.size())
        return {0, 0};
    for (int k = 1; k < length; ++k) {
        if ((byte(at + k) & 0xC0) != 0x80)
            return {0, 0};
        c = (c << 6) | (byte(at + k) & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return {0, 0};
    return {c, length};
}

} // namespace

QString pathFromNative(const QByteArray &native)
{
    QString path;
    path.reserve(native.size());
    for (qsizetype at = 0; at < native.size();) {
        const auto [c, length] = utf8At(native, at);
        if (length == 0) {
            path += QChar(static_cast<char16_t>(firstHeldByte - 0x80 +
                                                static_cast<unsigned char>(native.at(at))));
            ++at;
        } else {
            path += QStringView(QChar::fromUcs4(c));
            at += length;
        }
    }
    return path;
}

QByteArray nativePath(const QString &path)
{
    QByteArray native;
    native.reserve(path.size());
    for (qsizetype at = 0; at < path.size(); ++at) {
        const QChar c = path.at(at);
        const bool pair =
            c.isHighSurrogate() && at + 1 < path.size() && path.at(at + 1).isLowSurrogate();
        if (!pair && c.unicode() >= firstHeldByte && c.unicode() <= firstHeldByte + 0x7F) {
            native += static_cast<char>(c.unicode() - firstHeldByte + 0x80);
            continue;
        }
        const qsizetype length = pair ? 2 : 1;
        native += path.mid(at, length).toUtf8();
        at += length - 1;
    }
    return native;
}

QString absolutePathFromArgument(const QByteArray &argument)
{
    if (argument.startsWith('/'))
        return pathFromNative(argument);
    QByteArray folder(PATH_MAX, Qt::Uninitialized);
    if (::getcwd(folder.data(), static_cast<size_t>(folder.size())) == nullptr)
        return pathFromNative(argument);
    folder.truncate(static_cast<qsizetype>(qstrlen(folder.constData())));
    return pathFromNative(folder == "/" ? folder + argument : folder + '/' + argument);
}

} // namespace tintmill
