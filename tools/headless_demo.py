"""Headless `make run`: Morvella on a virtual display, pushing to the mock robot on loopback.

One lock and one unlock; then prints what the robot received, the log file and the screenshot.
"""
import pathlib
import sys

import morvella_driver as driver


def main(build_dir, workdir):
    workdir = pathlib.Path(workdir)
    robot = driver.MockRobot("--token", "demo-token")
    try:
        # Built-in defaults for the demonstration: pushing on, the robot on loopback.
        driver.write_settings(workdir, {driver.KEY_PUSH: "真", driver.KEY_WEBHOOK: robot.url("demo-token"),
                                        driver.KEY_CONTENT: "【电脑A已解锁】"})
        with driver.virtual_display() as display:
            program = driver.Morvella(build_dir, workdir, display, locale="zh_CN.UTF-8").start()
            try:
                program.session_event(driver.WTS_SESSION_LOCK)
                program.session_event(driver.WTS_SESSION_UNLOCK)
                shot = driver.screenshot(display, pathlib.Path(build_dir) / "screenshots" / "make-run.png")
            finally:
                program.close()
        print("== the robot received")
        for request in robot.received():
            print(f"{request['path']}  errcode {request['errcode']}  content: {request['content']}")
        print(f"== {workdir / driver.LOG_FILE} (newest first)")
        print(program.log_text(), end="")
        print(f"== screenshot: {shot}")
    finally:
        robot.stop()


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
