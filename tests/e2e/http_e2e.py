"""End-to-end checks of http_request through the real request seam: runs http_probe (natively, or
the Windows build through the emulator) against loopback servers this script starts and stops.

    http_e2e.py --probe PROBE [--emulator RUNNER] [--trust-tool EXE] --work DIR [--show-notice]
"""
import argparse
import os
import shutil
import socket
import subprocess
import sys
import traceback

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import http_servers  # noqa: E402
import http_tls  # noqa: E402

NOTICE_AGENT = ("Mozilla/5.0 (Windows NT 6.1; WOW64) AppleWebKit/537.36 (KHTML, like Gecko) "
                "Chrome/50.0.2661.87 Safari/537.36")
NOTICE_BLOCK = b"Content-Type: application/json;charset=utf-8;\r\nUser-Agent: " + NOTICE_AGENT.encode()
NOTICE_BODY = b'{"msgtype":"text","text":{"content":"\\u65f6\\u95f4\\uff1a"}}'
BYTE_BODY = b"bytes\x00\xff\xd6\xd0end"
TEXT_BODY = b"text body \xd6\xd0"
VERBS = ["GET", "POST", "HEAD", "PUT", "OPTIONS", "DELETE", "TRACE", "CONNECT"]
UNTOUCHED = "(untouched)"


class Probe:
    def __init__(self, command, work):
        self.command = command
        self.work = work

    def run(self, url, *args, files=None, timeout=120):
        """Runs one request; returns (summary dict, body bytes, raw response headers bytes)."""
        for name, data in (files or {}).items():
            with open(os.path.join(self.work, name), "wb") as f:
                f.write(data)
        for name in ("body.out", "headers.out"):
            path = os.path.join(self.work, name)
            if os.path.exists(path):
                os.remove(path)
        command = self.command + list(args) + ["--body-out", "body.out", "--headers-out", "headers.out", url]
        done = subprocess.run(command, cwd=self.work, capture_output=True, timeout=timeout)
        if done.returncode != 0:
            raise AssertionError("probe exited %d: %r" % (done.returncode, done.stderr[-2000:]))
        summary = {}
        for line in done.stdout.decode("latin-1").splitlines():
            key, _, value = line.rstrip("\r").partition(": ")
            summary[key] = value
        with open(os.path.join(self.work, "body.out"), "rb") as f:
            body = f.read()
        with open(os.path.join(self.work, "headers.out"), "rb") as f:
            headers = f.read()
        return summary, body, headers


def header_value(request, name):
    values = [v for n, v in request["headers"] if n.lower() == name.lower()]
    return values[0] if values else None


def expect(condition, message):
    if not condition:
        raise AssertionError(message)


def expect_failed(summary, body):
    expect(body == b"" and summary["body-length"] == "0", "body not empty: %r" % summary)
    expect(summary["returned-cookies"] == UNTOUCHED, "returned cookies touched: %r" % summary)
    expect(summary["returned-headers-length"] == UNTOUCHED, "returned headers touched: %r" % summary)


def check_notice(probe, server, show):
    url = "http://127.0.0.1:%d/robot/send?access_token=TOKEN" % server.port
    summary, body, _ = probe.run(url, "--method", "1", "--text-file", "notice.json", "--headers-file", "notice.hdr",
                                 files={"notice.json": NOTICE_BODY, "notice.hdr": NOTICE_BLOCK})
    request = server.requests[-1]
    if show:
        print(request["head"].decode("latin-1") + "\r\n\r\n" + request["body"].decode("latin-1"))
    expect(request["line"] == "POST /robot/send?access_token=TOKEN HTTP/1.1", request["line"])
    expected = [
        ("Host", b"127.0.0.1:%d" % server.port),
        ("Content-Length", b"%d" % len(NOTICE_BODY)),
        ("Content-Type", b"application/json;charset=utf-8;"),
        ("User-Agent", NOTICE_AGENT.encode()),
        ("Accept", b"*/*"),
        ("Referer", url.encode()),
        ("Accept-Language", b"zh-cn"),
    ]
    expect(sorted(request["headers"]) == sorted(expected), "headers: %r" % request["headers"])
    caller_order = [n for n, _ in request["headers"] if n in ("Content-Type", "User-Agent", "Accept", "Referer",
                                                               "Accept-Language")]
    expect(caller_order == ["Content-Type", "User-Agent", "Accept", "Referer", "Accept-Language"], caller_order)
    expect(request["body"] == NOTICE_BODY, request["body"])
    expect(body == b"ok" and summary["returned-cookies"] == "", summary)


