#pragma once
// The six persisted texts of the process, in their stored order.
#include "text/text.h"

namespace morvella {

struct Settings {
  Text push_flag;       // "真" turns pushing on; any other text is off
  Text autostart_flag;  // "真" starts the program with the user's session
  Text webhook_address;
  Text push_content;
  Text keyword;
  Text secret;
};

}  // namespace morvella
