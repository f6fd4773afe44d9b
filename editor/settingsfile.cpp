#include "settingsfile.h"

#include "platform/services.h"
#include "platform/textfile.h"

#include <QDir>

namespace tintmill {

QString settingsText(const std::array<bool, ViewOptions::checkCount> &checkMarks)
{
    QStringList lines;
    for (const bool checked : checkMarks)
        lines.append(checked ? QStringLiteral("True") : QStringLiteral("False"));
    return joinCrLf(lines);
}

void applySettingsLines(const QStringList &lines, ViewOptions &options)
{
    const qsizetype count = std::min<qsizetype>(lines.size(), ViewOptions::checkCount);
    for (qsizetype n = 0; n < count; ++n) {
        // Anything but this exact word, even "false" or "False ", keeps the item.
        if (lines.at(n) != QLatin1String("False"))
            continue;
        const auto block = static_cast<ViewOptions::Block>(n / ViewOptions::itemCount);
        const auto item = static_cast<ViewOptions::Item>(n % ViewOptions::itemCount);
        if (item == ViewOptions::All)
            options.item(block, ViewOptions::All).setChecked(false);
        else
            options.clickLabelItem(block, item);
    }
}

SettingsFile::SettingsFile(ViewOptions &options, const ProgramDirectory &directory,
                           MessageBox &messageBox)
    : m_options(options), m_directory(directory), m_messageBox(messageBox)
{}

QString SettingsFile::path() const
{
    return m_directory.dataFilePath(QString::fromLatin1(settingsFileName));
}

void SettingsFile::read()
{
    // A missing, unreadable, oversized or odd file (a FIFO, a device) gives
    // the design state, as an absent one does.
    const TextLines file = readCp932Lines(path(), settingsFileMaxBytes);
    if (file.ok())
        applySettingsLines(file.lines, m_options);
}

void SettingsFile::write()
{
    // A link or special file in its place is the user's: it is left alone and
    // the user is told, never written through.
    const WriteResult result =
        writeCp932File(path(), settingsText(m_options.checkMarks()), WritePolicy::RefuseLinks);
    if (result.ok())
        return;
    // Silence would let the user believe the view options were kept. The
    // window still closes; a second close in the same run says nothing more.
    if (m_failureReported)
        return;
    m_failureReported = true;
    m_messageBox.show(QStringLiteral("表示の設定を保存できませんでした。\n%1\n"
                                     "次回の起動時には、今回の表示の設定は復元されません。\n\n"
                                     "保存先：%2")
                          .arg(writeFailureText(result), QDir::toNativeSeparators(path())),
                      MessageBox::Icon::Exclamation);
}

} // namespace tintmill
