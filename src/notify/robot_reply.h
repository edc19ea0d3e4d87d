#pragma once
// Reading the robot's answer to a notice. The robot answers HTTP 200 whatever happened and puts
// the outcome in a JSON object: {"errcode":0,"errmsg":"ok"} on delivery, a non-zero errcode else.
#include "text/text.h"

namespace morvella {

// The log message for a reply body: "提醒了" when it is a JSON object whose errcode is the
// number 0; otherwise "提醒失败：" and the errcode with the errmsg (as GBK), "无响应" for an
// empty body, or "无效应答" for anything else.
Text robot_reply_message(const Bytes& reply);

}  // namespace morvella
