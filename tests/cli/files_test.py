#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""norvik-cli and files that are not what they seem: files_test.py NORVIK-CLI MODULE-DIR

A data file behind a link that leads nowhere, a data or input file larger
than the program reads, a data file behind the user's own link, a save that
cannot be made. Each case runs in a fresh temporary data directory."""

import os
import sys
import tempfile

from cli_support import check, cli, data_dir, finish, folders, use

CLI, MODULES = sys.argv[1], sys.argv[2]
use(CLI, MODULES)
LIMIT = 2147483648


def sparse(path, size):
    with open(path, "wb") as f:
        f.truncate(size)


def link_of(path):
    return os.readlink(path) if os.path.islink(path) else None


def read_bytes(path):
    with open(path, "rb") as f:
        return f.read()


ICS = (b"BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//example.org//test//EN\r\n"
       b"BEGIN:VEVENT\r\nUID:1@example.org\r\nDTSTART:20301201T090000\r\n"
       b"SUMMARY:Meeting\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n")
VCF = b"BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Someone\r\nTEL;TYPE=CELL:123\r\nEND:VCARD\r\n"


def dangling_links():
    # Every command that writes refuses a data file linking to a missing
    # place, with the reason; the link stays and nothing is made where it leads.
    folder = data_dir()
    os.mkdir(os.path.join(folder, "gone"))
    for name in ("do.txt", "telephone.txt"):
        os.symlink("gone/" + name, os.path.join(folder, name))
    source = os.path.join(folder, "in.ics")
    cards = os.path.join(folder, "in.vcf")
    with open(source, "wb") as f:
        f.write(ICS)
    with open(cards, "wb") as f:
        f.write(VCF)
    for args, name in ((["add", "07.12.2030 9:30", "x"], "do.txt"),
                       (["import", "ics", source], "do.txt"),
                       (["import", "vcf", cards], "telephone.txt"),
                       (["list"], "do.txt")):
        status, _, err = cli(folder, *args)
        check(status == 4 and
              err == "norvik-cli: Cannot open file %s: No such file or directory\n" % name,
              "%s refuses a dangling %s: %d %r" % (args[0], name, status, err))
        check(link_of(os.path.join(folder, name)) == "gone/" + name,
              "%s keeps the link %s" % (args[0], name))
    check(os.listdir(os.path.join(folder, "gone")) == [], "nothing made where the links lead")


def own_link():
    # A do.txt kept in another folder through the user's own link keeps working.
    folder = data_dir()
    elsewhere = tempfile.mkdtemp(prefix="norvik-cli-elsewhere-")
    folders.append(elsewhere)
    with open(os.path.join(elsewhere, "do.txt"), "wb") as f:
        f.write(b"01.01.2030 10:00:00 >>> kept\r\n")
    os.symlink(os.path.join(elsewhere, "do.txt"), os.path.join(folder, "do.txt"))
    status, _, err = cli(folder, "add", "07.12.2030 9:30", "new")
    check(status == 0, "add through the user's own link: %d %s" % (status, err))
    check(read_bytes(os.path.join(elsewhere, "do.txt")) ==
          b"01.01.2030 10:00:00 >>> kept\r\n07.12.2030 09:30:00 >>> new\r\n",
          "the event is saved where the link leads")
    check(os.path.islink(os.path.join(folder, "do.txt")), "the link stays")


def too_large():
    # A data file or an input file past the limit is refused from its size,
    # naming the file and the size; nothing is read or written.
    folder = data_dir()
    sparse(os.path.join(folder, "do.txt"), LIMIT + 1)
    status, _, err = cli(folder, "list")
    check(status == 4 and err == "norvik-cli: Cannot open file do.txt: it is %d bytes long, more "
          "than the %d bytes Norvik reads\n" % (LIMIT + 1, LIMIT),
          "a do.txt past the limit: %d %r" % (status, err))
    status, _, err = cli(folder, "add", "07.12.2030 9:30", "x")
    check(status == 4 and "Cannot open file do.txt: it is" in err, "add refuses it: " + err)
    check(os.path.getsize(os.path.join(folder, "do.txt")) == LIMIT + 1, "do.txt untouched")

    folder = data_dir()
    source = os.path.join(folder, "big.vcf")
    sparse(source, 20 * 1024 ** 3)
    status, _, err = cli(folder, "import", "vcf", source)
    check(status == 2 and err == "norvik-cli: cannot read %s: it is %d bytes long, more than the "
          "%d bytes Norvik reads\n" % (source, 20 * 1024 ** 3, LIMIT),
          "an input file past the limit is bad input: %d %r" % (status, err))
    check(not os.path.exists(os.path.join(folder, "telephone.txt")), "nothing written")


def cannot_save():
    # A save that cannot be made names the file and the system's reason.
    folder = data_dir()
    target = os.path.join(folder, "no such folder", "out.ics")
    status, _, err = cli(folder, "export", "ics", target)
    check(status == 4 and err == "norvik-cli: Cannot create file %s: No such file or directory\n"
          % target, "an export that cannot be saved: %d %r" % (status, err))


if __name__ == "__main__":
    for case in (dangling_links, own_link, too_large, cannot_save):
        case()
    finish()
