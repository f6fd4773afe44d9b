#pragma once

namespace tintmill::product {

inline constexpr const char *title = "Tintmill";
inline constexpr const char *makerName = "Tintmill 開発チーム";
// Shown in the version box and linked from the scrollbar preview page.
inline constexpr const char *supportSiteAddress = "https://tintmill.example.org/support/";

} // namespace tintmill::product
