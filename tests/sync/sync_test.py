#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Sync end to end: sync_test.py GROUP NORVIK-CLI NORVIK-HEADLESS MODULE-DIR

server: a Radicale server started here on 127.0.0.1 at a free port, with a
configuration and storage of the test's own (no authentication), stopped at
the end; vdirsyncer, with a configuration and status of the test's own,
between it and Norvik's two folders; plain HTTP PUT, GET and DELETE play a
phone writing to the same server. Norvik's side is norvik-cli sync and
norvik-headless sessions that edit the lists as a user would.

killed: norvik-cli sync of 5,000 new events killed with SIGKILL half way,
then a sync that finishes the work without a single copy.
"""

import base64
import datetime
import os
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time
import urllib.error
import urllib.request
from xml.etree import ElementTree

import icalendar
import vobject

GROUP, CLI, HEADLESS, MODULES = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4]
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what, file=sys.stderr)


class Norvik:
    """A data directory with its two folders and a configuration of its own."""

    def __init__(self, root):
        self.root = root
        self.data = os.path.join(root, "data")
        self.cal = os.path.join(root, "vdir", "cal")
        self.card = os.path.join(root, "vdir", "card")
        for folder in (self.cal, self.card):
            os.makedirs(folder)
        shutil.copytree(MODULES, os.path.join(self.data, "Language Modules"))
        self.write("System.ini", "[config]\r\nMainFormColor=clNavy\r\nMainFormTextColor=clWhite\r\n"
                   "NotebookSize=10\r\nNotebookType=Courier New\r\nWarningMessageText=x\r\n"
                   "LastEvent=0\r\nLangID=0\r\n")
        self.env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(root, "config"))

    def write(self, name, text):
        with open(os.path.join(self.data, name), "wb") as f:
            f.write(text.encode("cp1251"))

    def lines(self, name):
        path = os.path.join(self.data, name)
        if not os.path.exists(path):
            return []
        with open(path, "rb") as f:
            return f.read().decode("cp1251").split("\r\n")[:-1]

    def cli(self, *args):
        run = subprocess.run([CLI, "-d", self.data, "sync", *args], capture_output=True,
                             env=self.env, timeout=120)
        return run.returncode, run.stdout.decode(), run.stderr.decode()

    def sync(self, *args):
        status, out, err = self.cli(*args)
        check(status == 0, "norvik-cli sync: status %d: %s%s" % (status, out, err))
        return out

    def headless(self, *lines, failing=False):
        """A session of the program: it syncs at start and after each save.
        Only a `failing` one shows a failure box."""
        text = "\n".join(("start",) + lines) + "\n"
        run = subprocess.run([HEADLESS], cwd=self.data, input=text.encode(), capture_output=True,
                             env=self.env, timeout=60)
        output = run.stdout.decode()
        check(run.returncode == 0 and "error" not in output and
              ("box 16" in output) == failing, "headless session: %s" % output)
        return output

    def stamps(self):
        found = {}
        for folder in (self.cal, self.card, self.data):
            for name in sorted(os.listdir(folder)):
                info = os.stat(os.path.join(folder, name))
                found[os.path.join(folder, name)] = (info.st_size, info.st_mtime_ns, info.st_ino)
        return found


class Server:
    """Radicale with a calendar and an address book, and what a phone does."""

    def __init__(self, root):
        self.root = root
        storage = os.path.join(root, "collections")
        for name, tag in (("calendar", "VCALENDAR"), ("contacts", "VADDRESSBOOK")):
            folder = os.path.join(storage, "collection-root", "norvik", name)
            os.makedirs(folder)
            with open(os.path.join(folder, ".Radicale.props"), "w") as f:
                f.write('{"tag": "%s"}' % tag)
        with socket.socket() as probe:
            probe.bind(("127.0.0.1", 0))
            self.port = probe.getsockname()[1]
        config = os.path.join(root, "radicale.conf")
        with open(config, "w") as f:
            f.write("[server]\nhosts = 127.0.0.1:%d\n[auth]\ntype = none\n"
                    "[rights]\ntype = authenticated\n[storage]\nfilesystem_folder = %s\n"
                    "[logging]\nlevel = warning\n" % (self.port, storage))
        self.log = open(os.path.join(root, "radicale.log"), "w")
        self.process = subprocess.Popen(["radicale", "--config", config], stdout=self.log,
                                        stderr=subprocess.STDOUT)
        self.base = "http://127.0.0.1:%d/norvik/" % self.port
        for _ in range(200):
            try:
                self.request("PROPFIND", "calendar/", headers={"Depth": "0"})
                return
            except (urllib.error.URLError, ConnectionError):
                time.sleep(0.05)
        raise RuntimeError("Radicale did not start: see " + self.log.name)

    def stop(self):
        self.process.terminate()
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()
        self.log.close()

    def request(self, method, path, body=None, headers=None):
        request = urllib.request.Request(self.base + path, data=body, method=method)
        request.add_header("Authorization", "Basic " + base64.b64encode(b"phone:x").decode())
        for key, value in (headers or {}).items():
            request.add_header(key, value)
        with urllib.request.urlopen(request, timeout=10) as response:
            return response.read()

    def put(self, path, text):
        kind = "text/vcard" if path.endswith(".vcf") else "text/calendar"
        self.request("PUT", path, text.replace("\n", "\r\n").encode(), {"Content-Type": kind})

    def get(self, path):
        return self.request("GET", path).decode()

    def delete(self, path):
        self.request("DELETE", path)

    def items(self, collection):
        """The items of a collection by name, as the phone would read them."""
        body = b'<?xml version="1.0"?><propfind xmlns="DAV:"><prop><getetag/></prop></propfind>'
        listing = ElementTree.fromstring(self.request(
            "PROPFIND", collection + "/", body, {"Depth": "1", "Content-Type": "application/xml"}))
        names = []
        for response in listing.findall("{DAV:}response"):
            href = response.find("{DAV:}href").text
            if not href.endswith("/"):
                names.append(href.rsplit("/", 1)[1])
        return {name: self.get(collection + "/" + name) for name in names}


def vdirsyncer_config(root, norvik, server):
    status = os.path.join(root, "vdirsyncer-status")
    path = os.path.join(root, "vdirsyncer.conf")
    with open(path, "w") as f:
        f.write('[general]\nstatus_path = "%s/"\n' % status)
        for pair, folder, collection, kind, ext in (
                ("cal", norvik.cal, "calendar", "caldav", ".ics"),
                ("card", norvik.card, "contacts", "carddav", ".vcf")):
            f.write('[pair %s]\na = "%s_local"\nb = "%s_server"\ncollections = null\n'
                    'conflict_resolution = "b wins"\n' % (pair, pair, pair))
            f.write('[storage %s_local]\ntype = "filesystem"\npath = "%s/"\nfileext = "%s"\n'
                    % (pair, folder, ext))
            f.write('[storage %s_server]\ntype = "%s"\nurl = "%s%s/"\nusername = "norvik"\n'
                    'password = "x"\n' % (pair, kind, server.base, collection))
    return path


def summaries(items):
    found = []
    for text in items.values():
        for component in icalendar.Calendar.from_ical(text).walk():
            if component.name in ("VEVENT", "VTODO"):
                found.append(str(component.get("SUMMARY")))
    return sorted(found)


def cards(items):
    return {vobject.readOne(text).fn.value: vobject.readOne(text) for text in items.values()}


def line_of(day, time_of_day, text):
    return "%s %s >>> %s" % (day.strftime("%d.%m.%Y"), time_of_day, text)


def server_group(root):
    norvik = Norvik(os.path.join(root, "norvik"))
    server = Server(os.path.join(root, "server"))
    try:
        run_server_cases(root, norvik, server)
    finally:
        server.stop()


def run_server_cases(root, norvik, server):
    config = vdirsyncer_config(root, norvik, server)

    def vdirsyncer(*args):
        run = subprocess.run(["vdirsyncer", "-c", config, *args], capture_output=True,
                             input=b"", timeout=120)
        check(run.returncode == 0, "vdirsyncer %s: %s" % (args, run.stderr.decode()))

    def round_trip():
        """The phone's changes to Norvik and Norvik's to the server."""
        vdirsyncer("sync")
        out = norvik.sync()
        vdirsyncer("sync")
        return out

    vdirsyncer("discover")
    today = datetime.date.today()
    soon = today + datetime.timedelta(days=10)

    # Created on both sides, events and contacts.
    norvik.write("do.txt", line_of(soon, "10:00:00", "Dentist") + "\r\n")
    norvik.write("telephone.txt", "Иван Петров >>> , моб. тел.: +7 900 111-22-33\r\n")
    server.put("calendar/p1.ics", "BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:-//Phone//EN\n"
               "BEGIN:VEVENT\nUID:p1\nDTSTAMP:20260101T000000Z\nDTSTART:%s\nSUMMARY:Phone meeting\n"
               "END:VEVENT\nEND:VCALENDAR\n" % soon.strftime("%Y%m%dT060000Z"))
    server.put("contacts/c1.vcf", "BEGIN:VCARD\nVERSION:3.0\nUID:c1\nFN:Anna Example\n"
               "N:Example;Anna;;;\nTEL;TYPE=CELL:+7 900 222-33-44\nEMAIL:anna@example.org\n"
               "END:VCARD\n")
    norvik.sync("--events", norvik.cal, "--contacts", "../vdir/card")
    round_trip()
    check(summaries(server.items("calendar")) == ["Dentist", "Phone meeting"],
          "both events on the server: %s" % summaries(server.items("calendar")))
    check(norvik.lines("do.txt") == [line_of(soon, "10:00:00", "Dentist"),
                                     line_of(soon, "09:00:00", "Phone meeting")],
          "both events in do.txt: %s" % norvik.lines("do.txt"))
    check(sorted(cards(server.items("contacts"))) == ["Anna Example", "Иван Петров"],
          "both cards on the server")
    check(norvik.lines("telephone.txt") == ["Иван Петров >>> , моб. тел.: +7 900 111-22-33",
                                            "Anna Example >>> , моб. тел.: +7 900 222-33-44"],
          "both records in telephone.txt: %s" % norvik.lines("telephone.txt"))

    # Changed on both sides: each side's change reaches the other; the
    # card keeps its e-mail address and its number's type.
    norvik.headless("focus ListBox1 0", "click Button10",
                    'set Edit1 "%s"' % line_of(soon, "10:00:00", "Dentist, moved"), "click Button1",
                    "focus ListBox2 1", "click Button6",
                    'set Edit1 "Anna Example >>> , моб. тел.: +7 900 999-88-77"', "click Button1")
    phone = server.get("calendar/p1.ics").replace("Phone meeting", "Phone meeting\\, later")
    server.put("calendar/p1.ics", phone)
    round_trip()
    check(summaries(server.items("calendar")) == ["Dentist, moved", "Phone meeting, later"],
          "changes on the server: %s" % summaries(server.items("calendar")))
    check(norvik.lines("do.txt")[1] == line_of(soon, "09:00:00", "Phone meeting, later"),
          "the phone's change in place: %s" % norvik.lines("do.txt"))
    anna = server.get("contacts/c1.vcf")
    check("EMAIL:anna@example.org" in anna and "TEL;TYPE=CELL:+7 900 999-88-77" in anna,
          "the card changed in place: %s" % anna)

    # Removed on both sides.
    norvik.headless("select ListBox1 1", "click Button4", "yes")
    ivan = [name for name, card in server.items("contacts").items() if "Иван" in card][0]
    server.delete("contacts/" + ivan)
    round_trip()
    check("p1.ics" not in server.items("calendar"), "the event removed in Norvik left the server")
    check(norvik.lines("telephone.txt") == ["Anna Example >>> , моб. тел.: +7 900 999-88-77"],
          "the card removed on the phone left telephone.txt: %s" % norvik.lines("telephone.txt"))

    # Changed on both sides since the last sync: both versions kept. Norvik
    # changes its line while it cannot reach its folder, so that the change
    # meets the phone's at its next sync.
    dentist = [name for name, text in server.items("calendar").items() if "Dentist" in text][0]
    server.put("calendar/" + dentist,
               server.get("calendar/" + dentist).replace("Dentist\\, moved", "Dentist B"))
    vdirsyncer("sync")
    os.rename(norvik.cal, norvik.cal + ".away")
    output = norvik.headless("focus ListBox1 0", "click Button10",
                             'set Edit1 "%s"' % line_of(soon, "10:00:00", "Dentist A"),
                             "click Button1", failing=True)
    check("Cannot sync with the folder" in output, "the folder away is reported: %s" % output)
    os.rename(norvik.cal + ".away", norvik.cal)
    out = round_trip()
    check("1 conflicts kept" in out, "the conflict is counted: %s" % out)
    check(summaries(server.items("calendar")) == ["Dentist A", "Dentist B"],
          "both versions on the server: %s" % summaries(server.items("calendar")))
    check(sorted(norvik.lines("do.txt")) == sorted([line_of(soon, "10:00:00", "Dentist A"),
                                                    line_of(soon, "10:00:00", "Dentist B")]),
          "both versions in do.txt: %s" % norvik.lines("do.txt"))

    # A weekly series with an EXDATE and a moved occurrence; in Norvik one
    # occurrence is deleted and another edited.
    monday = today + datetime.timedelta(days=7 - today.weekday())
    week = [monday + datetime.timedelta(weeks=i) for i in range(6)]
    utc = lambda day: day.strftime("%Y%m%dT060000Z")
    server.put("calendar/weekly.ics", "BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:-//Phone//EN\n"
               "BEGIN:VEVENT\nUID:weekly\nDTSTAMP:20260101T000000Z\nDTSTART:%s\n"
               "RRULE:FREQ=WEEKLY;COUNT=6\nEXDATE:%s\nSUMMARY:Standup\nEND:VEVENT\n"
               "BEGIN:VEVENT\nUID:weekly\nDTSTAMP:20260101T000000Z\nRECURRENCE-ID:%s\n"
               "DTSTART:%s\nSUMMARY:Standup moved\nEND:VEVENT\nEND:VCALENDAR\n"
               % (utc(week[0]), utc(week[1]), utc(week[2]),
                  utc(week[2] + datetime.timedelta(days=1))))
    round_trip()
    lines = norvik.lines("do.txt")
    series = [line for line in lines if "Standup" in line]
    check(series == [line_of(week[0], "09:00:00", "Standup"),
                     line_of(week[2] + datetime.timedelta(days=1), "09:00:00", "Standup moved"),
                     line_of(week[3], "09:00:00", "Standup"), line_of(week[4], "09:00:00", "Standup"),
                     line_of(week[5], "09:00:00", "Standup")],
          "the series as lines: %s" % series)
    fourth = lines.index(line_of(week[3], "09:00:00", "Standup"))
    fifth = lines.index(line_of(week[4], "09:00:00", "Standup"))
    norvik.headless("select ListBox1 %d" % fourth, "click Button4", "yes",
                    "focus ListBox1 %d" % (fifth - 1), "click Button10",
                    'set Edit1 "%s"' % line_of(week[4], "09:00:00", "Standup, demo"),
                    "click Button1")
    round_trip()
    weekly = icalendar.Calendar.from_ical(server.get("calendar/weekly.ics"))
    events = [c for c in weekly.walk() if c.name == "VEVENT"]
    master = [e for e in events if e.get("RECURRENCE-ID") is None]
    check(len(master) == 1 and master[0].get("RRULE") is not None, "still one series")
    excluded = set()
    for exdate in (master[0].get("EXDATE") if master else None) or []:
        for value in (exdate if isinstance(exdate, list) else [exdate]):
            excluded.update(d.dt.date() for d in value.dts)
    check(excluded == {week[1], week[3]}, "the deleted occurrence excluded: %s" % excluded)
    moved = {e.get("RECURRENCE-ID").dt.date(): str(e.get("SUMMARY")) for e in events
             if e.get("RECURRENCE-ID") is not None}
    check(moved == {week[2]: "Standup moved", week[4]: "Standup, demo"},
          "overrides: %s" % moved)
    check(len([n for n in server.items("calendar") if "weekly" in n]) == 1,
          "the series stays one item")

    # An event with a place, an end and an attendee moved in Norvik: all three
    # kept, the end moved with the start.
    server.put("calendar/trip.ics", "BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:-//Phone//EN\n"
               "BEGIN:VEVENT\nUID:trip\nDTSTAMP:20260101T000000Z\nDTSTART:%s\nDTEND:%s\n"
               "SUMMARY:Trip\nLOCATION:Central station\n"
               "ATTENDEE;CN=Anna Example:mailto:anna@example.org\nEND:VEVENT\nEND:VCALENDAR\n"
               % (soon.strftime("%Y%m%dT070000Z"), soon.strftime("%Y%m%dT083000Z")))
    round_trip()
    trip = norvik.lines("do.txt").index(line_of(soon, "10:00:00", "Trip"))
    norvik.headless("focus ListBox1 %d" % trip, "click Button10",
                    'set Edit1 "%s"' % line_of(soon, "12:00:00", "Trip"), "click Button1")
    round_trip()
    event = [c for c in icalendar.Calendar.from_ical(server.get("calendar/trip.ics")).walk()
             if c.name == "VEVENT"][0]
    check(str(event.get("LOCATION")) == "Central station", "the place kept")
    check("anna@example.org" in str(event.get("ATTENDEE")), "the attendee kept")
    start, end = event.get("DTSTART").dt, event.get("DTEND").dt
    check(start.hour == 9 and end - start == datetime.timedelta(hours=1, minutes=30),
          "the start moved and the end with it: %s - %s" % (start, end))

    # A task is left alone.
    task = ("BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:-//Phone//EN\nBEGIN:VTODO\nUID:task\n"
            "DTSTAMP:20260101T000000Z\nSUMMARY:Buy paint\nEND:VTODO\nEND:VCALENDAR\n")
    server.put("calendar/task.ics", task)
    as_put = server.get("calendar/task.ics")
    out = round_trip()
    check("skipped task.ics" in out, "the task named as skipped: %s" % out)
    check(server.get("calendar/task.ics") == as_put, "the task untouched")
    check(not any("Buy paint" in line for line in norvik.lines("do.txt")), "no line for a task")

    # A second sync writes nothing, on either side.
    norvik.sync()
    before = norvik.stamps()
    out = norvik.sync()
    after = norvik.stamps()
    check(after == before, "a second sync wrote: %s" % [
        name for name in set(before) | set(after) if before.get(name) != after.get(name)])
    check("0 sent, 0 received, 0 changed there, 0 changed here, 0 removed there, "
          "0 removed here, 0 conflicts kept" in out, "a second sync did something: %s" % out)

    # An emptied folder is refused and removes nothing.
    events_before = norvik.lines("do.txt")
    for name in os.listdir(norvik.cal):
        os.remove(os.path.join(norvik.cal, name))
    status, out, err = norvik.cli()
    check(status == 2 and "none of the" in err, "an emptied folder refused: %d %s" % (status, err))
    check(norvik.lines("do.txt") == events_before, "nothing removed for an emptied folder")


def killed_group(root):
    norvik = Norvik(root)
    count = 5000
    norvik.write("do.txt", "".join("%02d.01.2030 %02d:%02d:%02d >>> Event %d\r\n"
                                   % (1 + i % 28, i // 3600, i // 60 % 60, i % 60, i)
                                   for i in range(count)))
    os.makedirs(os.path.join(root, "config", "norvik"))
    with open(os.path.join(root, "config", "norvik", "sync-folders"), "w") as f:
        f.write("[%s]\nevents=%s\n" % (os.path.realpath(norvik.data), norvik.cal))
    process = subprocess.Popen([CLI, "-d", norvik.data, "sync"], stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, env=norvik.env)
    written = 0
    deadline = time.monotonic() + 60
    while process.poll() is None and time.monotonic() < deadline:
        written = len(os.listdir(norvik.cal))
        if written >= count // 3:
            os.kill(process.pid, signal.SIGKILL)
            break
        time.sleep(0.01)
    process.wait()
    check(0 < written < count, "the sync was killed half way (%d items)" % written)
    out = norvik.sync()
    items = [name for name in os.listdir(norvik.cal) if name.endswith(".ics")]
    check(len(items) == count, "%d items after the converging sync, not %d" % (len(items), count))
    texts = []
    for name in items:
        with open(os.path.join(norvik.cal, name), encoding="utf-8", newline="") as f:
            texts += [line[8:] for line in f.read().split("\r\n") if line.startswith("SUMMARY:")]
    check(sorted(texts) == sorted("Event %d" % i for i in range(count)),
          "every line has its one item, and only one")
    check(len(norvik.lines("do.txt")) == count, "the list kept its lines")
    before = norvik.stamps()
    out = norvik.sync()
    check("0 sent" in out and norvik.stamps() == before, "nothing left to do: %s" % out)

    # While the program runs there, it syncs by itself: the command refuses.
    program = subprocess.Popen([HEADLESS], cwd=norvik.data, stdin=subprocess.PIPE,
                               stdout=subprocess.PIPE, env=norvik.env)
    program.stdin.write(b"start\n")
    program.stdin.flush()
    check(program.stdout.readline() == b"shown TForm1\n", "the program started")
    status, out, err = norvik.cli()
    check(status == 3 and "running" in err, "refused while the program runs: %d %s" % (status, err))
    program.stdin.close()
    program.wait(30)


def main():
    root = tempfile.mkdtemp(prefix="norvik-sync-")
    try:
        {"server": server_group, "killed": killed_group}[GROUP](root)
    finally:
        if failures:
            print("kept for inspection:", root, file=sys.stderr)
        else:
            shutil.rmtree(root, ignore_errors=True)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
