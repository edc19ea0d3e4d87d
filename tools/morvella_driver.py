"""Drives the Windows program under Wine and Xvfb, with the mock robot beside it.

Shared by the end-to-end tests and the headless `make run` demonstration. Everything runs on
this machine: a private X display, the project's Wine prefix, and a robot on 127.0.0.1.
"""
import contextlib
import os
import pathlib
import shutil
import socket
import subprocess
import sys
import tempfile
import time

TOP = pathlib.Path(__file__).resolve().parent.parent
WINE_RUN = TOP / "scripts" / "wine-run"
SETTINGS_FILE = "tixingpeizhi.ini"
LOG_FILE = "tixingrizhi.txt"
SECTION = "Morvella"

# Settings keys as the program stores them (GBK in the file).
KEY_PUSH = "推送"
KEY_AUTOSTART = "开机启动"
KEY_WEBHOOK = "钉钉地址"
KEY_CONTENT = "推送内容"
KEY_KEYWORD = "关键字"
KEY_SECRET = "密匙"

WTS_SESSION_LOCK = 7
WTS_SESSION_UNLOCK = 8


def wait_until(predicate, seconds, what):
    """Polls `predicate` every 0.1 s, for at most `seconds`."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(0.1)
    raise TimeoutError(f"gave up waiting for {what} after {seconds} s")


def free_display():
    for number in range(90, 140):
        if not os.path.exists(f"/tmp/.X{number}-lock") and not os.path.exists(f"/tmp/.X11-unix/X{number}"):
            return number
    raise RuntimeError("no free X display number")


@contextlib.contextmanager
def virtual_display(width=1280, height=800):
    """A private Xvfb display; yields its DISPLAY value."""
    number = free_display()
    server = subprocess.Popen(["Xvfb", f":{number}", "-screen", "0", f"{width}x{height}x24", "-nolisten", "tcp"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        wait_until(lambda: os.path.exists(f"/tmp/.X11-unix/X{number}"), 20, "Xvfb")
        yield f":{number}"
    finally:
        server.terminate()
        server.wait(timeout=10)


def screenshot(display, path):
    path = pathlib.Path(path)
    path.parent.mkdir(parents=True, exist_ok=True)
    subprocess.run(["import", "-display", display, "-window", "root", str(path)], check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=60)
    return path


class MockRobot:
    """tools/mock_robot.py on 127.0.0.1, recording every request it receives."""

    def __init__(self, *options):
        self.record = pathlib.Path(tempfile.mkdtemp(prefix="robot-")) / "received.jsonl"
        self.process = subprocess.Popen(
            [sys.executable, str(TOP / "tools" / "mock_robot.py"), "--port", "0", "--record", str(self.record),
             *options], stdout=subprocess.PIPE, text=True)
        self.port = int(self.process.stdout.readline().split()[-1])

    def url(self, token):
        return f"http://127.0.0.1:{self.port}/robot/send?access_token={token}"

    def received(self):
        import json
        if not self.record.exists():
            return []
        return [json.loads(line) for line in self.record.read_text(encoding="utf-8").splitlines() if line]

    def stop(self):
        self.process.terminate()
        self.process.wait(timeout=10)
        shutil.rmtree(self.record.parent, ignore_errors=True)


def refused_port():
    """A loopback port with nobody listening on it."""
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def write_settings(workdir, values):
    """Writes a settings file as the program would find it, GBK with CR LF."""
    lines = [f"[{SECTION}]"] + [f"{key}={value}" for key, value in values.items()]
    (pathlib.Path(workdir) / SETTINGS_FILE).write_bytes(("\r\n".join(lines) + "\r\n").encode("gbk"))


class Morvella:
    """One run of build/windows/morvella.exe under Wine in `workdir`."""

    def __init__(self, build_dir, workdir, display, locale=None):
        self.build_dir = pathlib.Path(build_dir)
        self.workdir = pathlib.Path(workdir)
        self.env = dict(os.environ, DISPLAY=display)
        if locale:
            self.env["LC_ALL"] = locale
            self.env["LANG"] = locale
        self.process = None

    def tool(self, name, *args, check=True):
        result = subprocess.run([str(WINE_RUN), str(self.build_dir / "tools" / f"{name}.exe"), *map(str, args)],
                                env=self.env, capture_output=True, timeout=120)
        if check and result.returncode != 0:
            raise RuntimeError(f"{name} {args} failed: {result.stderr.decode(errors='replace')}")
        return result.stdout.decode("utf-8", errors="replace")

    def start(self):
        self.process = subprocess.Popen([str(WINE_RUN), str(self.build_dir / "morvella.exe")], cwd=self.workdir,
                                        env=self.env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        self.tool("window_probe", "wait", 60)
        return self

    def texts(self):
        """Each control's text by control id, CR LF kept."""
        controls = {}
        for line in self.tool("window_probe", "texts").splitlines():
            ident, _, text = line.split("\t", 2)
            controls[int(ident)] = text.replace("\\r", "\r").replace("\\n", "\n").replace("\\\\", "\\")
        return controls

    def session_event(self, code):
        self.tool("send_session_event", code)

    def close(self):
        if self.process is None:
            return
        if self.process.poll() is None:
            self.tool("window_probe", "close", check=False)
        try:
            self.process.wait(timeout=60)
        finally:
            if self.process.poll() is None:
                self.process.kill()
        self.process = None

    def settings_bytes(self):
        return (self.workdir / SETTINGS_FILE).read_bytes()

    def log_text(self):
        return (self.workdir / LOG_FILE).read_bytes().decode("gbk")
