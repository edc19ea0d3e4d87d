#pragma once
// The main window as a table: every control with its id, kind, place at 96 DPI and first text.
#include "platform/window.h"

namespace morvella {

// Helper tools and tests read the controls by these ids, so they stay fixed. They start above
// the ids a dialog keyboard interface reserves for its OK and Cancel buttons (1 and 2).
namespace control_id {
inline constexpr int webhook_label = 1001;
inline constexpr int push_check = 1002;
inline constexpr int autostart_check = 1003;
inline constexpr int log_label = 1004;
inline constexpr int webhook_box = 1005;
inline constexpr int log_box = 1006;
inline constexpr int content_label = 1007;
inline constexpr int content_box = 1008;
inline constexpr int security_label = 1009;
inline constexpr int keyword_label = 1010;
inline constexpr int keyword_box = 1011;
inline constexpr int secret_label = 1012;
inline constexpr int secret_box = 1013;
}  // namespace control_id

const platform::WindowLayout& main_window_layout();

}  // namespace morvella
