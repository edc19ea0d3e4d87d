#pragma once
// Every fixed text of the program, as GBK bytes with the readable text beside it. The test
// beside this header checks each against its UTF-8 original through the code-page converter.
#include <string_view>

namespace morvella::fixed {

// Window and controls
inline constexpr std::string_view kWindowTitle = "Morvella";  // Morvella  (the window's title)
inline constexpr std::string_view kWebhookLabel = "\xB6\xA4\xB6\xA4\xBB\xFA\xC6\xF7\xC8\xCB\xB5\xD8\xD6\xB7\xA3\xBA";  // 钉钉机器人地址：  (DingTalk robot address:)
inline constexpr std::string_view kPushCheckLabel = "\xC6\xF4\xD3\xC3\xCD\xC6\xCB\xCD";  // 启用推送  (enable push)
inline constexpr std::string_view kAutostartCheckLabel = "\xBF\xAA\xBB\xFA\xC6\xF4\xB6\xAF";  // 开机启动  (start at boot)
inline constexpr std::string_view kLogLabel = "\xC8\xD5\xD6\xBE\xA3\xBA";  // 日志：  (log:)
inline constexpr std::string_view kContentLabel = "\xCD\xC6\xCB\xCD\xC4\xDA\xC8\xDD\xA3\xBA";  // 推送内容：  (push content:)
inline constexpr std::string_view kSecurityLabel = "\xB0\xB2\xC8\xAB\xD1\xA1\xCF\xEE\xA3\xA8\xD1\xA1\xCC\xEE\xA3\xAC\xB8\xF9\xBE\xDD\xD7\xD4\xBC\xBA\xC9\xE8\xD6\xC3\xB5\xC4\xB9\xE6\xD4\xF2\xCC\xEE\xD0\xB4\xA1\xA3\xA3\xA9";  // 安全选项（选填，根据自己设置的规则填写。）  (security options (optional, fill in by the rules you set))
inline constexpr std::string_view kKeywordLabel = "\xB4\xA5\xB7\xA2\xB9\xD8\xBC\xFC\xD7\xD6\xA3\xBA";  // 触发关键字：  (trigger keyword:)
inline constexpr std::string_view kSecretLabel = "\xBC\xD3\xC7\xA9\xC3\xDC\xB3\xD7\xA3\xBA";  // 加签密匙：  (signing secret:)
inline constexpr std::string_view kDefaultContent = "\xA1\xBE\xB5\xE7\xC4\xD4\x41\xD2\xD1\xBD\xE2\xCB\xF8\xA1\xBF";  // 【电脑A已解锁】  (computer A has been unlocked)
inline constexpr std::string_view kRegistrationFailedText = "\xB0\xB2\xD7\xB0\xCD\xA8\xD6\xAA\xCA\xA7\xB0\xDC";  // 安装通知失败  (installing the notification failed)
inline constexpr std::string_view kRegistrationFailedCaption = "\xD0\xC5\xCF\xA2\xA3\xBA";  // 信息：  (information:)

// Settings file
inline constexpr std::string_view kSettingsSection = "Morvella";  // Morvella  (the one section)
inline constexpr std::string_view kPushKey = "\xCD\xC6\xCB\xCD";  // 推送  (push)
inline constexpr std::string_view kAutostartKey = "\xBF\xAA\xBB\xFA\xC6\xF4\xB6\xAF";  // 开机启动  (start at boot)
inline constexpr std::string_view kWebhookKey = "\xB6\xA4\xB6\xA4\xB5\xD8\xD6\xB7";  // 钉钉地址  (DingTalk address)
inline constexpr std::string_view kContentKey = "\xCD\xC6\xCB\xCD\xC4\xDA\xC8\xDD";  // 推送内容  (push content)
inline constexpr std::string_view kKeywordKey = "\xB9\xD8\xBC\xFC\xD7\xD6";  // 关键字  (keyword)
inline constexpr std::string_view kSecretKey = "\xC3\xDC\xB3\xD7";  // 密匙  (secret key)
inline constexpr std::string_view kTrue = "\xD5\xE6";  // 真  (true)
inline constexpr std::string_view kFalse = "\xBC\xD9";  // 假  (false)

// Event log
inline constexpr std::string_view kLockedMessage = "\xCB\xF8\xC6\xC1\xC1\xCB";  // 锁屏了  (screen locked)
inline constexpr std::string_view kUnlockedMessage = "\xBD\xE2\xCB\xF8\xC1\xCB";  // 解锁了  (unlocked)
inline constexpr std::string_view kRemindedMessage = "\xCC\xE1\xD0\xD1\xC1\xCB";  // 提醒了  (reminded)
inline constexpr std::string_view kRemindFailedMessage = "\xCC\xE1\xD0\xD1\xCA\xA7\xB0\xDC\xA3\xBA";  // 提醒失败：  (reminding failed:)
inline constexpr std::string_view kNoReplyReason = "\xCE\xDE\xCF\xEC\xD3\xA6";  // 无响应  (no response)
inline constexpr std::string_view kInvalidReplyReason = "\xCE\xDE\xD0\xA7\xD3\xA6\xB4\xF0";  // 无效应答  (invalid reply)
inline constexpr std::string_view kYear = "\xC4\xEA";  // 年  (year)
inline constexpr std::string_view kMonth = "\xD4\xC2";  // 月  (month)
inline constexpr std::string_view kDay = "\xC8\xD5";  // 日  (day)
inline constexpr std::string_view kHour = "\xCA\xB1";  // 时  (hour)
inline constexpr std::string_view kMinute = "\xB7\xD6";  // 分  (minute)
inline constexpr std::string_view kSecond = "\xC3\xEB";  // 秒  (second)

// Unlock notice
inline constexpr std::string_view kTimeLabel = "\xCA\xB1\xBC\xE4\xA3\xBA";  // 时间：  (time:)
inline constexpr std::string_view kContentOpening = "\xA1\xA3\xC4\xDA\xC8\xDD\xA3\xBA";  // 。内容：  (full stop, content:)
inline constexpr std::string_view kFullStop = "\xA1\xA3";  // 。  (full stop)
inline constexpr std::string_view kKeywordContentLabel = "\xB9\xD8\xBC\xFC\xD7\xD6\xA3\xBA";  // 关键字：  (keyword:)

// Markers
inline constexpr std::string_view kQuotePlaceholder = "\x23\xD2\xFD\xBA\xC5";  // #引号  (stands for a double quote in markers)

}  // namespace morvella::fixed
