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

Calendars that hold a good event "Good news" (good.ics) beside a bad object, listed by
sync-collection and PROPFIND, read by calendar-multiget (answers streamed, so that a huge object
costs the server no memory):
  nested         beside an object "Deep" of 400,000 nested components (8 MB)
  longline       beside an object "Long" with an 8 MB line
  bigobject      beside an object of 70 MB
  nul            beside an object holding a NUL character
  many           32,770 events and nothing else
  gone404        the good event alone; once read, its ETag changes and a read of it answers 404
  nosync         the good event alone; sync-collection is refused (403), PROPFIND lists it
  slowlist       the good event alone; a listing is answered after 25 s of silence
  trickle        a listing's answer comes a byte every 5 s, without end
  part507        sync-collection answers a part (507) of 50,000 new objects and a new token,
                 without end
  sametoken      sync-collection answers a part (507) of one object and the token "again",
                 again and again
"""
import http.server
import os
import re
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



def event_text(uid, summary, inner=""):
    return ("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//hostile//EN\r\nBEGIN:VEVENT\r\n"
            f"UID:{uid}\r\nDTSTAMP:20260101T000000Z\r\nDTSTART;VALUE=DATE:20270315\r\n"
            f"SUMMARY:{summary}\r\n{inner}END:VEVENT\r\nEND:VCALENDAR\r\n")


def xml_text(text):
    return escape(text, {"\r": "&#13;"}).encode()


def big_object():
    # 70 MB, given out a megabyte at a time.
    head, tail = event_text("big", "Big", "DESCRIPTION:\x01\r\n").split("\x01")
    yield xml_text(head)
    for _ in range(70):
        yield b"a" * (1024 * 1024)
    yield xml_text(tail)


GOOD = ("good.ics", '"g1"', lambda: [xml_text(event_text("good", "Good news"))])
CALENDARS = {
    "nested": [GOOD, ("nested.ics", '"n1"', lambda: [xml_text(event_text(
        "deep", "Deep", "BEGIN:X-N\r\n" * 400000 + "END:X-N\r\n" * 400000))])],
    "longline": [GOOD, ("long.ics", '"l1"', lambda: [xml_text(event_text(
        "long", "Long", "DESCRIPTION:" + "a" * 8_000_000 + "\r\n"))])],
    "bigobject": [GOOD, ("big.ics", '"b1"', big_object)],
    "nul": [GOOD, ("nul.ics", '"z1"', lambda: [xml_text(event_text("nul", "Nul")).replace(
        b"SUMMARY:Nul", b"SUMMARY:N\x00ul")])],
    "many": [(f"m{n}.ics", f'"m{n}"', lambda n=n: [xml_text(event_text(f"m{n}", f"Many {n}"))])
             for n in range(32770)],
}
for mode in ("gone404", "nosync", "slowlist", "trickle"):
    CALENDARS[mode] = [GOOD]
READS = [0]  # multigets answered so far


def object_response(name, etag, data=None):
    head = f"<D:response><D:href>/cal/{name}</D:href>"
    if data is None:
        yield (head + "<D:status>HTTP/1.1 404 Not Found</D:status></D:response>").encode()
        return
    yield (head + f'<D:propstat><D:prop><D:getetag>{etag}</D:getetag>'
           + ("<C:calendar-data>" if data else "")).encode()
    for piece in data:
        yield piece
    yield (("</C:calendar-data>" if data else "")
           + "</D:prop><D:status>HTTP/1.1 200 OK</D:status></D:propstat></D:response>").encode()


MULTISTATUS_HEAD = (b'<?xml version="1.0" encoding="utf-8"?>\n<D:multistatus xmlns:D="DAV:" '
                    b'xmlns:C="urn:ietf:params:xml:ns:caldav">')

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
        self.body = b""
        if self.headers.get("Transfer-Encoding", "").lower() == "chunked":
            while size := int(self.rfile.readline().split(b";")[0].strip() or b"0", 16):
                self.body += self.rfile.read(size + 2)[:-2]  # the chunk and its CRLF
            while self.rfile.readline() not in (b"\r\n", b"\n", b""):
                pass  # trailer fields, up to the blank line
        else:
            self.body = self.rfile.read(int(self.headers.get("Content-Length") or 0))

    def stream(self, pieces, code=207):
        self.send_response(code)
        self.send_header("Content-Type", "application/xml; charset=utf-8")
        self.send_header("Transfer-Encoding", "chunked")
        self.end_headers()
        for piece in pieces:
            if piece:
                self.wfile.write(b"%x\r\n" % len(piece) + piece + b"\r\n")
        self.wfile.write(b"0\r\n\r\n")

    def answer_calendar(self, method):
        """The calendar modes: True where the request was theirs to answer."""
        objects = CALENDARS.get(MODE)
        listing = method == "PROPFIND" or b"sync-collection" in self.body
        if objects is None and MODE not in ("part507", "sametoken"):
            return False
        if method == "REPORT" and listing and MODE in ("part507", "sametoken"):
            part = int(re.search(rb"<D:sync-token>(\d*)", self.body).group(1) or b"0")
            token, names = (("again", ["a.ics"]) if MODE == "sametoken" else
                            (str(part + 1), (f"p{part}-{n}.ics" for n in range(50000))))
            self.stream([MULTISTATUS_HEAD, *(b for name in names
                                            for b in object_response(name, '"p"', [])),
                         b"<D:response><D:href>/cal/</D:href><D:status>HTTP/1.1 507 Insufficient "
                         b"Storage</D:status></D:response><D:sync-token>" + token.encode()
                         + b"</D:sync-token></D:multistatus>"])
        elif listing and method in ("PROPFIND", "REPORT"):
            if MODE == "nosync" and method == "REPORT":
                self.reply(403)
                return True
            if MODE == "slowlist":
                time.sleep(25)
            if MODE == "trickle":
                self.close_connection = True
                self.send_response(207)
                self.send_header("Content-Type", "application/xml; charset=utf-8")
                self.end_headers()
                while True:
                    self.wfile.write(b" ")
                    self.wfile.flush()
                    time.sleep(5)
            changed = MODE == "gone404" and READS[0] > 0
            self.stream([MULTISTATUS_HEAD,
                         *(b for name, etag, _ in objects
                           for b in object_response(name, '"g2"' if changed else etag, [])),
                         b"<D:sync-token>1</D:sync-token>" if method == "REPORT" else b"",
                         b"</D:multistatus>"])
        elif method == "REPORT":
            wanted = {h.decode().rsplit("/", 1)[-1]
                      for h in re.findall(rb"<D:href>([^<]*)</D:href>", self.body)}
            gone = MODE == "gone404" and READS[0] > 0
            READS[0] += 1
            self.stream([MULTISTATUS_HEAD,
                         *(b for name, etag, data in objects if name in wanted
                           for b in object_response(name, etag, None if gone else data())),
                         b"</D:multistatus>"])
        else:
            return False
        return True

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
        elif self.answer_calendar(method):
            pass
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
             "slow412", "part507", "sametoken") + tuple(CALENDARS)
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
