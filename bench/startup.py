#!/usr/bin/env python3
"""Start-up to window mapped: morvella.exe (fresh working directory each run) against a minimal
Win32 window program, under the same Wine prefix and a private Xvfb display. Reports medians.

    bench/startup.py [RUNS]
"""
import os
import pathlib
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tools"))
import morvella_driver as driver  # noqa: E402

BUILD = driver.TOP / "build" / "windows"
PROGRAMS = {
    "morvella": (BUILD / "morvella.exe", "Morvella"),
    "minimal_window": (BUILD / "tools" / "minimal_window.exe", "MinimalWindow"),
}
WINDOW_TIMEOUT_S = 60
POLL_S = 0.01  # xdotool's own --sync polls only every half second, too coarse for this


def mapped(display, title):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                           env=dict(os.environ, DISPLAY=display), capture_output=True, timeout=10)
    return found.returncode == 0 and found.stdout.strip() != b""


def time_to_window(display, exe, title):
    """Seconds from launch until a visible window titled `title` is on the display."""
    workdir = tempfile.mkdtemp(prefix="bench-startup-", dir=driver.TOP / "build")
    env = dict(os.environ, DISPLAY=display)
    start = time.monotonic()
    process = subprocess.Popen([str(driver.WINE_RUN), str(exe)], cwd=workdir, env=env, stdin=subprocess.DEVNULL,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        while not mapped(display, title):
            if time.monotonic() - start > WINDOW_TIMEOUT_S:
                raise TimeoutError(f"no window {title!r} after {WINDOW_TIMEOUT_S} s")
            time.sleep(POLL_S)
        return time.monotonic() - start
    finally:
        process.terminate()
        try:
            process.wait(timeout=30)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait(timeout=30)
        shutil.rmtree(workdir, ignore_errors=True)


def main():
    runs = int(sys.argv[1]) if len(sys.argv) > 1 else 7
    times = {name: [] for name in PROGRAMS}
    with driver.virtual_display() as display:
        for name, (exe, title) in PROGRAMS.items():
            time_to_window(display, exe, title)  # warm-up: page cache and wineserver
        for _ in range(runs):  # interleaved, so drift in the machine's load hits both alike
            for name, (exe, title) in PROGRAMS.items():
                times[name].append(time_to_window(display, exe, title))
    medians = {name: statistics.median(values) for name, values in times.items()}
    for name, values in times.items():
        print(f"{name:15s} median {medians[name]:.3f} s  runs: {' '.join(f'{v:.3f}' for v in values)}")
    print(f"ratio morvella/minimal_window: {medians['morvella'] / medians['minimal_window']:.2f} (goal 1.3 or less)")


if __name__ == "__main__":
    main()
