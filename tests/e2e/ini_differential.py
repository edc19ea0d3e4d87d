#!/usr/bin/env python3
"""Replays one seeded sequence of settings-file writes and reads through the Win32 private-profile
functions (the Windows ini_driver under Wine) and through the Linux INI reader and writer, and
requires byte-identical files and equal reads.

usage: ini_differential.py WINDOWS_DRIVER LINUX_DRIVER WINE_RUN WORK_DIR
"""
import os
import random
import shutil
import subprocess
import sys

SECTION = 'Morvella'
KEYS = ['推送', '开机启动', '钉钉地址', '推送内容', '关键字', '密匙', 'Key', 'KEY', 'key']
SECTIONS = [SECTION, SECTION, SECTION, SECTION, 'MORVELLA', 'morvella', 'Other']
VALUES = [
    '', '', '真', '假', '1', 'abc', '【电脑A已解锁】', 'https://oapi.dingtalk.com/robot/send?access_token=x',
    '  前后空格  ', ' a', 'b ', '\t制表\t', '"引号"', "'single'", '"', '""', '"a"b"', '" 内 "',
    'a=b=c', '=开头', ';不是注释', '[不是节]', 'x]y', '全角　空格　', '中文;=[]"混合"',
    'a' * 10239, 'a' * 10240, 'a' * 10300, 'a' * 10238 + '中', '中' * 6000,
    '"' + 'b' * 10300 + '"', '  ' + 'c' * 10250 + '  ',
]
INITIAL_FILES = [
    None,
    '',
    '[Morvella]\r\n推送=真\r\n钉钉地址=http://a\r\n',
    '; settings\r\n[Other]\r\nk=v\r\n[Morvella]\r\n推送内容=旧\r\n;comment\r\n[Last]\r\nz=1\r\n',
    '[Other]\nk=v\n[Morvella]\n关键字="带引号"\n密匙=  空格  \n; c\n',
    'top=1\n\n[MORVELLA]\r\n  推送 = 1 \r\n\r\n[Other]\nKEY=x\n',
    '[Morvella]\r\nKey=first\r\n[Morvella]\r\nKey=second\r\n',
    '; only a comment\n[其他]\n名字=值\n',
]
OPS_PER_FILE = 125


def to_hex(text):
    return text.encode('gbk').hex() or '-'


def script_for(rng):
    lines = []
    for _ in range(OPS_PER_FILE):
        section, key = rng.choice(SECTIONS), rng.choice(KEYS)
        if rng.random() < 0.55:
            lines.append('w %s %s %s' % (to_hex(section), to_hex(key), to_hex(rng.choice(VALUES))))
        else:
            lines.append('r %s %s' % (to_hex(section), to_hex(key)))
    return '\n'.join(lines) + '\n'


def run(command, directory, env=None):
    result = subprocess.run(command, cwd=directory, env=env, capture_output=True, timeout=600)
    if result.returncode != 0:
        sys.exit('%s failed: %s' % (command[0], result.stderr.decode(errors='replace')))
    return result.stdout.decode().split()


def main():
    windows_driver, linux_driver, wine_run, work = sys.argv[1:5]
    shutil.rmtree(work, ignore_errors=True)
    rng = random.Random(20260101)
    wine_env = dict(os.environ, LC_ALL='zh_CN.UTF-8')  # Wine's ANSI code page is then 936
    writes = reads = 0
    for number, initial in enumerate(INITIAL_FILES):
        script = script_for(rng)
        writes += script.count('w ')
        outputs, files = [], []
        for side in ('windows', 'linux'):
            directory = os.path.join(work, '%d-%s' % (number, side))
            os.makedirs(directory)
            with open(os.path.join(directory, 'script.txt'), 'w') as f:
                f.write(script)
            ini = os.path.join(directory, 'settings.ini')
            if initial is not None:
                with open(ini, 'wb') as f:
                    f.write(initial.encode('gbk'))
            if side == 'windows':
                outputs.append(run([wine_run, windows_driver, 'script.txt', './settings.ini'],
                                   directory, wine_env))
            else:
                outputs.append(run([linux_driver, 'script.txt', './settings.ini'], directory))
            with open(ini, 'rb') as f:
                files.append(f.read())
        reads += len(outputs[0])
        if outputs[0] != outputs[1]:
            first = next(i for i, (a, b) in enumerate(zip(outputs[0], outputs[1])) if a != b)
            sys.exit('file %d: read %d differs: windows %s, linux %s'
                     % (number, first, outputs[0][first][:80], outputs[1][first][:80]))
        if len(outputs[0]) != len(outputs[1]) or files[0] != files[1]:
            sys.exit('file %d: files differ (%s)' % (number, directory))
    print('ini differential: %d starting files, %d writes, %d reads: files byte-identical, reads equal'
          % (len(INITIAL_FILES), writes, reads))


if __name__ == '__main__':
    main()
