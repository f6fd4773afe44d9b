#pragma once

#include "fakes.h"
#include "scrollbar/scrollbarcoloreditor.h"
#include "ui/preview/previewhost.h"
#include "ui/widgets/twips.h"

#include <QImage>

namespace tintmill::test {

// Loading and painting in the engine's own processes can take a while on a
// busy machine; checks wait for the result rather than for a time.
inline constexpr int paintTimeout = 20000;
inline constexpr int barThickness = 16;

// The real browser view, loaded from the browser module, over a temporary
// program folder, sized as in the main window, with an editor writing its
// preview page.
struct LivePreview
{
    LivePreview()
    {
        host.setExternalOpener([this](const QUrl &url) { opened.append(url); });
        host.resize(twips::rect(0, 0, 4455, 5895).size());
        host.show();
        host.createView();
        editor.setPreviewRefreshEnabled(true);
    }

    QImage shot() const { return host.view()->grab().toImage(); }

    QColor at(const QPoint &point) const { return QColor(shot().pixel(point)); }

    // Points on the page's vertical scrollbar, at the right edge of the view.
    QPoint thumb() const { return {host.width() - barThickness / 2, barThickness + 24}; }
    QPoint track() const
    {
        return {host.width() - barThickness / 2, host.height() - barThickness - 12};
    }

    // Whether some pixel of the top arrow button has `color`.
    bool arrowButtonShows(const QColor &color) const
    {
        const QImage image = shot();
        for (int y = 0; y < barThickness; ++y) {
            for (int x = image.width() - barThickness; x < image.width(); ++x) {
                if (QColor(image.pixel(x, y)) == color)
                    return true;
            }
        }
        return false;
    }

    FakeProgramDirectory directory;
    PreviewHost host;
    ScrollbarColorEditor editor{host, directory};
    QList<QUrl> opened;
};

} // namespace tintmill::test
