#include "layoutfile.h"

#include "platform/fileread.h"
#include "platform/services.h"

#include <QtEndian>
#include <algorithm>

namespace tintmill {

namespace {

const QByteArray magic = QByteArrayLiteral("TMLAYOUT");
// Raised whenever the parts change their meaning: a file of another format
// is then left unread rather than misread.
constexpr quint16 formatVersion = 1;

void appendPart(QByteArray &bytes, const QByteArray &part)
{
    char length[4];
    qToBigEndian(static_cast<quint32>(part.size()), length);
    bytes.append(length, 4);
    bytes.append(part);
}

// Reads the parts from `bytes` in order, stopping for good at the first
// one the bytes cannot hold.
class PartReader
{
public:
    PartReader(const QByteArray &bytes, qsizetype from) : m_bytes(bytes), m_at(from) {}

    std::optional<QByteArray> next()
    {
        if (m_bytes.size() - m_at < 4)
            return std::nullopt;
        const auto length = qFromBigEndian<quint32>(m_bytes.constData() + m_at);
        m_at += 4;
        if (length > static_cast<quint64>(m_bytes.size() - m_at))
            return std::nullopt;
        const QByteArray part = m_bytes.mid(m_at, static_cast<qsizetype>(length));
        m_at += static_cast<qsizetype>(length);
        return part;
    }

    [[nodiscard]] bool atEnd() const { return m_at == m_bytes.size(); }

private:
    const QByteArray &m_bytes;
    qsizetype m_at;
};

bool isPlainName(const QByteArray &name)
{
    return !name.isEmpty() && std::all_of(name.cbegin(), name.cend(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '_';
    });
}

} // namespace

QByteArray layoutBytes(const WorkspaceLayout &layout)
{
    QByteArray bytes = magic;
    char version[2];
    qToBigEndian(formatVersion, version);
    bytes.append(version, 2);
    appendPart(bytes, layout.windowGeometry);
    QByteArray names;
    for (const QString &name : layout.openPanes)
        names += name.toLatin1() + '\n';
    appendPart(bytes, names);
    appendPart(bytes, layout.paneState);
    return bytes;
}

std::optional<WorkspaceLayout> parseLayout(const QByteArray &bytes)
{
    const qsizetype header = magic.size() + 2;
    if (bytes.size() < header || !bytes.startsWith(magic) ||
        qFromBigEndian<quint16>(bytes.constData() + magic.size()) != formatVersion)
        return std::nullopt;
    PartReader parts(bytes, header);
    const std::optional<QByteArray> geometry = parts.next();
    const std::optional<QByteArray> names = parts.next();
    const std::optional<QByteArray> state = parts.next();
    if (!state || !parts.atEnd() || (!names->isEmpty() && !names->endsWith('\n')))
        return std::nullopt;
    WorkspaceLayout layout{*geometry, {}, *state};
    if (!names->isEmpty()) {
        for (const QByteArray &name : names->chopped(1).split('\n')) {
            if (!isPlainName(name))
                return std::nullopt;
            layout.openPanes.append(QString::fromLatin1(name));
        }
    }
    return layout;
}

LayoutFile::LayoutFile(const ProgramDirectory &directory) : m_directory(directory) {}

QString LayoutFile::path() const
{
    return m_directory.settingsFilePath(QString::fromLatin1(layoutFileName));
}

std::optional<WorkspaceLayout> LayoutFile::read() const
{
    const ReadResult file = readRegularFile(
        m_directory.settingsFileToRead(QString::fromLatin1(layoutFileName)), layoutFileMaxBytes);
    if (!file.ok())
        return std::nullopt;
    return parseLayout(file.bytes);
}

WriteResult LayoutFile::write(const WorkspaceLayout &layout) const
{
    // A link or special file in its place is the user's, as for the settings.
    return writeFileAtomically(path(), layoutBytes(layout), WritePolicy::RefuseLinks);
}

} // namespace tintmill