def check_methods(probe, server):
    for index, verb in enumerate(VERBS):
        for kind, option, data in (("text", "--text-file", TEXT_BODY), ("bytes", "--bytes-file", BYTE_BODY)):
            url = "http://127.0.0.1:%d/method/%s" % (server.port, kind)
            summary, _, _ = probe.run(url, "--method", str(index), option, "body.in", files={"body.in": data})
            request = server.requests[-1]
            where = "%s with %s: " % (verb, kind)
            expect(request["line"] == "%s /method/%s HTTP/1.1" % (verb, kind), where + request["line"])
            if verb == "GET":
                expect(request["body"] == b"" and header_value(request, "Content-Length") is None,
                       where + "GET carried a body")
            elif verb != "HEAD":  # libcurl cannot send a body with HEAD; see the report
                expect(request["body"] == data, where + "body %r" % request["body"])
                expect(header_value(request, "Content-Length") == b"%d" % len(data), where + "Content-Length")
            expected = [("Host", b"127.0.0.1:%d" % server.port),
                        ("User-Agent", b"Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)"),
                        ("Accept", b"*/*"), ("Referer", url.encode()), ("Accept-Language", b"zh-cn")]
            if verb == "POST":
                expected.append(("Content-Type", b"application/x-www-form-urlencoded"))
            others = [h for h in request["headers"] if h[0] != "Content-Length"]
            expect(sorted(others) == sorted(expected), where + "headers %r" % request["headers"])
            expect(summary["returned-headers-length"] != UNTOUCHED, where + "no response: %r" % summary)


def check_cookies(probe, server):
    url = "http://127.0.0.1:%d/cookies" % server.port
    summary, _, headers = probe.run(url)
    expect(summary["returned-cookies"] == "a=1; b=2", summary)
    expect(b"set-cookie: lower=9\r\n" in headers, headers)
    summary, _, _ = probe.run(url, "--cookies", "b=7; c=3")
    expect(summary["returned-cookies"] == "a=1; b=2; c=3" and summary["cookies"] == "a=1; b=2; c=3", summary)
    expect(header_value(server.requests[-1], "Cookie") == b"b=7; c=3", server.requests[-1]["headers"])


def check_cookie_store(probe, server):
    """The platform's own store carries a cookie into the redirect; supplied cookies switch it off."""
    url = "http://127.0.0.1:%d/login" % server.port
    summary, body, _ = probe.run(url)
    expect(body == b"target reached", body)
    expect(server.requests[-1]["line"].startswith("GET /target"), server.requests[-1]["line"])
    expect(header_value(server.requests[-1], "Cookie") == b"session=s1", server.requests[-1]["headers"])
    summary, body, _ = probe.run(url, "--cookies", "")
    expect(body == b"target reached" and summary["returned-cookies"] == "", summary)
    expect(header_value(server.requests[-1], "Cookie") is None, server.requests[-1]["headers"])


def check_redirects(probe, server):
    url = "http://127.0.0.1:%d/redirect" % server.port
    _, body, headers = probe.run(url)
    expect(body == b"target reached" and headers.startswith(b"HTTP/1.1 200"), (body, headers))
    _, body, headers = probe.run(url, "--no-redirect")
    expect(body == b"moved" and headers.startswith(b"HTTP/1.1 302"), (body, headers))
    expect(headers.endswith(b"\r\n\r\n"), headers)


def check_proxies(probe, server, emulated):
    proxy = http_servers.HttpProxy()
    socks = http_servers.Socks4Proxy()
    try:
        url = "http://127.0.0.1:%d/via-proxy" % server.port
        _, body, _ = probe.run(url, "--proxy", "127.0.0.1:%d" % proxy.port)
        expect(body == b"ok", body)
        expect([r["line"] for r in proxy.requests] == ["GET %s HTTP/1.1" % url], proxy.requests)
        _, body, _ = probe.run(url.replace("via-proxy", "via-socks"), "--proxy", "127.0.0.1:%d" % socks.port,
                               "--socks")
        expect(body == b"ok", body)
        if emulated:
            # Wine's WinINet knows no SOCKS proxies and connects directly (Windows' own uses SOCKS4).
            expect(socks.requests == [], socks.requests)
            print("NOTE socks: the emulator's WinINet went direct, as it has no SOCKS support")
        else:
            expect(socks.requests == [("127.0.0.1", server.port)], socks.requests)
        expect(server.requests[-1]["line"] == "GET /via-socks HTTP/1.1", server.requests[-1]["line"])
    finally:
        proxy.stop()
        socks.stop()


