#!/usr/bin/env python3
"""Reads a message as a mail program would: prints its headers, body and attachments as JSON; writes each
attachment into the folder given."""
import email
import email.policy
import json
import os
import sys

with open(sys.argv[1], 'rb') as f:
    message = email.message_from_binary_file(f, policy=email.policy.default)
out = {
    'from': str(message['From']),
    'to': str(message['To']),
    'subject': str(message['Subject']),
    'date': str(message['Date']),
    'to_name': message['To'].addresses[0].display_name if message['To'] else '',
    'to_address': message['To'].addresses[0].addr_spec if message['To'] else '',
    'from_name': message['From'].addresses[0].display_name if message['From'] else '',
    'defects': len(message.defects),
    'attachments': [],
}
body = message.get_body(preferencelist=('plain',))
out['body'] = body.get_content() if body is not None else ''
for part in message.iter_attachments():
    data = part.get_content()
    name = part.get_filename()
    path = os.path.join(sys.argv[2], name)
    with open(path, 'wb') as f:
        f.write(data)
    out['attachments'].append({'name': name, 'type': part.get_content_type(), 'size': len(data), 'path': path})
print(json.dumps(out))
