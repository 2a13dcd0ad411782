#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A small HTTP/1.1 server that misbehaves on purpose, for the sync client's end-to-end tests.

Usage: hostile_server.py MODE PORTFILE [LOGFILE]

It listens on a free loopback port, writes that port to PORTFILE (atomically, so a waiting
script never reads half a number) and serves until killed. Every request is appended to LOGFILE
as one line "METHOD PATH AUTH", AUTH being the Authorization header or "-", so a test can tell
where credentials went. The request body is always read before answering.

Modes:
  redirect:URL   every request gets 307 to URL
  ok             a tame endpoint: PUT 201 + ETag, DELETE 204, GET/HEAD 200, PROPFIND/REPORT an
                 empty 207 multistatus; stands in for the other origin behind a redirect
  silent         reads the request and never answers, holding the connection open
  endless        a success status, then a chunked body that never ends
  bigheader      PUT answers with a 150,000-byte ETag; otherwise as ok
  endlessheader  a status line, then header lines forever
  entities       PROPFIND/REPORT answer with a "billion laughs" entity bomb; otherwise as ok
  carddav-odd    REPORT answers three cards, the middle one's address-data holding an element
                 instead of text; otherwise as ok
  slow412        PUT answers 412 and HEAD 200 with an ETag, each after 3 s; otherwise as ok
