#include "systemerror.h"

#include <cerrno>
#include <cstring>

namespace tintmill {

std::optional<QString> systemErrorText(int error)
{
    switch (error) {
    case ELOOP:
        return QStringLiteral("シンボリックリンクが循環しています。");
    case ENAMETOOLONG:
        return QStringLiteral("ファイルの名前かパスが長すぎます。");
    case EIO:
        return QStringLiteral("ディスクの読み書きでエラーが発生しました。");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("同時に開いているファイルが多すぎます。");
    case ENOMEM:
        return QStringLiteral("メモリーが足りません。");
    case EROFS:
        return QStringLiteral("読み取り専用のディスクです。");
    case EFBIG:
    case EOVERFLOW:
        return QStringLiteral("ファイルが大きすぎます。");
    case ETXTBSY:
    case EBUSY:
        return QStringLiteral("ファイルが使用中です。");
    case ENXIO:
    case ENODEV:
        return QStringLiteral("デバイスが見つかりません。");
    case ESTALE:
    case ENOTCONN:
    case ETIMEDOUT:
        return QStringLiteral("ネットワーク上のファイルに届きません。");
    default:
        return std::nullopt;
    }
}

QString unknownErrorText(const QString &what, int error)
{
    const char *name = ::strerrorname_np(error);
    const QString number = name == nullptr
                               ? QString::number(error)
                               : QStringLiteral("%1 %2").arg(error).arg(QLatin1String(name));
    return QStringLiteral("%1中にエラーが発生しました（エラー番号 %2）。").arg(what, number);
}

} // namespace tintmill
