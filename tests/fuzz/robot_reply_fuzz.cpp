// Reading the robot's reply: any bytes from the network give one log line that says either
// "提醒了" or "提醒失败：" and why, with no line break or other control byte in it.
#include <cstddef>
#include <cstdint>

#include "fuzz_check.h"
#include "notify/robot_reply.h"
#include "text/fixed_texts.h"

using namespace morvella;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Text message = robot_reply_message(Bytes(data, data + size));
  FUZZ_CHECK(message == fixed::kRemindedMessage || message.starts_with(fixed::kRemindFailedMessage));
  for (const char c : message) FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20);
  return 0;
}
