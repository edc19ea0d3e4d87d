#!/usr/bin/env python3
"""A stand-in for the chat robot's webhook on 127.0.0.1, checking requests as the real service does.

Every answer is HTTP 200 with {"errcode": N, "errmsg": "..."}; errcode 0 means delivered. The
first line on stdout is the port it listens on. Standard library only.

    mock_robot.py [--port 0] [--token T] [--keyword K]... [--secret S]
                  [--reply-mode ok|silent|garbage] [--record FILE] [--no-rate-limit]
"""
import argparse
import base64
import collections
import hashlib
import hmac
import http.server
import json
import sys
import threading
import time
import urllib.parse

CONTENT_LIMIT = 20000          # bytes of UTF-8
RATE_LIMIT = 20                # messages a minute
RATE_WINDOW_MS = 60_000
TIMESTAMP_TOLERANCE_MS = 3_600_000

OK = (0, "ok")
TOKEN_NOT_EXIST = (300001, "token is not exist")
MISSING_JSON = (40035, "missing parameter json")
TOO_LONG = (460101, "message too long")
KEYWORDS_NOT_IN_CONTENT = (310000, "keywords not in content")
SIGN_NOT_MATCH = (310000, "sign not match")
INVALID_TIMESTAMP = (310000, "invalid timestamp")
SEND_TOO_FAST = (130101, "send too fast")


def signature(timestamp, secret):
    """Base64 of HMAC-SHA256 keyed with the secret over timestamp, LF, secret (all UTF-8)."""
    key = secret.encode("utf-8")
    digest = hmac.new(key, timestamp.encode("utf-8") + b"\n" + key, hashlib.sha256).digest()
    return base64.b64encode(digest).decode("ascii")


class Robot:
    """The service's checks, in the order it applies them, with its per-robot rate limit."""

    def __init__(self, token="", keywords=(), secret="", rate_limit=True):
        self.token = token
        self.rate_limit = rate_limit
        self.keywords = list(keywords)
        self.secret = secret
        self.delivered_ms = collections.deque()
        self.lock = threading.Lock()

    def check(self, query, body, now_ms):
        """Returns (errcode, errmsg, content) for a request's raw query string and body bytes."""
        # Form decoding, as the service does: a "+" left unencoded in the sign becomes a space.
        params = dict(urllib.parse.parse_qsl(query, keep_blank_values=True))
        if not self.token or params.get("access_token") != self.token:
            return (*TOKEN_NOT_EXIST, None)
        if self.secret:
            failure = self._check_signature(params, now_ms)
            if failure:
                return (*failure, None)
        content = self._content(body)
        if content is None:
            return (*MISSING_JSON, None)
        if len(content.encode("utf-8", errors="surrogatepass")) > CONTENT_LIMIT:
            return (*TOO_LONG, content)
        if self.keywords and not any(keyword in content for keyword in self.keywords):
            return (*KEYWORDS_NOT_IN_CONTENT, content)
        with self.lock:
            while self.delivered_ms and now_ms - self.delivered_ms[0] >= RATE_WINDOW_MS:
                self.delivered_ms.popleft()
            if self.rate_limit and len(self.delivered_ms) >= RATE_LIMIT:
                return (*SEND_TOO_FAST, content)
            self.delivered_ms.append(now_ms)
        return (*OK, content)

    def _check_signature(self, params, now_ms):
        timestamp = params.get("timestamp", "")
        if not timestamp.isascii() or not timestamp.isdigit():
            return INVALID_TIMESTAMP
        if abs(now_ms - int(timestamp)) > TIMESTAMP_TOLERANCE_MS:
            return INVALID_TIMESTAMP
        if not hmac.compare_digest(params.get("sign", ""), signature(timestamp, self.secret)):
            return SIGN_NOT_MATCH
        return None

    @staticmethod
    def _content(body):
        """The decoded text content of a UTF-8 JSON text message, or None."""
        try:
            message = json.loads(body.decode("utf-8"))
        except (UnicodeDecodeError, ValueError):
            return None
        if not isinstance(message, dict) or message.get("msgtype") != "text":
            return None
        text = message.get("text")
        content = text.get("content") if isinstance(text, dict) else None
        return content if isinstance(content, str) else None


def make_handler(robot, reply_mode, record):
    record_lock = threading.Lock()

    class Handler(http.server.BaseHTTPRequestHandler):
        protocol_version = "HTTP/1.1"

        def do_POST(self):
            self._handle()

        def do_GET(self):
            self._handle()

        def _handle(self):
            received_ms = time.time() * 1000  # once the headers are in: the benchmarks' end mark
            length = int(self.headers.get("Content-Length") or 0)
            body = self.rfile.read(length) if length > 0 else b""
            path, _, query = self.path.partition("?")
            if reply_mode == "ok":
                errcode, errmsg, content = robot.check(query, body, int(time.time() * 1000))
            else:
                errcode, errmsg, content = None, None, None
            self._record(path, query, body, content, errcode, received_ms)
            if reply_mode == "silent":
                self.close_connection = True
                return
            if reply_mode == "garbage":
                self._send(b"<html>robot out to lunch</html>", "text/html")
            else:
                reply = json.dumps({"errcode": errcode, "errmsg": errmsg}).encode("utf-8")
                self._send(reply, "application/json;charset=utf-8")

        def _send(self, payload, content_type):
            self.send_response(200)
            self.send_header("Content-Type", content_type)
            self.send_header("Content-Length", str(len(payload)))
            self.end_headers()
            self.wfile.write(payload)

        def _record(self, path, query, body, content, errcode, received_ms):
            if not record:
                return
            try:
                text, encoding = body.decode("utf-8"), "text"
            except UnicodeDecodeError:
                text, encoding = base64.b64encode(body).decode("ascii"), "base64"
            entry = {
                "method": self.command, "path": path, "query": query,
                "params": dict(urllib.parse.parse_qsl(query, keep_blank_values=True)),
                "headers": dict(self.headers.items()), "body": text, "body_encoding": encoding,
                "content": content, "errcode": errcode, "received_ms": received_ms,
            }
            with record_lock, open(record, "a", encoding="utf-8") as out:
                out.write(json.dumps(entry, ensure_ascii=False) + "\n")

        def log_message(self, *args):
            pass  # the record file is the log

    return Handler


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--port", type=int, default=0)
    parser.add_argument("--token", default="test-token")
    parser.add_argument("--keyword", action="append", default=[])
    parser.add_argument("--secret", default="")
    parser.add_argument("--reply-mode", choices=("ok", "silent", "garbage"), default="ok")
    parser.add_argument("--record")
    parser.add_argument("--no-rate-limit", action="store_true", help="for benchmarks that send in bursts")
    options = parser.parse_args(argv)
    robot = Robot(options.token, options.keyword, options.secret, not options.no_rate_limit)
    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", options.port), make_handler(robot, options.reply_mode, options.record))
    print(server.server_address[1], flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    finally:
        server.server_close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
