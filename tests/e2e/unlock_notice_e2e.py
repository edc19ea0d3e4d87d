"""The unlock notice through the real request routine against the mock robot on 127.0.0.1.

    unlock_notice_e2e.py WORK_DIR PROBE_COMMAND...
PROBE_COMMAND runs tools/notice_probe (for the Windows build, behind scripts/wine-run).
"""
import json
import pathlib
import socket
import subprocess
import sys
import tempfile
import unittest

TOOLS = pathlib.Path(__file__).resolve().parent.parent.parent / "tools"
WORK_DIR = pathlib.Path(sys.argv[1])
PROBE = sys.argv[2:]
SECRET = "SEC0123456789abcdef"


class MockRobot:
    def __init__(self, *options):
        self.record = pathlib.Path(tempfile.mkdtemp(dir=WORK_DIR)) / "received.jsonl"
        self.process = subprocess.Popen(
            [sys.executable, str(TOOLS / "mock_robot.py"), "--token", "tok", "--record", str(self.record), *options],
            stdout=subprocess.PIPE, text=True)
        self.port = int(self.process.stdout.readline())

    def url(self, token="tok"):
        return f"http://127.0.0.1:{self.port}/robot/send?access_token={token}"

    def received(self):
        if not self.record.exists():
            return []
        return [json.loads(line) for line in self.record.read_text(encoding="utf-8").splitlines()]

    def stop(self):
        self.process.terminate()
        self.process.wait(timeout=10)
        self.process.stdout.close()


def notify(url, content="电脑A已解锁", keyword="", secret=""):
    """Runs one notice and returns the lines it logged, decoded from GBK."""
    settings = WORK_DIR / "notice-settings.txt"
    settings.write_bytes(("\n".join([url, content, keyword, secret]) + "\n").encode("gbk"))
    result = subprocess.run([*PROBE, str(settings)], capture_output=True, timeout=120, check=True)
    return result.stdout.decode("gbk").splitlines()


def refused_url():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return f"http://127.0.0.1:{probe.getsockname()[1]}/robot/send?access_token=tok"


class UnlockNotice(unittest.TestCase):
    def robot(self, *options):
        robot = MockRobot(*options)
        self.addCleanup(robot.stop)
        return robot

    def test_delivered_with_chinese_keyword_and_signature(self):
        robot = self.robot("--keyword", "解锁", "--secret", SECRET)
        content = '电脑A已解锁 "quoted" \\ {braces}'
        self.assertEqual(notify(robot.url(), content, "解锁", SECRET), ["提醒了"])
        (request,) = robot.received()
        self.assertEqual(request["errcode"], 0)
        self.assertTrue(request["content"].startswith("时间："))
        self.assertTrue(request["content"].endswith("。内容：" + content + "。关键字：解锁"))
        self.assertTrue(request["body"].isascii())
        self.assertNotIn(SECRET, json.dumps(request["params"]))

    def test_failures_are_reported(self):
        cases = [
            ("keyword not in content", ("--keyword", "xyz"), {}, "提醒失败：310000 keywords not in content"),
            ("wrong secret", ("--secret", SECRET), {"secret": SECRET + "x"}, "提醒失败：310000 sign not match"),
            ("no secret where one is needed", ("--secret", SECRET), {}, "提醒失败：310000 invalid timestamp"),
            ("wrong token", (), {"token": "other"}, "提醒失败：300001 token is not exist"),
            ("no answer", ("--reply-mode", "silent"), {}, "提醒失败：无响应"),
            ("not JSON", ("--reply-mode", "garbage"), {}, "提醒失败：无效应答"),
        ]
        for name, options, settings, logged in cases:
            with self.subTest(name):
                robot = self.robot(*options)
                url = robot.url(settings.pop("token", "tok"))
                self.assertEqual(notify(url, **settings), [logged])
                self.assertEqual(len(robot.received()), 1)

    def test_nobody_listening(self):
        self.assertEqual(notify(refused_url()), ["提醒失败：无响应"])


if __name__ == "__main__":
    WORK_DIR.mkdir(parents=True, exist_ok=True)
    unittest.main(argv=sys.argv[:1])
