#!/usr/bin/env python3
"""Serves a folder as python3 -m http.server does, each file compressed when
the browser accepts it: FILE.br or FILE.gz from beside FILE (the web build
writes them), with Content-Encoding, FILE's own Content-Type and
Vary: Accept-Encoding. Python's standard library only.

    python3 scripts/web-serve.py DIRECTORY [PORT] [ADDRESS]

PORT defaults to 8000 (0 picks a free one), ADDRESS to 127.0.0.1; once it
listens it prints the address it serves on.
"""
import functools
import http.server
import os
import sys

ENCODINGS = (('br', '.br'), ('gzip', '.gz'))  # the better first


class Handler(http.server.SimpleHTTPRequestHandler):
    # WebAssembly streams only as application/wasm; Python before 3.12 calls JavaScript application/.
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      '.wasm': 'application/wasm', '.js': 'text/javascript'}

    def accepted(self):
        """The encodings the request's Accept-Encoding allows (any without q=0)."""
        names = set()
        for term in self.headers.get('Accept-Encoding', '').split(','):
            name, _, weight = term.partition(';')
            try:
                if not weight or float(weight.partition('=')[2]) > 0:
                    names.add(name.strip())
            except ValueError:
                pass
        return names

    def send_head(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path) and self.path.split('?')[0].endswith('/'):
            path = os.path.join(path, 'index.html')
        accepted = self.accepted()
        for encoding, suffix in ENCODINGS:
            if encoding in accepted and os.path.isfile(path) and os.path.isfile(path + suffix):
                body = open(path + suffix, 'rb')
                self.send_response(200)
                self.send_header('Content-Type', self.guess_type(path))
                self.send_header('Content-Encoding', encoding)
                self.send_header('Content-Length', str(os.fstat(body.fileno()).st_size))
                self.send_header('Last-Modified', self.date_time_string(int(os.path.getmtime(path))))
                self.end_headers()
                return body
        return super().send_head()

    def end_headers(self):
        # Caches keep each encoding apart.
        self.send_header('Vary', 'Accept-Encoding')
        super().end_headers()


def main():
    directory = sys.argv[1]
    port = int(sys.argv[2]) if len(sys.argv) > 2 else 8000
    address = sys.argv[3] if len(sys.argv) > 3 else '127.0.0.1'
    handler = functools.partial(Handler, directory=directory)
    with http.server.ThreadingHTTPServer((address, port), handler) as server:
        print('http://%s:%d/' % (address, server.server_address[1]), flush=True)
        try:
            server.serve_forever()
        except KeyboardInterrupt:
            pass


main()
