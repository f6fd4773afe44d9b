#include "colorfileformat.h"

#include "core/roles.h"
#include "platform/textfile.h"

#include <QStringList>
#include <algorithm>

namespace tintmill::colorfile {

namespace {

const QChar separator = u'/';

// A record holds eight colours, of a page set or of a scrollbar set alike:
// what files hold stays as it is, whatever the program learns.
constexpr int recordColors = 8;
constexpr int recordDataLength = 6 * recordColors;
static_assert(pageRoleCount == recordColors && scrollbarRoleCount == recordColors);

bool isWebSafePair(QStringView pair)
{
    static const std::array<QLatin1String, 6> steps{
        QLatin1String("00"), QLatin1String("33"), QLatin1String("66"),
        QLatin1String("99"), QLatin1String("CC"), QLatin1String("FF"),
    };
    return std::ranges::any_of(steps, [pair](QLatin1String step) { return pair == step; });
}

QString dataOf(const std::array<QString, recordColors> &captions)
{
    QString data;
    for (const QString &caption : captions)
        data += caption.right(6);
    return data;
}

std::array<QString, recordColors> captionsOf(const QString &data)
{
    std::array<QString, recordColors> captions;
    for (int k = 0; k < recordColors; ++k)
        captions.at(k) = u'#' + data.mid(qsizetype{6} * k, 6);
    return captions;
}

} // namespace

std::optional<ColorFileKind> kindOfFileName(const QString &name)
{
    if (name.endsWith(QLatin1String(".iro"), Qt::CaseInsensitive))
        return ColorFileKind::Page;
    if (name.endsWith(QLatin1String(".scb"), Qt::CaseInsensitive))
        return ColorFileKind::Scrollbar;
    return std::nullopt;
}

bool funcFile(const QString &tempData)
{
    const qsizetype hash = tempData.indexOf(u'#');
    if (hash < 0)
        return false;
    const QStringView data = QStringView(tempData).mid(hash + 1);
    if (data.size() != recordDataLength)
        return false;
    for (qsizetype i = 0; i < data.size(); i += 2) {
        if (!isWebSafePair(data.mid(i, 2)))
            return false;
    }
    return true;
}

QString FileNameOf(const QString &path)
{
    return path.mid(path.lastIndexOf(separator) + 1);
}

QString FolderOf(const QString &path)
{
    const qsizetype last = path.lastIndexOf(separator);
    return last < 0 ? QString() : path.left(last);
}

QString pathOf(const QString &folder, const QString &fileName)
{
    return folder + separator + fileName;
}

QString descriptionProblem(const QString &description)
{
    if (description.size() > descriptionLimit)
        return QStringLiteral("説明が長すぎます。%1文字以内にしてください。").arg(descriptionLimit);
    QStringList refused;
    bool lineBreak = false;
    bool control = false;
    // A character that does not come back from the file as it went in would
    // change the description silently, or stop the file from reading back;
    // a control character would reach the comments of exported code and
    // terminals. Each character is tried on its own so that the message can
    // name it; control characters are named by kind, as they show nothing.
    for (qsizetype i = 0; i < description.size();) {
        const qsizetype length =
            description.at(i).isHighSurrogate() && i + 1 < description.size() ? 2 : 1;
        const QString one = description.mid(i, length);
        i += length;
        const char16_t first = one.at(0).unicode();
        if (first == u'\r' || first == u'\n' || first == u'\u0085' || first == u'\u2028' ||
            first == u'\u2029')
            lineBreak = true;
        else if (one.at(0).category() == QChar::Other_Control)
            control = true;
        else if ((one == QLatin1String("#") ||
                  decodeCp932(encodeCp932(one)) != withCp932Glyphs(one)) &&
                 !refused.contains(one))
            refused.append(one);
    }
    if (refused.isEmpty() && !lineBreak && !control)
        return {};
    QString characters;
    for (const QString &one : refused)
        characters += QStringLiteral("「%1」").arg(one);
    QStringList named;
    if (!characters.isEmpty())
        named += characters;
    if (lineBreak)
        named += QStringLiteral("改行");
    if (control)
        named += QStringLiteral("制御文字");
    return QStringLiteral("説明に使えない文字があります：%1\n"
                          "「#」、改行、制御文字、シフトJISにない文字は色設定ファイルに保存"
                          "できません。\n"
                          "別の文字に替えて、もう一度入力してください。")
        .arg(named.join(u'と'));
}

QString fileText(const StoredColorSet &set)
{
    const QString data = std::visit([](const auto &kind) { return dataOf(kind.captions); }, set);
    QStringList lines{descriptionOf(set) + u'#' + data};
    if (const auto *scrollbar = std::get_if<StoredScrollbarSet>(&set)) {
        for (const bool enabled : scrollbar->enabled)
            lines.append(enabled ? QStringLiteral("1") : QStringLiteral("0"));
    }
    return joinCrLf(lines);
}

QByteArray fileBytes(const QByteArray &descriptionBytes, const StoredColorSet &set)
{
    return descriptionBytes + encodeCp932(fileText(withDescription(set, QString())));
}

namespace {

FileContent fromRecord(const QString &record)
{
    FileContent result;
    if (!funcFile(record)) {
        result.outcome = ReadOutcome::Invalid;
        return result;
    }
    result.outcome = ReadOutcome::Valid;
    result.description = record.left(record.indexOf(u'#'));
    result.data = record.right(recordDataLength);
    return result;
}

// The bytes before the first "#", line ends dropped as the reader drops
// them. No byte of a code page 932 character other than "#" itself is 0x23
// or a line end, so these are exactly the bytes the description was read from.
QByteArray descriptionBytesOf(const QByteArray &bytes)
{
    QByteArray description = bytes.left(bytes.indexOf('#'));
    description.removeIf([](char byte) { return byte == '\r' || byte == '\n'; });
    return description;
}

} // namespace

FileContent readPageColorFile(const QByteArray &bytes)
{
    FileContent result = fromRecord(splitLines(decodeCp932(bytes)).join(QString()));
    if (result.outcome == ReadOutcome::Valid)
        result.descriptionBytes = descriptionBytesOf(bytes);
    return result;
}

FileContent readScrollbarColorFile(const QByteArray &bytes)
{
    const QStringList lines = splitLines(decodeCp932(bytes));
    if (lines.isEmpty() || lines.size() > 1 + checkCount)
        return {};
    FileContent result = fromRecord(lines.first());
    if (result.outcome != ReadOutcome::Valid)
        return result;
    result.descriptionBytes = descriptionBytesOf(bytes);
    for (qsizetype k = 1; k < lines.size(); ++k)
        result.checks.at(static_cast<size_t>(k - 1)) = lines.at(k) == QLatin1String("1");
    return result;
}

FileContent readColorFile(ColorFileKind kind, const QByteArray &bytes)
{
    return kind == ColorFileKind::Page ? readPageColorFile(bytes) : readScrollbarColorFile(bytes);
}

StoredColorSet setOf(const FileContent &read, StoredColorSet current)
{
    std::visit(
        [&read](auto &kind) {
            kind.description = read.description;
            kind.captions = captionsOf(read.data);
        },
        current);
    if (auto *scrollbar = std::get_if<StoredScrollbarSet>(&current)) {
        for (int k = 0; k < checkCount; ++k) {
            if (const std::optional<bool> check = read.checks.at(static_cast<size_t>(k)))
                scrollbar->enabled.at(static_cast<size_t>(k)) = *check;
        }
    }
    return current;
}

} // namespace tintmill::colorfile
