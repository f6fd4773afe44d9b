#pragma once

#include "scrollbar/scrollbarcolorset.h"
#include "scrollbarrules.h"

#include <QString>

namespace tintmill {

// CSS that makes today's browsers draw the scrollbar the preview shows:
// - the ::-webkit-scrollbar rules of the preview's own display translation, for
//   Chromium-based browsers and Safari;
// - "scrollbar-color: thumb track" for Firefox, inside
//   "@supports not selector(::-webkit-scrollbar)", because Chromium from
//   version 121 on drops every ::-webkit-scrollbar rule of an element that has
//   scrollbar-color.
// Only the roles that are switched on take part; the others fall back as in the
// preview. No role switched on: no text, the browser's own scrollbar stays.
// Lines end in CR LF, the last one without.
QString modernScrollbarCss(const ScrollbarColorSet &set, ScrollbarTarget target);

// The element whose scrollbar the CSS colours: "html" for the whole page (the
// root element's scrollbar colour is the one the viewport takes), "textarea".
QString modernScrollbarSelector(ScrollbarTarget target);

} // namespace tintmill
