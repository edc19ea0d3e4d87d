"""The Windows program as a user meets it: under Wine and Xvfb, with the mock robot on loopback."""
import os
import pathlib
import sys
import tempfile
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "tools"))
import morvella_driver as driver  # noqa: E402

BUILD = pathlib.Path(sys.argv.pop(1)) if len(sys.argv) > 1 else driver.TOP / "build" / "windows"
PUSH_CHECK, AUTOSTART_CHECK, WEBHOOK_BOX, LOG_BOX, CONTENT_BOX, KEYWORD_BOX, SECRET_BOX = (
    1002, 1003, 1005, 1006, 1008, 1011, 1013)
TOKEN = "e2e-token"


def event_messages(text):
    """The message part of each log line (the time text and its space dropped)."""
    return [line.split(" ", 1)[1] for line in text.split("\r\n") if line]


class ProgramScenarios(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.display_context = driver.virtual_display()
        cls.display = cls.display_context.__enter__()

    @classmethod
    def tearDownClass(cls):
        cls.display_context.__exit__(None, None, None)

    def setUp(self):
        self.workdir = pathlib.Path(tempfile.mkdtemp(prefix="morvella-e2e-"))
        self.robot = None

    def tearDown(self):
        if self.robot:
            self.robot.stop()

    def run_program(self, locale=None):
        program = driver.Morvella(BUILD, self.workdir, self.display, locale).start()
        self.addCleanup(program.close)
        return program

    def test_first_start_creates_the_files_and_shows_empty_boxes(self):
        program = self.run_program()
        texts = program.texts()
        program.close()
        expected = "[Morvella]\r\n钉钉地址=\r\n推送内容=\r\n关键字=\r\n密匙=\r\n".encode("gbk")
        self.assertEqual(program.settings_bytes(), expected)
        self.assertEqual((self.workdir / driver.LOG_FILE).read_bytes(), b"")
        for box in (WEBHOOK_BOX, CONTENT_BOX, KEYWORD_BOX, SECRET_BOX, LOG_BOX):
            self.assertEqual(texts[box], "", box)
        self.assertTrue(texts[PUSH_CHECK].startswith("[ ] "))
        self.assertTrue(texts[AUTOSTART_CHECK].startswith("[ ] "))

    def test_lock_and_signed_unlock_reach_box_file_and_robot_across_a_restart(self):
        self.robot = driver.MockRobot("--token", TOKEN, "--keyword", "解锁", "--secret", "SEC0123")
        driver.write_settings(self.workdir, {
            driver.KEY_PUSH: "真", driver.KEY_WEBHOOK: self.robot.url(TOKEN), driver.KEY_CONTENT: "电脑已解锁 abc",
            driver.KEY_KEYWORD: "解锁", driver.KEY_SECRET: "SEC0123"})
        program = self.run_program(locale="zh_CN.UTF-8")
        self.assertEqual(program.texts()[SECRET_BOX], "SEC0123")
        program.session_event(driver.WTS_SESSION_LOCK)
        program.session_event(driver.WTS_SESSION_UNLOCK)
        program.session_event(5)  # a logon: nothing happens
        self.assertEqual(event_messages(program.texts()[LOG_BOX]), ["锁屏了", "提醒了", "解锁了"])
        program.close()
        self.assertEqual(event_messages(program.log_text()), ["解锁了", "提醒了", "锁屏了"])
        received = self.robot.received()
        self.assertEqual(len(received), 1)
        self.assertEqual(received[0]["errcode"], 0)
        self.assertIn("电脑已解锁 abc", received[0]["content"])
        self.assertNotIn("SEC0123", received[0]["body"])

        # After a restart the box shows the file newest first, and new lines go below it.
        program = self.run_program()
        program.session_event(driver.WTS_SESSION_LOCK)
        self.assertEqual(event_messages(program.texts()[LOG_BOX]), ["解锁了", "提醒了", "锁屏了", "锁屏了"])
        program.close()
        self.assertEqual(event_messages(program.log_text())[0], "锁屏了")

    def test_a_rejecting_or_unreachable_robot_is_not_reported_as_reminded(self):
        self.robot = driver.MockRobot("--token", TOKEN)
        cases = [(self.robot.url("wrong-token"), "提醒失败：300001 token is not exist"),
                 (f"http://127.0.0.1:{driver.refused_port()}/robot/send", "提醒失败：无响应")]
        for webhook, outcome in cases:
            with self.subTest(webhook=webhook):
                (self.workdir / driver.LOG_FILE).unlink(missing_ok=True)
                driver.write_settings(self.workdir, {driver.KEY_PUSH: "真", driver.KEY_WEBHOOK: webhook})
                program = self.run_program()
                program.session_event(driver.WTS_SESSION_UNLOCK)
                self.assertEqual(event_messages(program.texts()[LOG_BOX]), [outcome, "解锁了"])
                program.close()

    def test_a_stored_autostart_switch_puts_the_shortcut_in_the_startup_folder(self):
        prefix = pathlib.Path(os.environ.get("WINEPREFIX", driver.TOP / "build" / "wineprefix"))
        pattern = "drive_c/users/*/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/StartUp/Morvella.lnk"
        for old in prefix.glob(pattern):
            old.unlink()
        driver.write_settings(self.workdir, {driver.KEY_AUTOSTART: "真"})
        program = self.run_program()
        self.assertTrue(program.texts()[AUTOSTART_CHECK].startswith("[x] "))
        program.close()
        shortcuts = list(prefix.glob(pattern))
        for shortcut in shortcuts:
            shortcut.unlink()  # the prefix is shared: leave nothing behind
        self.assertEqual(len(shortcuts), 1)

    def test_pushing_off_only_logs_the_unlock_and_the_window_is_saved_as_a_screenshot(self):
        self.robot = driver.MockRobot("--token", TOKEN)
        driver.write_settings(self.workdir, {driver.KEY_PUSH: "假", driver.KEY_WEBHOOK: self.robot.url(TOKEN)})
        program = self.run_program(locale="zh_CN.UTF-8")
        program.session_event(driver.WTS_SESSION_UNLOCK)
        self.assertEqual(event_messages(program.texts()[LOG_BOX]), ["解锁了"])
        driver.screenshot(self.display, BUILD / "screenshots" / "e2e-main-window.png")
        program.close()
        self.assertEqual(self.robot.received(), [])


if __name__ == "__main__":
    unittest.main(verbosity=2)
