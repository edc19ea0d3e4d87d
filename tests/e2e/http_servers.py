"""Loopback servers for the request's end-to-end tests: a recording HTTP server with canned
answers, a server that never answers, an HTTP proxy and a SOCKS4 proxy. Standard library only;
every server listens on 127.0.0.1 on a port of the system's choosing and runs on its own threads.
"""
import socket
import ssl
import struct
import threading

BIG_BODY_SIZE = 10 * 1024 * 1024


def big_body():
    return bytes(i % 251 for i in range(251)) * (BIG_BODY_SIZE // 251) + bytes(BIG_BODY_SIZE % 251)


def read_request(conn):
    """One request off a connection: (head bytes, body bytes), or None when it closed first."""
    data = b""
    while b"\r\n\r\n" not in data:
        chunk = conn.recv(65536)
        if not chunk:
            return None
        data += chunk
    head, _, body = data.partition(b"\r\n\r\n")
    length = 0
    for line in head.split(b"\r\n")[1:]:
        name, _, value = line.partition(b":")
        if name.strip().lower() == b"content-length":
            length = int(value.strip())
    while len(body) < length:
        chunk = conn.recv(65536)
        if not chunk:
            break
        body += chunk
    return head, body


def parse_head(head):
    lines = head.split(b"\r\n")
    headers = []
    for line in lines[1:]:
        name, _, value = line.partition(b":")
        headers.append((name.decode("latin-1"), value.strip()))
    return lines[0].decode("latin-1"), headers


class _Listener:
    """Accepts on 127.0.0.1 and hands each connection to `serve` on a thread of its own."""

    def __init__(self, tls_context=None):
        self.sock = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        self.sock.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        self.sock.bind(("127.0.0.1", 0))
        self.sock.listen(16)
        self.port = self.sock.getsockname()[1]
        self.tls_context = tls_context
        self.connections = []
        self.stopped = False
        threading.Thread(target=self._accept, daemon=True).start()

    def _accept(self):
        while not self.stopped:
            try:
                conn, _ = self.sock.accept()
            except OSError:
                return
            self.connections.append(conn)
            threading.Thread(target=self._serve_safely, args=(conn,), daemon=True).start()

    def _serve_safely(self, conn):
        try:
            if self.tls_context:
                conn = self.tls_context.wrap_socket(conn, server_side=True)
            self.serve(conn)
        except (OSError, ssl.SSLError, ValueError):
            pass
        finally:
            try:
                conn.close()
            except OSError:
                pass

    def serve(self, conn):
        raise NotImplementedError

    def stop(self):
        self.stopped = True
        self.sock.close()
        for conn in self.connections:
            try:
                conn.shutdown(socket.SHUT_RDWR)
                conn.close()
            except OSError:
                pass


class RecordingServer(_Listener):
    """Records every request (request line, header list, body) and answers by path."""

    def __init__(self, tls_context=None):
        super().__init__(tls_context)
        self.requests = []
        self._big = None

    def serve(self, conn):
        while True:
            request = read_request(conn)
            if request is None:
                return
            head, body = request
            request_line, headers = parse_head(head)
            self.requests.append({"line": request_line, "headers": headers, "body": body, "head": head})
            path = request_line.split(" ")[1] if " " in request_line else "/"
            if not self._answer(conn, request_line.split(" ")[0], path):
                return

    def _send(self, conn, status, body=b"", extra=()):
        head = "HTTP/1.1 %s\r\nContent-Length: %d\r\n" % (status, len(body))
        head += "".join("%s: %s\r\n" % pair for pair in extra) + "\r\n"
        conn.sendall(head.encode("latin-1") + body)

    def _answer(self, conn, verb, path):
        """False when the connection is to be dropped afterwards."""
        path = path.split("?")[0]
        if path.startswith("http://"):  # asked through a proxy by absolute URL
            path = "/" + path.split("/", 3)[3] if path.count("/") >= 3 else "/"
        if path == "/cookies":
            self._send(conn, "200 OK", b"cookies", [("Set-Cookie", "a=1; Path=/"), ("Set-Cookie", "b=2"),
                                                   ("set-cookie", "lower=9")])
        elif path == "/set-session-cookie":
            self._send(conn, "200 OK", b"set", [("Set-Cookie", "session=s1; Path=/")])
        elif path == "/login":
            self._send(conn, "302 Found", b"moved", [("Set-Cookie", "session=s1; Path=/"), ("Location", "/target")])
        elif path == "/redirect":
            self._send(conn, "302 Found", b"moved", [("Location", "/target")])
        elif path == "/target":
            self._send(conn, "200 OK", b"target reached")
        elif path == "/big":
            if self._big is None:
                self._big = big_body()
            self._send(conn, "200 OK", self._big)
        elif path == "/long-headers":
            extra = [("X-Filler-%02d" % i, "v" * 200) for i in range(40)] + [("Set-Cookie", "late=1")]
            self._send(conn, "200 OK", b"long", extra)
        elif path == "/reset":
            head = b"HTTP/1.1 200 OK\r\nContent-Length: 1000000\r\n\r\n"
            conn.sendall(head + b"x" * 5000)
            conn.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
            return False
        elif verb == "HEAD":
            self._send(conn, "200 OK", b"", [("X-Head", "1")])
            return True
        else:
            self._send(conn, "200 OK", b"ok")
        return True


class SilentServer(_Listener):
    """Accepts and reads, but never answers; the connection stays open until stop()."""

    def serve(self, conn):
        while not self.stopped:
            if not conn.recv(65536):
                return


class HttpProxy(_Listener):
    """A forwarding HTTP proxy for absolute-URL requests, and CONNECT tunnels. Records request lines."""

    def __init__(self):
        super().__init__()
        self.requests = []

    def serve(self, conn):
        request = read_request(conn)
        if request is None:
            return
        head, body = request
        request_line, headers = parse_head(head)
        self.requests.append({"line": request_line, "headers": headers})
        verb, target, _ = request_line.split(" ", 2)
        if verb == "CONNECT":
            host, port = target.rsplit(":", 1)
            upstream = socket.create_connection((host, int(port)))
            conn.sendall(b"HTTP/1.1 200 Connection established\r\n\r\n")
            _pipe(conn, upstream)
            return
        rest = target[len("http://"):]
        hostport, _, path = rest.partition("/")
        host, _, port = hostport.partition(":")
        upstream = socket.create_connection((host, int(port or 80)))
        lines = head.split(b"\r\n")
        lines[0] = ("%s /%s HTTP/1.1" % (verb, path)).encode("latin-1")
        upstream.sendall(b"\r\n".join(lines) + b"\r\n\r\n" + body)
        _pipe(conn, upstream)


class Socks4Proxy(_Listener):
    """SOCKS4 CONNECT to an IPv4 address; records (address, port) of each request."""

    def __init__(self):
        super().__init__()
        self.requests = []

    def serve(self, conn):
        header = b""
        while len(header) < 8:
            chunk = conn.recv(8 - len(header))
            if not chunk:
                return
            header += chunk
        version, command, port = struct.unpack(">BBH", header[:4])
        address = socket.inet_ntoa(header[4:8])
        while True:  # the user id, NUL-terminated
            chunk = conn.recv(1)
            if not chunk:
                return
            if chunk == b"\x00":
                break
        self.requests.append((address, port))
        if version != 4 or command != 1:
            conn.sendall(b"\x00\x5b" + bytes(6))
            return
        upstream = socket.create_connection((address, port))
        conn.sendall(b"\x00\x5a" + bytes(6))
        _pipe(conn, upstream)


def _pipe(a, b):
    """Copies both ways until either side closes."""

    def copy(source, target):
        try:
            while True:
                data = source.recv(65536)
                if not data:
                    break
                target.sendall(data)
        except OSError:
            pass
        for s in (source, target):
            try:
                s.shutdown(socket.SHUT_RDWR)
            except OSError:
                pass

    other = threading.Thread(target=copy, args=(b, a), daemon=True)
    other.start()
    copy(a, b)
    other.join(timeout=30)
    b.close()
