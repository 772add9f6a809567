#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""norvik-cli end to end: cli_test.py GROUP NORVIK-CLI NORVIK-HEADLESS MODULE-DIR

Each group runs in fresh temporary data directories. Exported files are read
back with parsers that share no code with the program (python3-icalendar,
python3-vobject)."""

import datetime
import fcntl
import os
import pty
import resource
import subprocess
import sys
import time

import icalendar
import vobject
from cli_support import check, cli, data_dir, finish, read, use, write

CLI, HEADLESS, MODULES = sys.argv[2], sys.argv[3], sys.argv[4]
use(CLI, MODULES)
FILES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "files")
SANITIZED = os.environ.get("NORVIK_SANITIZED") == "1"


def crlf(*lines):
    return "".join(line + "\r\n" for line in lines)


def group_events():
    lines = ["10.03.2026 09:00:00 >>> Второе", "garbage line", "01.03.2026 18:30:00 >>> Первое",
             "5.3.2026 7:05 >>> loose form", "10.03.2026 09:00:00 >>> Second at the same time"]
    folder = data_dir({"do.txt": crlf(*lines)})
    status, out, err = cli(folder, "list")
    check(status == 0, "list exits 0")
    check(out.splitlines() == [lines[2], lines[3], lines[0], lines[4]],
          "list in time order, equal times in file order: %r" % out)
    check("do.txt:2:" in err and "do.txt:1:" not in err, "list names the unreadable line: " + err)
    status, out, err = cli(folder, "list", "--from", "05.03.2026", "--to", "10.03.2026")
    check(out.splitlines() == [lines[3], lines[0], lines[4]], "list limited to days: %r" % out)
    check("do.txt:2:" in err and "do.txt:1:" not in err, "a list of days names it too: " + err)

    status, out, _ = cli(folder, "add", "7.12.2026 9:30", "Купить хлеб; молоко")
    check(status == 0 and out == "07.12.2026 09:30:00 >>> Купить хлеб; молоко\n",
          "add canonicalises the date: %r" % out)
    check(read(folder, "do.txt") == crlf(*lines, "07.12.2026 09:30:00 >>> Купить хлеб; молоко"),
          "add appends one 1251 line")
    status, out, _ = cli(folder, "add", "7.12.2026 10:15 PM", "Late")
    check(out.startswith("07.12.2026 22:15:00 >>> Late"), "add reads 12-hour times: " + out)
    before = read(folder, "do.txt")
    for args, wanted, what in [
            (["add", "31.02.2026 10:00", "x"], 2, "an impossible date"),
            (["add", "07.12.2026 10:00 later", "x"], 2, "a date text with more after it"),
            (["add", "07.12.2026", "\u2713 done"], 2, "a character 1251 cannot hold"),
            (["add", "07.12.2026"], 1, "a missing argument"),
            (["export", "pdf"], 1, "an unknown format"),
            (["list", "--from", "yesterday"], 2, "an unreadable --from"),
            (["frobnicate"], 1, "an unknown command")]:
        status, _, err = cli(folder, *args)
        check(status == wanted and err.startswith("norvik-cli: "),
              "%s gives status %d with a message (got %d: %s)" % (what, wanted, status, err))
    check(read(folder, "do.txt") == before, "refused commands write nothing")
    status, out, _ = cli(folder, "--help")
    check(status == 0 and all(w in out for w in ["list", "add", "export ics", "import ics",
                                                 "export vcf", "import vcf", "Exit status"]),
          "--help describes every command")
    status, _, err = cli(os.path.join(folder, "nowhere"), "list")
    check(status == 2, "a missing data directory is refused: %d" % status)
    # A data file that cannot be read: status 4, and the folder stays as it was.
    blocked = data_dir()
    os.mkdir(os.path.join(blocked, "do.txt"))
    status, _, err = cli(blocked, "add", "07.12.2026 10:00", "x")
    check(status == 4 and "do.txt" in err, "an unreadable do.txt gives status 4: %d %s" % (status, err))
    status, _, err = cli(blocked, "list", "--from", "07.12.2026")
    check(status == 4 and "do.txt" in err, "a list of days fails alike: %d %s" % (status, err))


def parse_ics(data):
    calendar = icalendar.Calendar.from_ical(data)
    return calendar, [c for c in calendar.walk("VEVENT")]


def group_ics_export():
    long_text = "Длинное событие, с запятой; точкой с запятой и обратной \\ чертой — " * 3
    lines = ["07.12.2026 09:30:00 >>> " + long_text.strip(),
             "01.07.2026 23:59:59 >>> Summer, Moscow",
             "not a date",
             "07.12.2026 09:30:00 >>> Twice",
             "07.12.2026 09:30:00 >>> Twice"]
    folder = data_dir({"do.txt": crlf(*lines)})
    out_file = os.path.join(folder, "out.ics")
    status, _, err = cli(folder, "export", "ics", out_file)
    check(status == 0, "export ics exits 0 despite an unreadable line")
    check("do.txt:3:" in err, "export names the unreadable line: " + err)
    data = open(out_file, "rb").read()
    physical = data.split(b"\r\n")
    check(physical[-1] == b"" and b"\n" not in data.replace(b"\r\n", b""), "CR LF line ends")
    check(max(len(p) for p in physical) <= 75, "lines folded at 75 octets")
    check(any(p.startswith(b" ") for p in physical), "the long summary is folded")
    for p in physical:
        p.decode("utf-8")  # a fold never splits a character
    calendar, events = parse_ics(data)
    check(str(calendar["VERSION"]) == "2.0" and "PRODID" in calendar, "VERSION and PRODID")
    check(len(events) == 4, "one VEVENT per readable line: %d" % len(events))
    check([str(e["SUMMARY"]) for e in events] ==
          [long_text.strip(), "Summer, Moscow", "Twice", "Twice"], "summaries survive")
    moscow = datetime.timezone(datetime.timedelta(hours=3))
    starts = [e.decoded("DTSTART") for e in events]
    check(starts[0] == datetime.datetime(2026, 12, 7, 9, 30, tzinfo=moscow)
          and starts[1] == datetime.datetime(2026, 7, 1, 23, 59, 59, tzinfo=moscow),
          "DTSTART is the local time in the system zone: %r" % starts[:2])
    check(all(e["DTSTART"].params.get("TZID") == "Europe/Moscow" for e in events),
          "DTSTART names the zone")
    zones = [c for c in calendar.walk("VTIMEZONE")]
    check(len(zones) == 1 and str(zones[0]["TZID"]) == "Europe/Moscow", "one VTIMEZONE")
    uids = [str(e["UID"]) for e in events]
    check(len(set(uids)) == 4, "identical lines get different UIDs")
    check(all("DTSTAMP" in e for e in events), "every event has a DTSTAMP")
    alarms = [e.walk("VALARM") for e in events]
    check(all(len(a) == 1 and str(a[0]["ACTION"]) == "DISPLAY"
              and a[0].decoded("TRIGGER") == datetime.timedelta(0) for a in alarms),
          "a display reminder at the start")
    # The same lines keep their UIDs, also when lines are added before them.
    write(folder, "do.txt", crlf("01.01.2026 00:00:00 >>> New", *lines))
    status, out, _ = cli(folder, "export", "ics", "-")
    check(status == 0, "export to standard output")
    again = [str(e["UID"]) for e in parse_ics(out.encode("utf-8"))[1]]
    check(again[1:] == uids, "UIDs stay the same across exports")
    # The other parser agrees on the text and the time.
    parsed = vobject.readOne(data.decode("utf-8"))
    check(parsed.vevent_list[0].summary.value == long_text.strip()
          and parsed.vevent_list[0].dtstart.value.utcoffset() == datetime.timedelta(hours=3),
          "vobject reads the same summary and offset")


IMPORT_ICS = """BEGIN:VCALENDAR
VERSION:2.0
PRODID:-//Test//Test//EN
BEGIN:VTIMEZONE
TZID:Custom Zone
BEGIN:STANDARD
DTSTART:19700101T000000
TZOFFSETFROM:+0500
TZOFFSETTO:+0500
END:STANDARD
END:VTIMEZONE
BEGIN:VEVENT
UID:utc
DTSTART:20260301T060000Z
SUMMARY:В UTC
END:VEVENT
BEGIN:VEVENT
UID:tzid-defined
DTSTART;TZID=Custom Zone:20260302T120000
SUMMARY:Custom zone
END:VEVENT
BEGIN:VEVENT
UID:tzid-iana
DTSTART;TZID=America/New_York:20260715T080000
SUMMARY:New York\\, summer
END:VEVENT
BEGIN:VEVENT
UID:floating
DTSTART:20260303T101500
SUMMARY:Floating
END:VEVENT
BEGIN:VEVENT
UID:all-day
DTSTART;VALUE=DATE:20260304
SUMMARY:All day\\nsecond line
END:VEVENT
BEGIN:VEVENT
UID:weekly
DTSTART;TZID=Europe/Berlin:20260105T090000
RRULE:FREQ=WEEKLY;COUNT=5
EXDATE;TZID=Europe/Berlin:20260112T090000
SUMMARY:Weekly \u2713
END:VEVENT
BEGIN:VEVENT
UID:no-start
SUMMARY:No start
END:VEVENT
BEGIN:VEVENT
UID:bad-start
DTSTART:tomorrow
SUMMARY:Bad start
END:VEVENT
END:VCALENDAR
""".replace("\n", "\r\n")


def group_ics_import():
    folder = data_dir({"do.txt": crlf("03.03.2026 10:15:00 >>> Floating")})
    source = os.path.join(folder, "in.ics")
    with open(source, "w", encoding="utf-8", newline="") as f:
        f.write(IMPORT_ICS)
    status, out, err = cli(folder, "import", "ics", source, "--from", "01.01.2026", "--to",
                           "25.01.2026")
    check(status == 0, "import ics exits 0: " + err)
    expected = ["03.03.2026 10:15:00 >>> Floating",
                "01.03.2026 09:00:00 >>> В UTC",
                "02.03.2026 10:00:00 >>> Custom zone",
                "15.07.2026 15:00:00 >>> New York, summer",
                "04.03.2026 00:00:00 >>> All day second line",
                "05.01.2026 11:00:00 >>> Weekly ?",
                "19.01.2026 11:00:00 >>> Weekly ?"]
    check(read(folder, "do.txt") == crlf(*expected),
          "UTC, TZID, floating, all-day and a weekly rule come in at local time: %r"
          % read(folder, "do.txt"))
    check("6 added, 1 skipped" in out and "2 unreadable" in out, "counts reported: " + out)
    check("1 character" in out, "replaced characters counted: " + out)
    status, out, _ = cli(folder, "import", "ics", source, "--from", "01.01.2026", "--to",
                         "25.01.2026")
    check(status == 0 and out.startswith("0 added, 7 skipped"), "a second import adds nothing")
    before = read(folder, "do.txt")
    for text, what, line in [
            (IMPORT_ICS.replace("SUMMARY:Floating", "SUMMARY Floating"), "a line without a colon", 30),
            (IMPORT_ICS.replace("END:VEVENT\r\nEND:VCALENDAR", "END:VCALENDAR"), "a VEVENT left open", 52),
            ("hello\r\n", "no calendar at all", 1)]:
        with open(source, "w", encoding="utf-8", newline="") as f:
            f.write(text)
        status, _, err = cli(folder, "import", "ics", source)
        check(status == 2 and ("%s:%d:" % (source, line)) in err,
              "%s is bad input naming the file and line (%d: %s)" % (what, status, err))
    with open(source, "w", encoding="utf-8", newline="") as f:
        f.write(IMPORT_ICS.replace("America/New_York", "Atlantis/Capital"))
    status, _, err = cli(folder, "import", "ics", source)
    check(status == 2 and "Atlantis/Capital" in err, "an unknown zone is bad input: " + err)
    check(read(folder, "do.txt") == before, "bad input writes nothing")


def group_round_trip():
    lines = ["07.12.2026 09:30:00 >>> Купить хлеб, молоко; сыр \\ «ёлка» \u2116 7 \udc98",
             "29.02.2028 00:00:00 >>> " + "Очень длинный текст события " * 5,
             "01.01.1999 23:59:59 >>> Past",
             "07.12.2026 09:30:00 >>> Twice",
             "07.12.2026 09:30:00 >>> Twice",
             "31.10.2027 02:30:00 >>> "]
    source = data_dir({"do.txt": crlf(*lines)})
    status, ics, _ = cli(source, "export", "ics")
    target = data_dir()
    status, out, err = cli(target, "import", "ics", "-", stdin=ics.encode("utf-8"))
    check(status == 0 and out.startswith("6 added"), "round trip import: " + out + err)
    check(read(target, "do.txt") == read(source, "do.txt"), "events survive the round trip")

    # Phone lines made by the add dialog itself, in both languages.
    fields = {"CheckBox5": ("Edit6", "Россия"), "CheckBox1": ("Edit2", "123456"),
              "CheckBox7": ("Edit7", "Московская"), "CheckBox16": ("Edit8", "Москва"),
              "CheckBox8": ("Edit9", "Тверская, угол"), "CheckBox9": ("Edit10", "7"),
              "CheckBox6": ("Edit12", "2"), "CheckBox12": ("Edit14", "1"),
              "CheckBox10": ("Edit11", "15"), "CheckBox2": ("Edit3", "+7 900 000-00-00"),
              "CheckBox3": ("Edit4", "+7 495 000-00-00"), "CheckBox4": ("Edit5", "+7 495 000-00-01")}
    records = [("Иван Петров", list(fields)), ("Only Name", []),
               ("City And Phone", ["CheckBox16", "CheckBox2"]),
               ("Flat Without Street", ["CheckBox10", "CheckBox3", "CheckBox5"]),
               ("Region Only", ["CheckBox7", "CheckBox4"])]
    for lang_id in (0, 1):
        folder = data_dir(lang_id=lang_id)
        script = ["start"]
        for name, boxes in records:
            script += ["click Button5", 'set Edit1 "%s"' % name]
            for box in boxes:
                edit, value = fields[box]
                script += ["click " + box, 'set %s "%s"' % (edit, value)]
            script.append("click Button1")
        subprocess.run([HEADLESS], input=("\n".join(script) + "\n").encode("utf-8"), cwd=folder,
                       capture_output=True, timeout=60)
        phones = read(folder, "telephone.txt")
        hand_edited = "Hand >>> call after 6; ask for the \\ desk"
        write(folder, "telephone.txt", phones + hand_edited + "\r\n")
        check(phones is not None and len(phones.splitlines()) == len(records),
              "the add dialog made the phone lines")
        status, vcf, _ = cli(folder, "export", "vcf")
        check(status == 0, "export vcf exits 0")
        cards = list(vobject.readComponents(vcf))
        check([c.fn.value for c in cards] == [r[0] for r in records] + ["Hand"], "FN per line")
        check(all(c.n.value.family == c.fn.value for c in cards), "N holds the name as family name")
        full = cards[0]
        adr = full.adr.value
        check((adr.city, adr.region, adr.code, adr.country) ==
              ("Москва", "Московская", "123456", "Россия"),
              "ADR parts: %r" % ((adr.city, adr.region, adr.code, adr.country),))
        check(adr.street.startswith("Тверская, угол") and "15" in adr.street, "street with the flat")
        tels = {tuple(t.params.get("TYPE", [])): t.value for t in full.tel_list}
        check(tels == {("CELL",): "+7 900 000-00-00", ("VOICE",): "+7 495 000-00-00",
                       ("FAX",): "+7 495 000-00-01"}, "TEL types: %r" % tels)
        check(not any(hasattr(c, "note") for c in cards[:-1]), "dialog-made lines need no NOTE")
        region_only = cards[4].adr.value
        check((region_only.city, region_only.region) == ("", "Московская"),
              "a region alone is read as the region")
        check(cards[-1].note.value == "call after 6; ask for the \\ desk",
              "a hand-written rest goes whole into NOTE")
        target = data_dir(lang_id=lang_id)
        status, out, _ = cli(target, "import", "vcf", "-", stdin=vcf.encode("utf-8"))
        check(status == 0 and read(target, "telephone.txt") == read(folder, "telephone.txt"),
              "phone lines survive the round trip (LangID %d): %r" % (lang_id, out))
        status, out, _ = cli(target, "import", "vcf", "-", stdin=vcf.encode("utf-8"))
        check(out.startswith("0 added, %d skipped" % (len(records) + 1)), "duplicates skipped")


def group_vcf_import():
    folder = data_dir(lang_id=1)
    vcf = ("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Анна Смирнова\r\n"
           "item1.TEL;TYPE=cell,pref:+1 555 0100\r\nTEL;TYPE=HOME:+1 555 0101\r\n"
           "TEL;TYPE=WORK:+1 555 0102\r\nADR;TYPE=HOME:;;1 Main St;Springf\r\n ield;;12345;\r\n"
           "END:VCARD\r\nBEGIN:VCARD\r\nVERSION:2.1\r\nN:Doe;Jane\r\nTEL;CELL:555\r\n"
           "END:VCARD\r\nBEGIN:VCARD\r\nVERSION:3.0\r\nTEL:1\r\nEND:VCARD\r\n")
    status, out, err = cli(folder, "import", "vcf", "-", stdin=vcf.encode("utf-8"))
    check(read(folder, "telephone.txt") == crlf(
        "Анна Смирнова >>> , postcode 12345, Springfield, street: 1 Main St, mobile: +1 555 0100"
        ", phone: +1 555 0101, +1 555 0102", "Jane Doe >>> , mobile: 555"),
        "cards become lines as the add dialog builds them: %r" % read(folder, "telephone.txt"))
    check(status == 0 and "2 added, 0 skipped (already there), 1 unreadable" in out,
          "a card without a name is unreadable: " + out + err)
    status, _, err = cli(folder, "import", "vcf", "-",
                         stdin=b"BEGIN:VCARD\r\nFN:x\r\nBEGIN:VCARD\r\n")
    check(status == 2 and "-:3:" in err, "a malformed vCard names the line: " + err)


def group_lock():
    folder = data_dir({"do.txt": crlf("07.12.2026 09:30:00 >>> Kept")}, lang_id=0)
    # A copy of the program running in the folder holds the lock until its input ends.
    program = subprocess.Popen([HEADLESS], cwd=folder, stdin=subprocess.PIPE,
                               stdout=subprocess.PIPE)
    try:
        program.stdin.write(b"start\n")
        program.stdin.flush()
        check(program.stdout.readline().startswith(b"shown TForm1"), "the program started")
        ics = os.path.join(folder, "in.ics")
        with open(ics, "w", newline="") as f:
            f.write(IMPORT_ICS)
        for args in (["add", "08.12.2026 10:00", "x"], ["import", "ics", ics],
                     ["import", "vcf", "-"]):
            status, _, err = cli(folder, *args, stdin=b"BEGIN:VCARD\r\nFN:x\r\nEND:VCARD\r\n")
            check(status == 3 and "running" in err, "%s refused while Norvik runs: %d %s"
                  % (args[0], status, err))
        status, out, _ = cli(folder, "list")
        check(status == 0 and "Kept" in out, "reading still works while Norvik runs")
        check(read(folder, "do.txt") == crlf("07.12.2026 09:30:00 >>> Kept"), "nothing written")
        check(read(folder, "telephone.txt") == "", "the phone book untouched")
    finally:
        program.stdin.close()
        program.wait(timeout=30)
    # Any holder of the lock counts, and the lock goes with it.
    with open(os.path.join(folder, ".norvik.lock"), "a") as holder:
        fcntl.flock(holder, fcntl.LOCK_EX)
        status, _, _ = cli(folder, "add", "08.12.2026 10:00", "x")
        check(status == 3, "refused while any process holds the lock")
    status, _, _ = cli(folder, "add", "08.12.2026 10:00", "x")
    check(status == 0, "accepted once the lock is free")



# The files in files/ are shaped like other programs' exports (see the README
# there); the lines are what those programs show, at Berlin time.
ICS_FILES = {
    "google-calendar.ics": ["05.01.2026 10:00:00 >>> Team sync",
                            "13.01.2026 15:00:00 >>> Team sync (moved to Tuesday)",
                            "19.01.2026 10:00:00 >>> Team sync",
                            "09.02.2026 10:00:00 >>> Team sync",
                            "14.02.2026 00:00:00 >>> Anniversary",
                            "20.03.2026 18:00:00 >>> Quarterly review, Q1"],
    "outlook.ics": ["02.03.2026 09:00:00 >>> Planning",
                    "09.03.2026 11:30:00 >>> Planning (late)",
                    "23.03.2026 09:00:00 >>> Planning",
                    "30.03.2026 09:00:00 >>> Planning",
                    "29.03.2026 03:30:00 >>> Звонок в Москву"],
    "apple-calendar.ics": ["07.03.2026 08:30:00 >>> Feed the cat",
                           "08.03.2026 08:30:00 >>> Feed the cat",
                           "09.03.2026 07:30:00 >>> Feed the cat",
                           "11.04.2026 01:00:00 >>> Choir",
                           "18.04.2026 01:00:00 >>> Choir",
                           "25.04.2026 01:00:00 >>> Choir",
                           "04.07.2026 00:00:00 >>> Independence Day"],
    "thunderbird.ics": ["12.02.2026 14:00:00 >>> Стоматолог",
                        "10.02.2026 16:00:00 >>> Курсы английского",
                        "14.04.2026 17:00:00 >>> Курсы английского"],
}


def group_ics_files():
    for name, expected in ICS_FILES.items():
        folder = data_dir()
        path = os.path.join(FILES, name)
        status, out, err = cli(folder, "import", "ics", path, "--from", "01.01.2026", "--to",
                               "31.12.2026", zone="Europe/Berlin")
        check(status == 0 and out.startswith("%d added" % len(expected)) and "0 unreadable" in out,
              "%s imports: %d %s %s" % (name, status, out, err))
        check(read(folder, "do.txt") == crlf(*expected),
              "%s gives every occurrence where its program shows it: %r"
              % (name, read(folder, "do.txt")))


# LangID 0 writes the Russian labels, 1 the English ones.
VCF_FILES = {
    "android-contacts.vcf": (0, [
        "Анна Смирнова >>> Россия, индекс 125009, Москва, ул. Тверская, 7, моб. тел.: "
        "+79001112233, +79004445566, тел.: +74951234567",
        "Pizza Express >>> , тел.: +74959876543",
        "Иван Петров >>> , моб. тел.: +7 916 000-11-22"]),
    "outlook-contact.vcf": (0, [
        "Петров Иван >>> Россия, индекс 125009, Москва, ул. Тверская, д. 7, моб. тел.: "
        "+7 (916) 765-43-21, тел.: +7 (495) 123-45-67, факс: +7 (495) 123-45-68"]),
    "iphone-contacts.vcf": (1, [
        "Jamie Lee >>> United States, postcode 95014, Cupertino, CA region, street: "
        "1 Infinite Loop, mobile: +1 (555) 010-0200, phone: +1 555 010 0201",
        "Corner Bakery >>> , phone: +1 555 010 0300"]),
    "google-contacts.vcf": (1, [
        "Maria Garcia >>> , street: Calle Mayor 5, 2B 28013 Madrid Spain, mobile: "
        "+34 600 000 001, +34 600 000 002"]),
    "vcard4-contacts.vcf": (1, [
        "Sam Example >>> Canada, postcode G1V 2M2, Quebec, QC region, street: "
        "2875 boul. Laurier, suite D2-630, mobile: +1-418-262-6501, phone: "
        "+1-418-656-9254;ext=102",
        "Example Hardware Ltd. >>> , phone: +44-20-7946-0000"]),
}


def group_vcf_files():
    for name, (lang_id, expected) in VCF_FILES.items():
        folder = data_dir(lang_id=lang_id)
        status, out, err = cli(folder, "import", "vcf", os.path.join(FILES, name))
        check(status == 0 and out.startswith("%d added" % len(expected)),
              "%s imports: %d %s %s" % (name, status, out, err))
        check(read(folder, "telephone.txt") == crlf(*expected),
              "%s gives the lines the add dialog builds: %r" % (name, read(folder, "telephone.txt")))
        # Every imported record comes back the same through an export.
        status, vcf, _ = cli(folder, "export", "vcf")
        again = data_dir(lang_id=lang_id)
        cli(again, "import", "vcf", "-", stdin=vcf.encode("utf-8"))
        check(read(again, "telephone.txt") == read(folder, "telephone.txt"),
              "%s round-trips: %r" % (name, read(again, "telephone.txt")))
        # One number per TEL, so that a phone can dial each.
        for card in vobject.readComponents(vcf):
            for tel in getattr(card, "tel_list", []):
                check(", " not in tel.value, "one number per TEL: %r" % tel.value)


def event_file(*lines):
    return crlf("BEGIN:VCALENDAR", "VERSION:2.0", "BEGIN:VEVENT", *lines, "END:VEVENT",
                "END:VCALENDAR")


def group_hostile():
    kept = crlf("07.12.2026 09:30:00 >>> Kept")
    folder = data_dir({"do.txt": kept})
    source = os.path.join(folder, "in.ics")

    def attempt(text, *args, timeout=60):
        with open(source, "w", encoding="utf-8", newline="") as f:
            f.write(text)
        return cli(folder, "import", "ics", source, *args, timeout=timeout)

    # Two hundred bytes of rule: refused at the limit, naming the series,
    # with nothing written and little memory.
    seconds = event_file("UID:flood@example.org", "DTSTART:20260101T000000Z",
                         "RRULE:FREQ=SECONDLY", "SUMMARY:Flood")
    status, _, err = attempt(seconds, "--from", "01.01.2026", "--to", "31.12.2026")
    check(status == 2 and "in.ics:3:" in err and "flood@example.org" in err and "100000" in err
          and "--max-lines" in err, "a flood of lines is refused: %d %s" % (status, err))
    peak = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss // 1024
    check(peak < 400, "memory stays bounded while counting: %d MB" % peak)
    minutes = event_file("UID:minutes", "DTSTART:20260101T000000Z",
                         "RRULE:FREQ=MINUTELY;COUNT=150000", "SUMMARY:m")
    status, _, err = attempt(minutes, "--from", "01.01.2026", "--to", "31.12.2026")
    check(status == 2 and "minutes" in err, "150000 lines are over the limit: %s" % err)
    for value in ("many", "0", "-5", "1000000000"):
        status, _, err = attempt(minutes, "--max-lines", value)
        check(status == 2 and "--max-lines" in err, "--max-lines %s is refused: %d %s"
              % (value, status, err))
    check(read(folder, "do.txt") == kept, "refused imports write nothing")
    status, out, err = attempt(minutes, "--from", "01.01.2026", "--to", "31.12.2026",
                               "--max-lines", "150001")
    check(status == 0 and out.startswith("150000 added"), "--max-lines raises the limit: " + err)

    # Nesting that would overflow the stack; a zone name that is a path or a FIFO.
    nested = ("BEGIN:VCALENDAR\r\n" + "BEGIN:X-N\r\n" * 300000 + "END:X-N\r\n" * 300000 +
              "END:VCALENDAR\r\n")
    status, _, err = attempt(nested)
    check(status == 2 and "in.ics:101: components nested deeper than 100" in err,
          "deep nesting is bad input: %d %s" % (status, err[:200]))
    fifo = os.path.join(folder, "zone-fifo")
    os.mkfifo(fifo)
    for tzid in ("../../../../../../etc/passwd", fifo, "Europe", "Europe/../Europe/Berlin"):
        status, _, err = attempt(event_file("DTSTART;TZID=%s:20260301T100000" % tzid, "SUMMARY:x"),
                                 timeout=20)
        check(status == 2 and ("unknown time zone " + tzid) in err,
              "TZID %s is an unknown zone: %d %s" % (tzid, status, err))

    # One 16 MB content line reads in linear time (the sanitizer build, some
    # fifty times slower, reads a smaller one and is not timed).
    size = (1 << 20) if SANITIZED else (16 << 20)
    summary = "SUMMARY:" + "x" * size
    folded = "\r\n ".join(summary[i:i + 74] for i in range(0, len(summary), 74))
    started = time.monotonic()
    status, _, err = attempt(event_file("DTSTART:20260101T100000", folded))
    took = time.monotonic() - started
    check(status == 0 and (SANITIZED or took < 30), "a long line imports in %.1f s: %s"
          % (took, err))
    check(read(folder, "do.txt").endswith("10:00:00 >>> " + "x" * size + "\r\n"),
          "the whole summary is kept")

    status, _, err = cli(folder, "import", "vcf", "-", stdin=b"")
    check(status == 2 and "no vCard data" in err, "an empty .vcf is bad input: %d %s"
          % (status, err))
    status, out, _ = cli(folder, "--help")
    check("--max-lines" in out and "100000" in out.replace(",", ""), "--help names the limit")


def group_control_chars():
    planted = "07.12.2026 09:30:00 >>> Look\x1b]0;owned\x07 here\tand\x00 there\x7f"
    folder = data_dir({"do.txt": crlf(planted),
                       "telephone.txt": crlf("Eve\x1b[2J >>> call\x1b[31m me")})
    status, out, _ = cli(folder, "list")
    check(out == "07.12.2026 09:30:00 >>> Look]0;owned here\tand there\n",
          "list drops control characters on a pipe: %r" % out)
    # On a terminal they are shown, not obeyed.
    pid, fd = pty.fork()
    if pid == 0:
        os.execv(CLI, [CLI, "-d", folder, "list"])
    shown = b""
    while True:
        try:
            chunk = os.read(fd, 4096)
        except OSError:
            break
        if not chunk:
            break
        shown += chunk
    os.waitpid(pid, 0)
    check(shown.replace(b"\r\n", b"\n") ==
          b"07.12.2026 09:30:00 >>> Look\\x1B]0;owned\\x07 here\tand\\x00 there\\x7F\n",
          "list shows control characters as \\xNN on a terminal: %r" % shown)
    status, ics, _ = cli(folder, "export", "ics")
    check("SUMMARY:Look]0\\;owned here\tand there\r\n" in ics and "\x1b" not in ics,
          "the iCalendar export drops them")
    status, vcf, _ = cli(folder, "export", "vcf")
    check("FN:Eve[2J\r\n" in vcf and "\x1b" not in vcf, "the vCard export drops them: %r" % vcf)

    # What comes in has none either: line breaks become blanks, the rest goes.
    target = data_dir()
    ics = event_file("DTSTART:20260101T100000", "SUMMARY:Two\\nlines\x1b[31m\tred\x00!")
    status, _, err = cli(target, "import", "ics", "-", stdin=ics.encode("utf-8"))
    check(read(target, "do.txt") == crlf("01.01.2026 10:00:00 >>> Two lines[31m\tred!"),
          "imported summaries hold no control character: %r %s" % (read(target, "do.txt"), err))
    vcf = "BEGIN:VCARD\r\nFN:Mallory\x1b]2;x\x07\r\nTEL:1\x00 2\r\nEND:VCARD\r\n"
    cli(target, "import", "vcf", "-", stdin=vcf.encode("utf-8"))
    check(read(target, "telephone.txt") == crlf("Mallory]2;x >>> , тел.: 1 2"),
          "imported cards hold no control character: %r" % read(target, "telephone.txt"))
    status, _, err = cli(target, "add", "08.12.2026 10:00", "a\x1bb")
    check(status == 2, "add refuses control characters: %d" % status)
    # A message quoting the file shows them too.
    status, _, err = cli(target, "import", "ics", "-",
                         stdin=event_file("DTSTART;TZID=Zone\x1b[2J:20260101T100000").encode())
    check(status == 2 and "Zone\\x1B[2J" in err, "messages show control characters: %r" % err)

    # A line in the gap the clock skips is exported at the time it comes to.
    gap = data_dir({"do.txt": crlf("29.03.2026 02:30:00 >>> Gap")})
    status, ics, _ = cli(gap, "export", "ics", zone="Europe/Berlin")
    check("DTSTART;TZID=Europe/Berlin:20260329T033000" in ics, "export moves a gap time forward")
    # So does the import of a local time without a zone.
    floating = event_file("DTSTART:20260329T023000", "SUMMARY:Floating")
    cli(gap, "import", "ics", "-", stdin=floating.encode(), zone="Europe/Berlin")
    check(read(gap, "do.txt") == crlf("29.03.2026 02:30:00 >>> Gap",
                                      "29.03.2026 03:30:00 >>> Floating"),
          "import moves a floating gap time forward: %r" % read(gap, "do.txt"))

GROUPS = {"events": group_events, "ics_export": group_ics_export, "ics_import": group_ics_import,
          "round_trip": group_round_trip, "vcf_import": group_vcf_import, "lock": group_lock,
          "ics_files": group_ics_files, "vcf_files": group_vcf_files, "hostile": group_hostile,
          "control_chars": group_control_chars}

if __name__ == "__main__":
    GROUPS[sys.argv[1]]()
    finish()
