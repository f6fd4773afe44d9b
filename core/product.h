#pragma once

namespace tintmill::product {

inline constexpr const char *title = "Tintmill";
inline constexpr const char *makerName = "Tintmill 開発チーム";
// Shown in the version box and linked from the scrollbar preview page.
inline constexpr const char *supportSiteAddress = "https://tintmill.example.org/support/";
// As the version box states it; the LICENSE file holds the text.
inline constexpr const char *licence = "MIT ライセンス";
// The desktop's name for the program: its desktop entry, icon and metadata
// are installed under this name, and the running windows carry it.
inline constexpr const char *applicationId = "org.example.tintmill";

} // namespace tintmill::product
