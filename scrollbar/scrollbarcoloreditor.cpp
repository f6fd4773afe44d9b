#include "scrollbarcoloreditor.h"

#include <QDir>

namespace tintmill {

namespace {

// By role index. The colour numbers are made from the lower-case texts, the
// captions are shown in upper case.
constexpr std::array<const char *, scrollbarRoleCount> startupColors{
    "cccccc", "ffffff", "cccccc", "000000", "cccccc", "000000", "ffffff", "999999",
};

} // namespace

ScrollbarColorEditor::ScrollbarColorEditor(PreviewBrowser &browser, ProgramDirectory &directory,
                                           QObject *parent)
    : QObject(parent), m_writer(browser, directory)
{
    // The swatches' design colours match the start-up set, so the set is
    // consistent from construction on.
    takeStartupColors();
    for (int k = 0; k < scrollbarRoleCount; ++k)
        connect(&m_enabled.at(k), &Toggle::clicked, this, &ScrollbarColorEditor::chkScr_Click);
}

void ScrollbarColorEditor::takeStartupColors()
{
    for (int k = 0; k < scrollbarRoleCount; ++k) {
        m_colors.at(k) = HexToColor(startupColors.at(k));
        m_captions.at(k) = QString::fromLatin1(startupColors.at(k)).toUpper().prepend(u'#');
    }
}

ScrollbarColorSet ScrollbarColorEditor::colorSet() const
{
    ScrollbarColorSet set;
    set.colors = m_colors;
    set.captions = m_captions;
    for (int k = 0; k < scrollbarRoleCount; ++k)
        set.enabled.at(k) = m_enabled.at(k).isChecked();
    return set;
}

StoredScrollbarSet ScrollbarColorEditor::storedSet(const QString &description) const
{
    StoredScrollbarSet set{description, m_captions, {}};
    for (int k = 0; k < scrollbarRoleCount; ++k)
        set.enabled.at(k) = m_enabled.at(k).isChecked();
    return set;
}

void ScrollbarColorEditor::setSelectedRole(ScrRole role)
{
    m_selectedRole = role;
    emit selectedRoleChanged(role);
}

void ScrollbarColorEditor::ScrColorChange(int tmpIndex)
{
    if (tmpIndex < 0 || tmpIndex >= webSafeColorCount)
        return;
    const ColorNumber chosen = webSafeColor(tmpIndex);
    const int k = toIndex(m_selectedRole);
    m_colors.at(k) = chosen;
    m_captions.at(k) = QString::fromStdString(captionOf(chosen));
    emit colorsChanged();
    WritePreviewPage();
    emit changedByHand();
}

QString ScrollbarColorEditor::ScrColorData() const
{
    QString data;
    for (const QString &caption : m_captions)
        data += caption.right(6);
    return data;
}

void ScrollbarColorEditor::ApplyFileScrColors(const StoredScrollbarSet &set)
{
    if (!set.isComplete())
        return;
    for (int k = 0; k < scrollbarRoleCount; ++k)
        m_colors.at(k) = set.color(static_cast<ScrRole>(k));
    {
        PreviewRefreshPause pause(*this);
        for (int k = 0; k < scrollbarRoleCount; ++k)
            m_enabled.at(k).setChecked(set.enabled.at(k));
    }
    WritePreviewPage();
    m_captions = set.captions;
    emit colorsChanged();
}

void ScrollbarColorEditor::setStartupColors()
{
    takeStartupColors();
    emit colorsChanged();
}

void ScrollbarColorEditor::WritePreviewPage()
{
    const WriteResult result = m_writer.write(colorSet());
    const QString problem =
        result.ok() ? QString()
                    : QStringLiteral("プレビューページを保存できないため、スクロールバーの色を"
                                     "表示できません。\n%1\n\n保存先：%2")
                          .arg(writeFailureText(result), QDir::toNativeSeparators(m_writer.path()));
    if (problem == m_previewProblem)
        return;
    m_previewProblem = problem;
    emit previewProblemChanged(problem);
}

void ScrollbarColorEditor::chkScr_Click()
{
    if (m_previewRefreshEnabled)
        WritePreviewPage();
    emit enabledClicked();
}

} // namespace tintmill