"""
import http.server
import os
import sys
import threading
import time
from xml.sax.saxutils import escape

MULTISTATUS_EMPTY = b'<?xml version="1.0" encoding="utf-8"?><D:multistatus xmlns:D="DAV:"></D:multistatus>'

# Ten times the previous one, nine levels deep: a parser that expands entities would build
# roughly three gigabytes for each &lol9; it meets.
ENTITY_BOMB = ('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE D:multistatus [\n'
               '  <!ENTITY lol "lol">\n  <!ENTITY lol1 "' + "&lol;" * 10 + '">\n'
               + "".join(f'  <!ENTITY lol{i} "' + f"&lol{i - 1};" * 10 + '">\n' for i in range(2, 10))
               + ']>\n<D:multistatus xmlns:D="DAV:" xmlns:C="urn:ietf:params:xml:ns:carddav">'
               '<D:response><D:href>/book/bomb.vcf</D:href><D:propstat><D:prop>'
               '<D:displayname>&lol9;</D:displayname><D:getetag>"b"</D:getetag>'
               '<C:address-data>&lol9;</C:address-data></D:prop>'
               '<D:status>HTTP/1.1 200 OK</D:status></D:propstat></D:response></D:multistatus>').encode()


def vcard(*lines):
    # The carriage returns are written as character references: a literal CR would be folded
    # into a plain LF by any conforming XML parser, and the cards should arrive as sent.
    text = "\r\n".join(("BEGIN:VCARD", "VERSION:3.0") + lines + ("END:VCARD",)) + "\r\n"
    return escape(text, {"\r": "&#13;"})


def card_response(n, address_data):
    return (f'<D:response><D:href>/book/card-{n}.vcf</D:href><D:propstat><D:prop>'
            f'<D:getetag>"{n}"</D:getetag><C:address-data>{address_data}</C:address-data></D:prop>'
            f'<D:status>HTTP/1.1 200 OK</D:status></D:propstat></D:response>')


ODD_CARDS = ('<?xml version="1.0" encoding="utf-8"?>\n'
             '<D:multistatus xmlns:D="DAV:" xmlns:C="urn:ietf:params:xml:ns:carddav">'
             + card_response(1, vcard("UID:card-1", "FN:Ann First", "BDAY:1980-03-04"))
             + card_response(2, '<X:weird xmlns:X="urn:x">oops</X:weird>')
             + card_response(3, vcard("UID:card-3", "FN:Carl Third", "BDAY:1975-11-30",
                                      "EMAIL:carl@example.org"))
             + '</D:multistatus>').encode()

# One chunk, framed once and sent again and again, so streaming costs no memory per round.
FILLER = b"<D:response><D:href>/x</D:href></D:response>\n" * 1400
FILLER_CHUNK = b"%x\r\n" % len(FILLER) + FILLER + b"\r\n"

MODE = ""
LOG = None
LOG_LOCK = threading.Lock()


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def __getattr__(self, name):
        # BaseHTTPRequestHandler looks for do_<METHOD>; every method, PROPFIND and REPORT
        # included, goes through the same place.
        if name.startswith("do_"):
            return self.answer
        raise AttributeError(name)

    def log_message(self, format, *args):
        pass  # the log file says what the tests need; stderr stays quiet

    def read_body(self):
        if self.headers.get("Transfer-Encoding", "").lower() == "chunked":
            while size := int(self.rfile.readline().split(b";")[0].strip() or b"0", 16):
                self.rfile.read(size + 2)  # the chunk and its CRLF
            while self.rfile.readline() not in (b"\r\n", b"\n", b""):
                pass  # trailer fields, up to the blank line
        else:
            self.rfile.read(int(self.headers.get("Content-Length") or 0))

    def reply(self, code, body=b"", headers=(), content_type="application/xml"):
        self.send_response(code)
        for name, value in headers:
            self.send_header(name, value)
        if body:
            self.send_header("Content-Type", content_type + "; charset=utf-8")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        if body and self.command != "HEAD":
            self.wfile.write(body)

    def answer(self):
        try:
            self.read_body()
            if LOG:
                with LOG_LOCK:
                    LOG.write(f"{self.command} {self.path} {self.headers.get('Authorization', '-')}\n")
                    LOG.flush()
            self.answer_for_mode()
        except (BrokenPipeError, ConnectionResetError):
            self.close_connection = True

    def answer_for_mode(self):
        method = self.command
        if MODE.startswith("redirect:"):
            self.reply(307, headers=[("Location", MODE[len("redirect:"):])])
        elif MODE == "silent":
            # Hold the connection without a word until the client gives up; only then is the
            # thread let go, so a test that times out many requests leaves none behind.
            while self.connection.recv(65536):
                pass
            self.close_connection = True
        elif MODE == "endless":
            self.close_connection = True
            self.send_response(207 if method in ("PROPFIND", "REPORT") else 201 if method == "PUT" else 200)
            self.send_header("Content-Type", "application/xml; charset=utf-8")
            self.send_header("Transfer-Encoding", "chunked")
            self.end_headers()
            while True:
                self.wfile.write(FILLER_CHUNK)
        elif MODE == "endlessheader":
            self.close_connection = True
            self.wfile.write(b"HTTP/1.1 200 OK\r\n")
            n = 0
            while True:
                n += 1
                self.wfile.write(b"X-Filler-%d: %s\r\n" % (n, b"a" * 1000))
        elif MODE == "bigheader" and method == "PUT":
            self.reply(201, headers=[("ETag", '"' + "a" * 149998 + '"')])
        elif MODE == "entities" and method in ("PROPFIND", "REPORT"):
            self.reply(207, ENTITY_BOMB)
        elif MODE == "carddav-odd" and method == "REPORT":
            self.reply(207, ODD_CARDS)
        elif MODE == "slow412" and method in ("PUT", "HEAD"):
            # Refuses slowly, and answers the look that follows a refusal slowly too.
            time.sleep(3)
            if method == "PUT":
                self.reply(412)
            else:
                self.reply(200, headers=[("ETag", '"e2"')])
        else:
            self.answer_ok(method)

    def answer_ok(self, method):
        if method == "PUT":
            self.reply(201, headers=[("ETag", '"e1"')])
        elif method == "DELETE":
            self.reply(204)
        elif method in ("GET", "HEAD"):
            self.reply(200, headers=[("ETag", '"e1"')])
        elif method in ("PROPFIND", "REPORT"):
            self.reply(207, MULTISTATUS_EMPTY)
        elif method in ("MKCOL", "MKCALENDAR"):
            self.reply(201)
        else:
            self.reply(200, headers=[("DAV", "1, calendar-access, addressbook")])


class Server(http.server.ThreadingHTTPServer):
    daemon_threads = True  # a connection held open forever must not keep the process alive

    def handle_error(self, request, client_address):
        if not isinstance(sys.exc_info()[1], (BrokenPipeError, ConnectionResetError)):
            super().handle_error(request, client_address)


def main():
    global MODE, LOG
    known = ("ok", "silent", "endless", "bigheader", "endlessheader", "entities", "carddav-odd",
             "slow412")
    if len(sys.argv) not in (3, 4) or not (sys.argv[1] in known or sys.argv[1].startswith("redirect:")):
        sys.exit("usage: hostile_server.py MODE PORTFILE [LOGFILE]")
    MODE, portfile = sys.argv[1], sys.argv[2]
    if len(sys.argv) == 4:
        LOG = open(sys.argv[3], "a", encoding="utf-8")
    server = Server(("127.0.0.1", 0), Handler)
    with open(portfile + ".tmp", "w") as f:
        f.write(f"{server.server_address[1]}\n")
    os.rename(portfile + ".tmp", portfile)
    server.serve_forever()


if __name__ == "__main__":
    main()
