#!/usr/bin/env python3
"""Serves a folder of calendars over HTTP on a free loopback port for the calendar tests (Python's http.server).

/loop redirects to itself forever; /slow/NAME answers NAME after --slow seconds. Prints "ready PORT" and runs until
its standard input closes."""
import argparse
import functools
import http.server
import sys
import threading
import time

parser = argparse.ArgumentParser()
parser.add_argument("--folder", required=True)
parser.add_argument("--slow", type=float, default=5.0)
args = parser.parse_args()


class Handler(http.server.SimpleHTTPRequestHandler):
    def do_GET(self):
        if self.path.startswith("/loop"):
            self.send_response(302)
            self.send_header("Location", "/loop")
            self.end_headers()
            return
        if self.path.startswith("/slow/"):
            time.sleep(args.slow)
            self.path = self.path[len("/slow"):]
        super().do_GET()

    def log_message(self, *unused):
        pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Handler, directory=args.folder))
server.daemon_threads = True
threading.Thread(target=server.serve_forever, daemon=True).start()
print("ready", server.server_address[1], flush=True)
sys.stdin.read()
server.shutdown()
