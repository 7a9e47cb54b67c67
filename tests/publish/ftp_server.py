#!/usr/bin/python3
"""A throw-away FTP server for the publishing tests, on 127.0.0.1 only.

Prints "PORT <n>" once it listens. Stops when its standard input closes, so a test that dies
never leaves it behind.
"""
import argparse
import os
import sys
import threading

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, TLS_FTPHandler
from pyftpdlib.servers import FTPServer


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--root", required=True)
    p.add_argument("--user", default="tester")
    p.add_argument("--password", default="secret")
    p.add_argument("--anonymous", action="store_true")
    p.add_argument("--tls", choices=["none", "explicit", "explicit-data", "implicit"], default="none")
    p.add_argument("--cert")
    p.add_argument("--key")
    p.add_argument("--no-mlsd", action="store_true")
    args = p.parse_args()

    auth = DummyAuthorizer()
    auth.add_user(args.user, args.password, args.root, perm="elradfmwMT")
    if args.anonymous:
        auth.add_anonymous(args.root, perm="elradfmwMT")

    if args.tls == "none":
        handler = FTPHandler
    else:
        class Handler(TLS_FTPHandler):
            pass
        # pyftpdlib's data channel does not complete a TLS 1.3 handshake; TLS 1.2 is what it
        # handles on both channels.
        from OpenSSL import SSL
        Handler.ssl_protocol = SSL.TLSv1_2_METHOD
        Handler.certfile = args.cert
        Handler.keyfile = args.key
        Handler.tls_control_required = True
        Handler.tls_data_required = args.tls in ("explicit-data", "implicit")
        if args.tls == "implicit":
            # The TLS handshake comes first; the greeting follows once it is done.
            def handle(self):
                self.secure_connection(self.ssl_context)

            def handle_ssl_established(self):
                TLS_FTPHandler.handle(self)
            Handler.handle = handle
            Handler.handle_ssl_established = handle_ssl_established
            Handler._prot = True
            Handler._pbsz = True
        handler = Handler
    handler.authorizer = auth
    handler.passive_ports = None
    handler.banner = "Fotovia test server ready."
    # A refused login answers at once instead of after pyftpdlib's default three seconds.
    handler.auth_failed_timeout = 0
    if args.no_mlsd:
        handler.proto_cmds = {k: v for k, v in handler.proto_cmds.items() if k != "MLSD"}

    server = FTPServer(("127.0.0.1", 0), handler)
    port = server.socket.getsockname()[1]
    print("PORT %d" % port, flush=True)

    def watch_stdin():
        sys.stdin.read()
        os._exit(0)
    threading.Thread(target=watch_stdin, daemon=True).start()
    # A short poll keeps the passive data listener from lagging up to a second behind.
    server.serve_forever(timeout=0.05)


if __name__ == "__main__":
    main()
