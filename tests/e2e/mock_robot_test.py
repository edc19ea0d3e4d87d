"""Checks that tools/mock_robot.py judges requests as the real robot service does."""
import json
import pathlib
import subprocess
import sys
import tempfile
import unittest
import urllib.request

TOOLS = pathlib.Path(__file__).resolve().parent.parent.parent / "tools"
sys.path.insert(0, str(TOOLS))
import mock_robot  # noqa: E402

KNOWN_T = "1577262236757"
KNOWN_MS = int(KNOWN_T)


def body(content):
    return json.dumps({"msgtype": "text", "text": {"content": content}}).encode("utf-8")


class Checks(unittest.TestCase):
    def test_known_signatures(self):
        self.assertEqual(mock_robot.signature(KNOWN_T, "this is a secret"),
                         "DJrE6qdyVGCQz9z5r2MDuNcNAhwYnuAkyj13cx169CA=")
        self.assertEqual(mock_robot.signature(KNOWN_T, "SEC000000000000000000000"),
                         "xOJIB8eNoYWeLy26EMZOlc2RjOJbtPv9HYjm+E3uALU=")

    def test_cases(self):
        plain = mock_robot.Robot("tok")
        keyed = mock_robot.Robot("tok", ["unlocked", "解锁"])
        signed = mock_robot.Robot("tok", secret="SEC000000000000000000000")
        signed_query = "access_token=tok&timestamp=" + KNOWN_T + "&sign="
        cases = [
            ("delivered", plain, "access_token=tok", body("hi"), 0),
            ("missing token", plain, "", body("hi"), 300001),
            ("wrong token", plain, "access_token=other", body("hi"), 300001),
            ("not JSON", plain, "access_token=tok", b"{\"msgtype\":", 40035),
            ("not UTF-8", plain, "access_token=tok", '{"msgtype":"text","text":{"content":"锁"}}'.encode("gbk"), 40035),
            ("JSON array", plain, "access_token=tok", b"[]", 40035),
            ("no content", plain, "access_token=tok", b'{"msgtype":"text","text":{}}', 40035),
            ("other msgtype", plain, "access_token=tok", b'{"msgtype":"link","text":{"content":"a"}}', 40035),
            ("content at the limit", plain, "access_token=tok", body("a" * 20000), 0),
            ("content over the limit", plain, "access_token=tok", body("锁" * 6667), 460101),
            ("keyword present", keyed, "access_token=tok", body("pc unlocked"), 0),
            ("keyword decoded from escapes", keyed, "access_token=tok",
             b'{"msgtype": "text","text": {"content":"\\u89E3\\u9501"}}', 0),
            ("keyword absent", keyed, "access_token=tok", body("pc locked"), 310000),
            ("GBK bytes are not UTF-8", keyed, "access_token=tok",
             b'{"msgtype":"text","text":{"content":"' + "解锁".encode("gbk") + b'"}}', 40035),
            ("sign with %2B", signed, signed_query + "xOJIB8eNoYWeLy26EMZOlc2RjOJbtPv9HYjm%2BE3uALU%3D", body("a"), 0),
            ("sign with a raw +", signed, signed_query + "xOJIB8eNoYWeLy26EMZOlc2RjOJbtPv9HYjm+E3uALU=", body("a"), 310000),
            ("sign missing", signed, "access_token=tok&timestamp=" + KNOWN_T, body("a"), 310000),
            ("timestamp missing", signed, "access_token=tok&sign=x", body("a"), 310000),
        ]
        for name, robot, query, data, errcode in cases:
            with self.subTest(name):
                self.assertEqual(robot.check(query, data, KNOWN_MS)[0], errcode)

    def test_signature_messages_and_timestamp_window(self):
        robot = mock_robot.Robot("tok", secret="this is a secret")
        query = "access_token=tok&timestamp=" + KNOWN_T + "&sign=DJrE6qdyVGCQz9z5r2MDuNcNAhwYnuAkyj13cx169CA%3D"
        self.assertEqual(robot.check(query, body("a"), KNOWN_MS + 3_600_000)[:2], (0, "ok"))
        self.assertEqual(robot.check(query, body("a"), KNOWN_MS + 3_600_001)[:2], (310000, "invalid timestamp"))
        self.assertEqual(robot.check(query, body("a"), KNOWN_MS - 3_600_001)[:2], (310000, "invalid timestamp"))
        self.assertEqual(robot.check(query.replace("DJ", "dj"), body("a"), KNOWN_MS)[:2], (310000, "sign not match"))

    def test_rate_limit(self):
        robot = mock_robot.Robot("tok")
        answers = [robot.check("access_token=tok", body("a"), KNOWN_MS + i)[0] for i in range(21)]
        self.assertEqual(answers, [0] * 20 + [130101])
        self.assertEqual(robot.check("access_token=tok", body("a"), KNOWN_MS + 60_000)[0], 0)


class Server(unittest.TestCase):
    """The program on 127.0.0.1, as the end-to-end tests start it."""

    def start(self, *options):
        self.record = pathlib.Path(tempfile.mkdtemp()) / "received.jsonl"
        process = subprocess.Popen([sys.executable, str(TOOLS / "mock_robot.py"), "--token", "tok",
                                    "--record", str(self.record), *options], stdout=subprocess.PIPE, text=True)
        self.addCleanup(process.stdout.close)
        self.addCleanup(process.wait, 10)
        self.addCleanup(process.terminate)
        self.url = f"http://127.0.0.1:{int(process.stdout.readline())}/robot/send?access_token=tok"

    def post(self, data):
        request = urllib.request.Request(self.url, data=data, headers={"Content-Type": "application/json"})
        with urllib.request.urlopen(request, timeout=10) as response:
            return response.status, response.read()

    def received(self):
        return [json.loads(line) for line in self.record.read_text(encoding="utf-8").splitlines()]

    def test_answers_and_records(self):
        self.start()
        self.assertEqual(self.post(body("解锁了")), (200, b'{"errcode": 0, "errmsg": "ok"}'))
        status, reply = self.post(b"not json")
        self.assertEqual((status, json.loads(reply)), (200, {"errcode": 40035, "errmsg": "missing parameter json"}))
        first, second = self.received()
        self.assertEqual((first["path"], first["params"], first["content"], first["errcode"]),
                         ("/robot/send", {"access_token": "tok"}, "解锁了", 0))
        self.assertEqual(first["headers"]["Content-Type"], "application/json")
        self.assertEqual((second["body"], second["body_encoding"], second["errcode"]), ("not json", "text", 40035))

    def test_garbage_reply(self):
        self.start("--reply-mode", "garbage")
        status, reply = self.post(body("a"))
        self.assertEqual(status, 200)
        self.assertRaises(ValueError, json.loads, reply)

    def test_silent_reply(self):
        self.start("--reply-mode", "silent")
        with self.assertRaises(Exception):
            self.post(body("a"))
        self.assertEqual(len(self.received()), 1)


if __name__ == "__main__":
    unittest.main()
