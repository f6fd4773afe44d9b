#pragma once

#include "colorset/storedscrollbarset.h"
#include "core/color.h"
#include "core/roles.h"
#include "platform/toggle.h"
#include "previewpagewriter.h"
#include "scrollbarcolorset.h"

#include <QObject>
#include <QString>
#include <array>

namespace tintmill {

class PreviewBrowser;
class ProgramDirectory;

// The scrollbar colour set: eight scrollbar colour properties, each with an
// on/off flag, previewed on a generated page in the embedded browser view.
// Each role keeps its colour number (what the preview paints) and its caption
// "#RRGGBB" (what the data string and the generated rules read); every change
// sets both. The flags are toggles, so that setting one from code behaves
// like the user's click and the bound check box follows.
class ScrollbarColorEditor : public QObject
{
    Q_OBJECT

public:
    ScrollbarColorEditor(PreviewBrowser &browser, ProgramDirectory &directory,
                         QObject *parent = nullptr);

    ColorNumber color(ScrRole role) const { return m_colors.at(toIndex(role)); }
    QString caption(ScrRole role) const { return m_captions.at(toIndex(role)); }
    bool isEnabled(ScrRole role) const { return enabledToggle(role).isChecked(); }
    // The role's on/off box. A change refreshes the preview unless a bulk
    // change holds the refresh off.
    Toggle &enabledToggle(ScrRole role) { return m_enabled.at(toIndex(role)); }
    const Toggle &enabledToggle(ScrRole role) const { return m_enabled.at(toIndex(role)); }
    ScrollbarColorSet colorSet() const;
    // The current colours and switches under `description`, as saved and
    // remembered.
    StoredScrollbarSet storedSet(const QString &description = QString()) const;

    ScrRole selectedRole() const { return m_selectedRole; }
    // Selecting a role moves the label border to it.
    void setSelectedRole(ScrRole role);

    // Applies colour button `tmpIndex` (0..215) to the selected role, whether
    // or not the role is switched on, and refreshes the preview.
    void ScrColorChange(int tmpIndex);

    // The 48-character data string: the last six characters of every caption
    // in role order. The flags are not part of it.
    QString ScrColorData() const;

    // Replaces colours and flags with a saved or remembered set, the letter
    // case of its captions kept. The preview is rewritten once, however many
    // flags change. A set without all eight colours is ignored.
    void ApplyFileScrColors(const StoredScrollbarSet &set);

    // The colours and captions every run starts from.
    void setStartupColors();

    // Writes the preview page for the current set and shows it. A page that
    // cannot be written leaves the program going; previewProblem says why.
    void WritePreviewPage();
    QString previewPagePath() const { return m_writer.path(); }
    // Empty while the preview shows the current set; otherwise, in Japanese,
    // why the page could not be written, for the preview's place.
    QString previewProblem() const { return m_previewProblem; }

    // While false, a changed flag does not rewrite the preview. False until
    // start-up has shown the first page; see PreviewRefreshPause for bulk changes.
    bool PreviewRefreshEnabled() const { return m_previewRefreshEnabled; }
    void setPreviewRefreshEnabled(bool enabled) { m_previewRefreshEnabled = enabled; }

signals:
    // One or more roles changed colour (caption and number alike).
    void colorsChanged();
    void selectedRoleChanged(tintmill::ScrRole role);
    // A colour was chosen for one role, after colorsChanged and the preview.
    void changedByHand();
    // A role's on/off box was clicked, or set from code, after the preview
    // was refreshed (unless held off).
    void enabledClicked();
    // Once when the page stops being written (with the reason) and once when
    // it is written again (with an empty text); not at every failed write.
    void previewProblemChanged(const QString &problem);

private:
    void chkScr_Click();
    void takeStartupColors();

    std::array<ColorNumber, scrollbarRoleCount> m_colors{};
    std::array<QString, scrollbarRoleCount> m_captions;
    std::array<Toggle, scrollbarRoleCount> m_enabled;
    ScrRole m_selectedRole = ScrRole::ScrBase;
    bool m_previewRefreshEnabled = false;
    PreviewPageWriter m_writer;
    QString m_previewProblem;
};

// Holds the preview refresh off while several flags are set at once, and
// restores it on every way out. The caller rewrites the preview afterwards if
// it should show the result.
class PreviewRefreshPause
{
public:
    explicit PreviewRefreshPause(ScrollbarColorEditor &editor)
        : m_editor(editor), m_wasEnabled(editor.PreviewRefreshEnabled())
    {
        m_editor.setPreviewRefreshEnabled(false);
    }
    ~PreviewRefreshPause() { m_editor.setPreviewRefreshEnabled(m_wasEnabled); }
    PreviewRefreshPause(const PreviewRefreshPause &) = delete;
    PreviewRefreshPause &operator=(const PreviewRefreshPause &) = delete;

private:
    ScrollbarColorEditor &m_editor;
    bool m_wasEnabled;
};

} // namespace tintmill
