#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Рейкобой developers
# SPDX-License-Identifier: GPL-2.0-or-later
"""Every translation in translations/*.ts is whole: lupdate run over the window's sources and
the network module's (into a copy, the file itself untouched) finds no text without its
translation, and none left over.

usage: complete_test.py LUPDATE SOURCE_DIR   (exit 0 passed, 1 failed)
"""
import glob
import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

LUPDATE, TOP = sys.argv[1], sys.argv[2]
failures = []
files = sorted(glob.glob(os.path.join(TOP, "translations", "*.ts")))
if not files:
    failures.append("no translations/*.ts")
with tempfile.TemporaryDirectory() as work:
    for original in files:
        copy = os.path.join(work, os.path.basename(original))
        shutil.copyfile(original, copy)
        run = subprocess.run([LUPDATE, "-silent", "-locations", "none", "-I", os.path.join(TOP, "src"),
                              os.path.join(TOP, "src", "ui"), os.path.join(TOP, "src", "net"),
                              "-ts", copy], capture_output=True, text=True)
        if run.returncode != 0:
            failures.append(f"lupdate failed on {original}: {run.stderr.strip()}")
            continue
        name = os.path.basename(original)
        for context in ET.parse(copy).getroot().iter("context"):
            where = context.findtext("name")
            for message in context.iter("message"):
                source = message.findtext("source")
                translation = message.find("translation")
                kind = translation.get("type") if translation is not None else "missing"
                if kind in ("unfinished", "missing") or not (translation.text or "").strip():
                    failures.append(f"{name}: {where}: not translated: {source!r}")
                elif kind in ("vanished", "obsolete"):
                    failures.append(f"{name}: {where}: no longer in the sources: {source!r}")
                elif source.count("%") != (translation.text or "").count("%"):
                    failures.append(f"{name}: {where}: the places (%1 …) differ: {source!r}")
for failure in failures:
    print("FAIL:", failure)
if failures:
    sys.exit(1)
print(f"ok: {len(files)} translation(s) whole")
