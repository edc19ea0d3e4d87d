#include "notify/unlock_notice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fake_clock.h"
#include "text/fixed_texts.h"

namespace morvella {
namespace {

struct SentRequest {
  std::string url;
  HttpRequestOptions options;
};

const std::string kOkReply = R"({"errcode":0,"errmsg":"ok"})";
const std::string kBodyPrefix = "{\"msgtype\": \"text\",\"text\": {\"content\":\"";
const std::string kBodySuffix = "\"}}";
// 时间：2022年7月2日9时5分7秒。内容：
const std::string kEscapedOpening =
    "\\u65F6\\u95F4\\uFF1A\\u0032\\u0030\\u0032\\u0032\\u5E74\\u0037\\u6708\\u0032\\u65E5\\u0039\\u65F6"
    "\\u0035\\u5206\\u0037\\u79D2\\u3002\\u5185\\u5BB9\\uFF1A";
const std::string kEscapedFullStop = "\\u3002";
const std::string kEscapedKeywordLabel = "\\u5173\\u952E\\u5B57\\uFF1A";  // 关键字：

// Runs the notice against a fake robot that records each request and answers with `reply`.
class UnlockNoticeTest : public ::testing::Test {
 protected:
  UnlockNoticeTest() {
    settings_.push_flag = std::string(fixed::kTrue);
    settings_.webhook_address = "https://oapi.dingtalk.com/robot/send?access_token=abc";
    settings_.push_content = "abc";
  }

  void send(const std::string& reply = kOkReply) {
    const UnlockNotice notice(
        settings_, clock_,
        [&](std::string_view url, const HttpRequestOptions& options) {
          requests_.push_back({std::string(url), options});
          return bytes_of(reply);
        },
        [&](std::string_view message) { log_.emplace_back(message); });
    notice.send_unlock_notice();
  }

  // The one request sent, or an empty one after failing the test.
  SentRequest only_request() const {
    EXPECT_EQ(requests_.size(), 1u);
    return requests_.empty() ? SentRequest{} : requests_.front();
  }

