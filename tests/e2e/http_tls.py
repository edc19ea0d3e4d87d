"""A throw-away certificate authority and server certificate for the TLS checks, made by openssl
under the test's work folder, and a way to trust that authority for a few requests only."""
import contextlib
import os
import ssl
import subprocess


def _openssl(*args, cwd):
    subprocess.run(["openssl"] + list(args), cwd=cwd, check=True, capture_output=True)


def make_pki(folder):
    """ca.pem / ca.der (the authority) and server.pem / server.key for the name localhost only."""
    os.makedirs(folder, exist_ok=True)
    _openssl("req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", "ca.key", "-out", "ca.pem", "-days", "2",
             "-subj", "/CN=Morvella Test CA", "-addext", "basicConstraints=critical,CA:TRUE",
             "-addext", "keyUsage=critical,keyCertSign,cRLSign", cwd=folder)
    _openssl("x509", "-in", "ca.pem", "-outform", "DER", "-out", "ca.der", cwd=folder)
    _openssl("req", "-newkey", "rsa:2048", "-nodes", "-keyout", "server.key", "-out", "server.csr",
             "-subj", "/CN=localhost", cwd=folder)
    with open(os.path.join(folder, "server.ext"), "w") as f:
        f.write("subjectAltName=DNS:localhost\nextendedKeyUsage=serverAuth\n"
                "basicConstraints=CA:FALSE\nkeyUsage=critical,digitalSignature,keyEncipherment\n")
    _openssl("x509", "-req", "-in", "server.csr", "-CA", "ca.pem", "-CAkey", "ca.key", "-CAcreateserial",
             "-out", "server.pem", "-days", "2", "-sha256", "-extfile", "server.ext", cwd=folder)
    return folder


def server_context(pki):
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(os.path.join(pki, "server.pem"), os.path.join(pki, "server.key"))
    return context


@contextlib.contextmanager
def trusted(pki, trust_tool, emulator, work):
    """Natively, OpenSSL's SSL_CERT_FILE names the authority; under Wine, the trust tool puts it
    into the current user's Root store of the prefix and takes it out again afterwards."""
    if not emulator:
        os.environ["SSL_CERT_FILE"] = os.path.join(pki, "ca.pem")
        try:
            yield
        finally:
            del os.environ["SSL_CERT_FILE"]
        return
    der = os.path.relpath(os.path.join(pki, "ca.der"), work)
    subprocess.run([emulator, trust_tool, "add", der], cwd=work, check=True, capture_output=True, timeout=120)
    try:
        yield
    finally:
        subprocess.run([emulator, trust_tool, "remove", der], cwd=work, check=True, capture_output=True,
                       timeout=120)