def check_big_body(probe, server):
    summary, body, _ = probe.run("http://127.0.0.1:%d/big" % server.port)
    expect(len(body) == http_servers.BIG_BODY_SIZE, summary)
    expect(body == http_servers.big_body(), "big body differs")


def check_long_headers(probe, server):
    summary, _, headers = probe.run("http://127.0.0.1:%d/long-headers" % server.port)
    expect(len(headers) > 5000 and headers.endswith(b"Set-Cookie: late=1\r\n\r\n"), summary)
    expect(summary["returned-cookies"] == "late=1", summary)


def check_failures(probe, server):
    summary, body, _ = probe.run("http://127.0.0.1:%d/reset" % server.port)
    expect_failed(summary, body)

    closed = socket.socket()
    closed.bind(("127.0.0.1", 0))
    port = closed.getsockname()[1]
    closed.close()
    summary, body, _ = probe.run("http://127.0.0.1:%d/refused" % port)
    expect_failed(summary, body)

    silent = http_servers.SilentServer()
    try:
        summary, body, _ = probe.run("http://127.0.0.1:%d/silent" % silent.port, "--timeout", "1500")
        expect_failed(summary, body)
    finally:
        silent.stop()


def check_tls(probe, work, trust_tool, emulator):
    pki = http_tls.make_pki(os.path.join(work, "pki"))
    server = http_servers.RecordingServer(tls_context=http_tls.server_context(pki))
    try:
        url = "https://localhost:%d/secure" % server.port
        summary, body, _ = probe.run(url)
        expect_failed(summary, body)
        expect(server.requests == [], "a request reached the server over an untrusted certificate")
        with http_tls.trusted(pki, trust_tool, emulator, work):
            summary, body, _ = probe.run(url)
            expect(body == b"ok", summary)
            expect([r["line"] for r in server.requests] == ["GET /secure HTTP/1.1"], server.requests)
            # The same trusted certificate reached by an address it does not name.
            summary, body, _ = probe.run(url.replace("localhost", "127.0.0.1"))
            expect_failed(summary, body)
            expect(len(server.requests) == 1, "a request reached the server under the wrong name")
    finally:
        server.stop()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--probe", required=True)
    parser.add_argument("--emulator", default="")
    parser.add_argument("--trust-tool", default="")
    parser.add_argument("--work", required=True)
    parser.add_argument("--show-notice", action="store_true")
    parser.add_argument("--only", default="")
    args = parser.parse_args()
    args.emulator = os.path.abspath(args.emulator) if args.emulator else ""
    args.trust_tool = os.path.abspath(args.trust_tool) if args.trust_tool else ""

    shutil.rmtree(args.work, ignore_errors=True)
    os.makedirs(args.work)
    probe = Probe(([args.emulator] if args.emulator else []) + [os.path.abspath(args.probe)], args.work)
    server = http_servers.RecordingServer()
    checks = [
        ("notice", lambda: check_notice(probe, server, args.show_notice)),
        ("methods", lambda: check_methods(probe, server)),
        ("cookies", lambda: check_cookies(probe, server)),
        ("cookie store", lambda: check_cookie_store(probe, server)),
        ("redirects", lambda: check_redirects(probe, server)),
        ("proxies", lambda: check_proxies(probe, server, bool(args.emulator))),
        ("big body", lambda: check_big_body(probe, server)),
        ("long headers", lambda: check_long_headers(probe, server)),
        ("failures", lambda: check_failures(probe, server)),
        ("tls", lambda: check_tls(probe, args.work, args.trust_tool, args.emulator)),
    ]
    failed = 0
    try:
        for name, check in checks:
            if args.only and name != args.only:
                continue
            try:
                check()
                print("PASS", name)
            except Exception:  # one check's failure must not hide the others
                failed += 1
                print("FAIL", name)
                traceback.print_exc(limit=3)
    finally:
        server.stop()
    print("%d failed" % failed)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