  Settings settings_;
  testing::FakeClock clock_{{{2022, 7, 2, 9, 5, 7}}, 1577262236757};
  std::vector<SentRequest> requests_;
  std::vector<std::string> log_;
};

TEST_F(UnlockNoticeTest, WorkedExample) {
  send();
  const SentRequest request = only_request();
  EXPECT_EQ(request.url, settings_.webhook_address);
  EXPECT_EQ(request.options.method, kMethodPost);
  const std::string body = request.options.text_body;
  EXPECT_EQ(body, kBodyPrefix + kEscapedOpening + "\\u0061\\u0062\\u0063" + kEscapedFullStop + kBodySuffix);
  EXPECT_EQ(body.size(), 198u);
  const std::string headers = request.options.headers;
  EXPECT_EQ(headers,
            "Content-Type: application/json;charset=utf-8;\r\n"
            "User-Agent: Mozilla/5.0 (Windows NT 6.1; WOW64) AppleWebKit/537.36 (KHTML, like Gecko) "
            "Chrome/50.0.2661.87 Safari/537.36");
  EXPECT_EQ(headers.size(), 167u);
  // The rest keeps the request routine's defaults.
  const HttpRequestOptions defaults;
  EXPECT_TRUE(request.options.byte_body.empty());
  EXPECT_EQ(request.options.cookies, nullptr);
  EXPECT_EQ(request.options.proxy, defaults.proxy);
  EXPECT_EQ(request.options.add_default_headers, defaults.add_default_headers);
  EXPECT_EQ(log_, std::vector<std::string>{std::string(fixed::kRemindedMessage)});
}

TEST_F(UnlockNoticeTest, EverythingTypedIsEscaped) {
  const struct {
    const char* name;
    std::string content;
    std::string keyword;
    std::string escaped_tail;  // what follows the escaped opening
  } cases[] = {
      {"empty content", "", "", kEscapedFullStop},
      {"JSON specials in the content", "\"\\{}", "", "\\u0022\\u005C\\u007B\\u007D" + kEscapedFullStop},
      {"ASCII keyword", "", "kw", kEscapedFullStop + kEscapedKeywordLabel + "\\u006B\\u0077"},
      {"keyword with a quote and a backslash", "", "k\"\\",
       kEscapedFullStop + kEscapedKeywordLabel + "\\u006B\\u0022\\u005C"},
      {"Chinese keyword", "", "\xB9\xD8\xBC\xFC" /* 关键 */,
       kEscapedFullStop + kEscapedKeywordLabel + "\\u5173\\u952E"},
  };
  for (const auto& c : cases) {
    requests_.clear();
    settings_.push_content = c.content;
    settings_.keyword = c.keyword;
    send();
    EXPECT_EQ(only_request().options.text_body, kBodyPrefix + kEscapedOpening + c.escaped_tail + kBodySuffix)
        << c.name;
  }
}

TEST_F(UnlockNoticeTest, PushFlagOtherThanTrueSendsNothing) {
  for (const std::string& flag : {std::string(fixed::kFalse), std::string(), " " + std::string(fixed::kTrue),
                                 std::string(fixed::kTrue) + " "}) {
    settings_.push_flag = flag;
    send();
    EXPECT_TRUE(requests_.empty()) << flag;
    EXPECT_TRUE(log_.empty()) << flag;
  }
}

TEST_F(UnlockNoticeTest, EmptyAddressIsStillAttempted) {
  settings_.webhook_address.clear();
  send("");
  EXPECT_EQ(only_request().url, "");
  EXPECT_EQ(log_, std::vector<std::string>{std::string(fixed::kRemindFailedMessage) + std::string(fixed::kNoReplyReason)});
}

TEST_F(UnlockNoticeTest, SecretSignsTheAddress) {
  const struct {
    const char* name;
    std::string address;
    std::string secret;
    std::string url;
  } cases[] = {
      {"known answer", "https://oapi.dingtalk.com/robot/send?access_token=abc", "this is a secret",
       "https://oapi.dingtalk.com/robot/send?access_token=abc&timestamp=1577262236757"
       "&sign=DJrE6qdyVGCQz9z5r2MDuNcNAhwYnuAkyj13cx169CA%3D"},
      {"plus sign encoded", "https://oapi.dingtalk.com/robot/send?access_token=abc", "SEC000000000000000000000",
       "https://oapi.dingtalk.com/robot/send?access_token=abc&timestamp=1577262236757"
       "&sign=xOJIB8eNoYWeLy26EMZOlc2RjOJbtPv9HYjm%2BE3uALU%3D"},
      {"address without a query", "http://127.0.0.1:8080/robot/send", "this is a secret",
       "http://127.0.0.1:8080/robot/send?timestamp=1577262236757&sign=DJrE6qdyVGCQz9z5r2MDuNcNAhwYnuAkyj13cx169CA%3D"},
      {"secret keyed as UTF-8", "http://h/send?a=1", "SEC\xC3\xDC\xB3\xD7" /* SEC密匙 */,
       "http://h/send?a=1&timestamp=1577262236757&sign=yHrRvLVuAYRd%2FJYw7qt6aZRhH6hNBtt6LC0Zp7VzrNw%3D"},
      {"empty secret changes nothing", "http://h/send?a=1", "", "http://h/send?a=1"},
  };
  for (const auto& c : cases) {
    requests_.clear();
    log_.clear();
    settings_.webhook_address = c.address;
    settings_.secret = c.secret;
    send(R"({"errcode":310000,"errmsg":"sign not match"})");
    EXPECT_EQ(only_request().url, c.url) << c.name;
    if (c.secret.empty()) continue;
    for (const auto& line : log_) EXPECT_EQ(line.find(c.secret), std::string::npos) << c.name;
  }
}

TEST_F(UnlockNoticeTest, OutcomeIsLoggedAsTheRobotReports) {
  const std::string failed(fixed::kRemindFailedMessage);
  const std::string invalid = failed + std::string(fixed::kInvalidReplyReason);
  const struct {
    const char* name;
    std::string reply;
    std::string logged;
  } cases[] = {
      {"delivered", kOkReply, std::string(fixed::kRemindedMessage)},
      {"delivered, spaced out", " { \"errmsg\" : \"ok\" , \"errcode\" : 0 }\r\n", std::string(fixed::kRemindedMessage)},
      {"keyword missing", R"({"errcode":310000,"errmsg":"keywords not in content"})",
       failed + "310000 keywords not in content"},
      {"Chinese errmsg becomes GBK", "{\"errcode\":310000,\"errmsg\":\"\xE7\xAD\xBE\xE5\x90\x8D\xE4\xB8\x8D\xE5\x8C\xB9\xE9\x85\x8D\"}",
       failed + "310000 \xC7\xA9\xC3\xFB\xB2\xBB\xC6\xA5\xC5\xE4"},
      {"escaped Chinese errmsg", R"({"errcode":310000,"errmsg":"\u7B7E\u540D\u4E0D\u5339\u914D"})",
       failed + "310000 \xC7\xA9\xC3\xFB\xB2\xBB\xC6\xA5\xC5\xE4"},
      {"line breaks in errmsg stay on one line", R"({"errcode":1,"errmsg":"a\r\nb"})", failed + "1 a  b"},
      {"errmsg missing", R"({"errcode":130101})", failed + "130101"},
      {"negative errcode", R"({"errcode":-1,"errmsg":"busy"})", failed + "-1 busy"},
      {"no reply", "", failed + std::string(fixed::kNoReplyReason)},
      {"not JSON", "<html>bad gateway</html>", invalid},
      {"truncated JSON", R"({"errcode":0)", invalid},
      {"JSON array", R"([{"errcode":0}])", invalid},
      {"errcode as a string", R"({"errcode":"0","errmsg":"ok"})", invalid},
      {"errcode as a fraction", R"({"errcode":0.5})", invalid},
      {"errcode missing", R"({"errmsg":"ok"})", invalid},
      {"invalid UTF-8", "{\"errcode\":1,\"errmsg\":\"\xFF\"}", invalid},
  };
  for (const auto& c : cases) {
    log_.clear();
    send(c.reply);
    EXPECT_EQ(log_, std::vector<std::string>{c.logged}) << c.name;
  }
}

}  // namespace
}  // namespace morvella
