#!/usr/bin/env python3
"""A local SMTP server for the tests: saves every message it accepts as N.eml in a folder.

Prints "ready PORT" once it listens, and runs until its standard input closes."""
import argparse
import os
import socket
import ssl
import sys

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import AuthResult


class Saver:
    def __init__(self, folder, reject):
        self.folder = folder
        self.reject = reject
        self.count = 0

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address in self.reject:
            return '550 5.1.1 No such mailbox here'
        envelope.rcpt_tos.append(address)
        return '250 OK'

    async def handle_DATA(self, server, session, envelope):
        self.count += 1
        path = os.path.join(self.folder, '%d.eml' % self.count)
        with open(path + '.part', 'wb') as f:
            f.write(envelope.original_content or envelope.content)
        with open(path + '.envelope', 'w') as f:
            f.write(envelope.mail_from + '\n' + '\n'.join(envelope.rcpt_tos) + '\n')
        os.rename(path + '.part', path)
        return '250 Message accepted for delivery'


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--folder', required=True)
    parser.add_argument('--cert')
    parser.add_argument('--key')
    parser.add_argument('--user')
    parser.add_argument('--password')
    parser.add_argument('--reject', action='append', default=[])
    parser.add_argument('--port', type=int, default=0)
    args = parser.parse_args()

    port = args.port
    if port == 0:
        with socket.socket() as s:
            s.bind(('127.0.0.1', 0))
            port = s.getsockname()[1]

    kwargs = {}
    if args.cert:
        context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
        context.load_cert_chain(args.cert, args.key)
        kwargs['tls_context'] = context
        kwargs['require_starttls'] = True
    if args.user:
        def check(server, session, envelope, mechanism, auth_data):
            ok = auth_data.login == args.user.encode() and auth_data.password == args.password.encode()
            return AuthResult(success=ok, handled=False)
        kwargs['authenticator'] = check
        kwargs['auth_required'] = True
        kwargs['auth_require_tls'] = bool(args.cert)
    controller = Controller(Saver(args.folder, set(args.reject)), hostname='127.0.0.1', port=port,
                            data_size_limit=64 * 1024 * 1024, **kwargs)
    controller.start()
    print('ready %d' % port, flush=True)
    try:
        sys.stdin.read()
    finally:
        controller.stop()


if __name__ == '__main__':
    main()
