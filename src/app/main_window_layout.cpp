#include "app/main_window_layout.h"

#include <array>

#include "text/fixed_texts.h"

namespace morvella {
namespace {

using platform::ControlKind;
using platform::ControlLayout;

constexpr std::array kControls{
    ControlLayout{control_id::webhook_label, ControlKind::label, {16, 16, 88, 24}, fixed::kWebhookLabel},
    ControlLayout{control_id::push_check, ControlKind::check_box, {120, 16, 80, 24}, fixed::kPushCheckLabel},
    ControlLayout{control_id::autostart_check, ControlKind::check_box, {216, 16, 80, 24}, fixed::kAutostartCheckLabel},
    ControlLayout{control_id::log_label, ControlKind::label, {312, 16, 88, 24}, fixed::kLogLabel},
    ControlLayout{control_id::webhook_box, ControlKind::edit_box, {16, 48, 272, 40}, {}},
    ControlLayout{control_id::log_box, ControlKind::log_box, {312, 48, 256, 328}, {}},
    ControlLayout{control_id::content_label, ControlKind::label, {16, 88, 112, 32}, fixed::kContentLabel},
    ControlLayout{control_id::content_box, ControlKind::edit_box, {16, 120, 272, 40}, fixed::kDefaultContent},
    ControlLayout{control_id::security_label, ControlKind::label, {16, 208, 272, 32}, fixed::kSecurityLabel},
    ControlLayout{control_id::keyword_label, ControlKind::label, {16, 240, 80, 24}, fixed::kKeywordLabel},
    ControlLayout{control_id::keyword_box, ControlKind::edit_box, {16, 264, 272, 40}, {}},
    ControlLayout{control_id::secret_label, ControlKind::label, {16, 312, 56, 24}, fixed::kSecretLabel},
    ControlLayout{control_id::secret_box, ControlKind::edit_box, {16, 336, 272, 40}, {}},
};

constexpr platform::WindowLayout kLayout{fixed::kWindowTitle, 588, 419, kControls};

}  // namespace

const platform::WindowLayout& main_window_layout() { return kLayout; }

}  // namespace morvella
