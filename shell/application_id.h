// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tavelle {

// The name desktops know the application by: its desktop entry, metainfo and icon are named after
// it, and its windows carry it, so that the menu entry and the running windows are matched.
// packaging/CMakeLists.txt reads it from this line.
inline constexpr char applicationId[] = "org.example.Tavelle";

}  // namespace tavelle
