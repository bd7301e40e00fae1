# SPDX-FileCopyrightText: 2026 Рейкобой developers
# SPDX-License-Identifier: GPL-2.0-or-later
"""Checks that every link, picture and stylesheet named in the help pages
points at a file that is really there.

    python3 tools/help/check_links.py data

Prints each broken reference as "page: target" and exits with 1 if there
are any.  Links to other sites are reported too: the help must work
offline, from the data folder alone."""

import os
import re
import sys
from html.parser import HTMLParser


class Refs(HTMLParser):
    """Collects href/src values; anchors inside a page (#name) are skipped."""

    def __init__(self):
        super().__init__()
        self.found = []

    def handle_starttag(self, tag, attrs):
        for name, value in attrs:
            if name in ("href", "src") and value and not value.startswith("#"):
                self.found.append(value)


def pages(root):
    for folder, _, files in os.walk(root):
        for f in sorted(files):
            if f.lower().endswith((".htm", ".html")):
                yield os.path.join(folder, f)


def broken(page):
    parser = Refs()
    with open(page, encoding="utf-8") as f:
        parser.feed(f.read())
    for ref in parser.found:
        if re.match(r"^[a-z]+:", ref, re.I) or ref.startswith("/"):
            yield ref  # outside the data folder: will not load
            continue
        target = os.path.join(os.path.dirname(page), ref.split("#")[0])
        if not os.path.isfile(target):
            yield ref


def main(argv):
    root = argv[1] if len(argv) > 1 else "data"
    bad = [(p, r) for p in pages(root) for r in broken(p)]
    for page, ref in bad:
        print(f"{os.path.relpath(page, root)}: {ref}")
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
