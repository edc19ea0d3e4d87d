#include "text/fixed_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "notify/codecs.h"

namespace morvella {
namespace {

struct FixedText {
  const char* name;
  std::string_view gbk;
  const char8_t* original;
};

// Each constant's GBK bytes must be its readable original: a wrong byte here would put a wrong
// character in the window, the settings file or the robot message.
TEST(FixedTexts, MatchTheirOriginals) {
  const FixedText texts[] = {
      {"kWindowTitle", fixed::kWindowTitle, u8"Morvella"},
      {"kWebhookLabel", fixed::kWebhookLabel, u8"钉钉机器人地址："},
      {"kPushCheckLabel", fixed::kPushCheckLabel, u8"启用推送"},
      {"kAutostartCheckLabel", fixed::kAutostartCheckLabel, u8"开机启动"},
      {"kLogLabel", fixed::kLogLabel, u8"日志："},
      {"kContentLabel", fixed::kContentLabel, u8"推送内容："},
      {"kSecurityLabel", fixed::kSecurityLabel, u8"安全选项（选填，根据自己设置的规则填写。）"},
      {"kKeywordLabel", fixed::kKeywordLabel, u8"触发关键字："},
      {"kSecretLabel", fixed::kSecretLabel, u8"加签密匙："},
      {"kDefaultContent", fixed::kDefaultContent, u8"【电脑A已解锁】"},
      {"kRegistrationFailedText", fixed::kRegistrationFailedText, u8"安装通知失败"},
      {"kRegistrationFailedCaption", fixed::kRegistrationFailedCaption, u8"信息："},
      {"kSettingsSection", fixed::kSettingsSection, u8"Morvella"},
      {"kPushKey", fixed::kPushKey, u8"推送"},
      {"kAutostartKey", fixed::kAutostartKey, u8"开机启动"},
      {"kWebhookKey", fixed::kWebhookKey, u8"钉钉地址"},
      {"kContentKey", fixed::kContentKey, u8"推送内容"},
      {"kKeywordKey", fixed::kKeywordKey, u8"关键字"},
      {"kSecretKey", fixed::kSecretKey, u8"密匙"},
      {"kTrue", fixed::kTrue, u8"真"},
      {"kFalse", fixed::kFalse, u8"假"},
      {"kLockedMessage", fixed::kLockedMessage, u8"锁屏了"},
      {"kUnlockedMessage", fixed::kUnlockedMessage, u8"解锁了"},
      {"kRemindedMessage", fixed::kRemindedMessage, u8"提醒了"},
      {"kRemindFailedMessage", fixed::kRemindFailedMessage, u8"提醒失败："},
      {"kNoReplyReason", fixed::kNoReplyReason, u8"无响应"},
      {"kInvalidReplyReason", fixed::kInvalidReplyReason, u8"无效应答"},
      {"kYear", fixed::kYear, u8"年"},
      {"kMonth", fixed::kMonth, u8"月"},
      {"kDay", fixed::kDay, u8"日"},
      {"kHour", fixed::kHour, u8"时"},
      {"kMinute", fixed::kMinute, u8"分"},
      {"kSecond", fixed::kSecond, u8"秒"},
      {"kTimeLabel", fixed::kTimeLabel, u8"时间："},
      {"kContentOpening", fixed::kContentOpening, u8"。内容："},
      {"kFullStop", fixed::kFullStop, u8"。"},
      {"kKeywordContentLabel", fixed::kKeywordContentLabel, u8"关键字："},
      {"kQuotePlaceholder", fixed::kQuotePlaceholder, u8"#引号"},
  };
  for (const FixedText& text : texts) {
    const std::string original(reinterpret_cast<const char*>(text.original));
    EXPECT_EQ(text_to_utf8_text(text.gbk), original) << text.name;
  }
}

}  // namespace
}  // namespace morvella
