# SPDX-License-Identifier: GPL-3.0-or-later
"""What the norvik-cli test scripts share: checks that collect their failures,
fresh temporary data directories with the language modules, runs of the
program. A script names the program and the modules once with use()."""

import os
import shutil
import subprocess
import sys
import tempfile

failures = []
folders = []
_program = {}


def use(cli_path, module_dir):
    _program["cli"] = cli_path
    _program["modules"] = module_dir


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what, file=sys.stderr)


def data_dir(files=None, lang_id=None):
    folder = tempfile.mkdtemp(prefix="norvik-cli-")
    folders.append(folder)
    shutil.copytree(_program["modules"], os.path.join(folder, "Language Modules"))
    if lang_id is not None:
        settings = ("[config]\r\nMainFormColor=clNavy\r\nMainFormTextColor=clWhite\r\n"
                    "NotebookSize=10\r\nNotebookType=Courier New\r\nWarningMessageText=x\r\n"
                    "LastEvent=0\r\nLangID=%d\r\n" % lang_id)
        write(folder, "System.ini", settings)
    for name, text in (files or {}).items():
        write(folder, name, text)
    return folder


def write(folder, name, text):
    with open(os.path.join(folder, name), "wb") as f:
        f.write(text.encode("cp1251", "surrogateescape"))  # "\udc98" is byte 0x98


def read(folder, name):
    path = os.path.join(folder, name)
    if not os.path.exists(path):
        return None
    with open(path, "rb") as f:
        return f.read().decode("cp1251", "surrogateescape")


def cli(folder, *args, stdin=None, zone=None, timeout=60):
    env = dict(os.environ, TZ=zone) if zone else None
    run = subprocess.run([_program["cli"], "-d", folder, *args], input=stdin,
                         capture_output=True, timeout=timeout, env=env)
    return run.returncode, run.stdout.decode("utf-8"), run.stderr.decode("utf-8")


def finish():
    """Exits 1 keeping the folders when a check failed; removes them otherwise."""
    if failures:
        print("folders kept:", *folders, file=sys.stderr)
        sys.exit(1)
    for folder in folders:
        shutil.rmtree(folder)
