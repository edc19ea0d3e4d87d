#!/usr/bin/env python3
"""Unlock to request received by the mock robot: morvella.exe under Wine against curl posting
the same body to the same robot. Both are timed on the wall clock (Wine's clock is the host's)
from just before the unlock or the curl start to the robot's receive mark. Reports medians.

    bench/unlock_latency.py [EVENTS]
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
TOKEN = "bench-token"


def delivered_receive_times(robot, expected):
    received = robot.received()
    if len(received) != expected or any(entry["errcode"] != 0 for entry in received):
        raise RuntimeError(f"robot expected {expected} delivered requests, got {received[-3:]}")
    return [entry["received_ms"] for entry in received]


def morvella_latencies(robot, display, events):
    workdir = pathlib.Path(tempfile.mkdtemp(prefix="bench-unlock-", dir=driver.TOP / "build"))
    try:
        driver.write_settings(workdir, {driver.KEY_PUSH: "真", driver.KEY_WEBHOOK: robot.url(TOKEN)})
        program = driver.Morvella(BUILD, workdir, display).start()
        try:
            sent = [int(line) for line in program.tool("session_event_burst", events).split()]
        finally:
            program.close()
    finally:
        shutil.rmtree(workdir, ignore_errors=True)
    received = delivered_receive_times(robot, events)
    return [r - s for s, r in zip(sent, received)], robot.received()[-1]["body"]


def curl_latencies(robot, body, events, already):
    with tempfile.NamedTemporaryFile("wb", suffix=".json") as body_file:
        body_file.write(body.encode("utf-8"))
        body_file.flush()
        sent = []
        for _ in range(events):
            sent.append(time.time() * 1000)
            subprocess.run(["curl", "-s", "-o", os.devnull, "-X", "POST",
                            "-H", "Content-Type: application/json;charset=utf-8;",
                            "--data", f"@{body_file.name}", robot.url(TOKEN)], check=True, timeout=60)
    received = delivered_receive_times(robot, already + events)[already:]
    return [r - s for s, r in zip(sent, received)]


def main():
    events = int(sys.argv[1]) if len(sys.argv) > 1 else 50
    robot = driver.MockRobot("--token", TOKEN, "--no-rate-limit")
    try:
        with driver.virtual_display() as display:
            morvella, body = morvella_latencies(robot, display, events)
        curl = curl_latencies(robot, body, events, events)
    finally:
        robot.stop()
    medians = {"morvella": statistics.median(morvella), "curl": statistics.median(curl)}
    for name, values in (("morvella", morvella), ("curl", curl)):
        print(f"{name:9s} median {medians[name]:.1f} ms  min {min(values):.1f}  max {max(values):.1f}"
              f"  ({len(values)} events)")
    print(f"ratio morvella/curl: {medians['morvella'] / medians['curl']:.2f} (goal 1.5 or less)")


if __name__ == "__main__":
    main()
