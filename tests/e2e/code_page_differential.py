#!/usr/bin/env python3
"""Runs code_page_dump from the Linux and the Windows build and compares the dumps line by line.

Each line is one input sequence and what the conversions made of it; any difference fails.
"""
import argparse
import collections
import pathlib
import subprocess
import sys

SHOWN_DIFFERENCES = 20


def dump(command, output):
    result = subprocess.run(command + [str(output)], stdin=subprocess.DEVNULL, capture_output=True,
                            timeout=600)
    if result.returncode != 0:
        sys.exit(f"{' '.join(command)} failed ({result.returncode}): {result.stderr.decode(errors='replace')}")
    return output.read_bytes().split(b"\n")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--work-dir", type=pathlib.Path, required=True)
    parser.add_argument("--linux", nargs="+", required=True, help="the Linux tool")
    parser.add_argument("--windows", nargs="+", required=True, help="emulator and Windows tool")
    args = parser.parse_args()

    if not pathlib.Path(args.linux[0]).is_file():
        sys.exit(f"{args.linux[0]} is missing: build the native preset first")
    args.work_dir.mkdir(parents=True, exist_ok=True)
    linux = dump(args.linux, args.work_dir / "linux.txt")
    windows = dump(args.windows, args.work_dir / "windows.txt")

    compared = collections.Counter()
    differences = []
    for linux_line, windows_line in zip(linux, windows):
        if not windows_line:
            continue
        compared[windows_line.split(b" ", 1)[0].decode()] += 1
        if linux_line != windows_line:
            differences.append((linux_line, windows_line))
    if len(linux) != len(windows):
        differences.append((f"{len(linux)} lines".encode(), f"{len(windows)} lines".encode()))

    for linux_line, windows_line in differences[:SHOWN_DIFFERENCES]:
        print(f"linux:   {linux_line.decode()}\nwindows: {windows_line.decode()}")
    sections = ", ".join(f"{name} {count}" for name, count in sorted(compared.items()))
    print(f"compared {sum(compared.values())} sequences ({sections}); differences: {len(differences)}")
    return 1 if differences else 0


if __name__ == "__main__":
    sys.exit(main())
