#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Рейкобой developers
# SPDX-License-Identifier: GPL-2.0-or-later
"""The English help mirrors the Russian one, page for page.

A language switch maps each Russian page to the file of the same name under en/, so every
Russian page needs its English twin there, in English, with working links to the same pages,
pictures and stylesheet, and the same sections. A player who switched language must never land
on a missing page, a broken picture or a Russian page.

Usage: english_pages_test.py DATA_DIR    (exit 0: all good; 1: what is wrong, listed)
"""
import re
import sys
from html.parser import HTMLParser
from pathlib import Path

CYRILLIC = re.compile(r"[\u0400-\u04ff]")
COMMENT = re.compile(r"<!--.*?-->", re.S)


class PageParts(HTMLParser):
    """The language, the headings and every page, picture and stylesheet a page refers to."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.lang = None
        self.headings = []
        self.refs = []  # (kind, reference as written)

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag == "html":
            self.lang = attrs.get("lang")
        elif tag in ("h1", "h2", "h3"):
            self.headings.append(tag)
        elif tag == "a" and attrs.get("href"):
            self.refs.append(("page", attrs["href"]))
        elif tag == "img" and attrs.get("src"):
            self.refs.append(("picture", attrs["src"]))
        elif tag == "link" and attrs.get("href"):
            self.refs.append(("stylesheet", attrs["href"]))


def parse(page):
    parts = PageParts()
    parts.feed(page.read_text(encoding="utf-8"))
    parts.close()
    return parts


def targets(page, parts, problems):
    """{(kind, resolved file)} for the page's local references; a missing file is a problem."""
    found = set()
    for kind, ref in parts.refs:
        if re.match(r"(?i)(https?|mailto):", ref):
            continue
        path = ref.split("#", 1)[0]
        if not path:
            continue  # a jump within the page itself
        target = (page.parent / path).resolve()
        if not target.is_file() and (kind, target) not in found:
            problems.append(f"{page}: {kind} '{ref}' does not exist ({target})")
        found.add((kind, target))
    return found


def cyrillic_line(page):
    """Line number of the first Cyrillic letter a player could see; None if there is none.

    The SPDX comments name the copyright holder as it is spelt everywhere in the project,
    so comments are left out.
    """
    text = page.read_text(encoding="utf-8")
    text = COMMENT.sub(lambda m: re.sub(r"[^\n]", " ", m.group()), text)
    hit = CYRILLIC.search(text)
    return None if hit is None else text.count("\n", 0, hit.start()) + 1


def check_page(data, russian, problems):
    relative = russian.relative_to(data)
    english = data / "en" / relative
    if not english.is_file():
        problems.append(f"{english}: missing (English twin of {russian})")
        return
    ru_parts, en_parts = parse(russian), parse(english)
    if en_parts.lang != "en":
        problems.append(f"{english}: <html lang=\"{en_parts.lang}\">, expected lang=\"en\"")
    line = cyrillic_line(english)
    if line is not None:
        problems.append(f"{english}:{line}: Cyrillic text")
    if en_parts.headings != ru_parts.headings:
        problems.append(f"{english}: headings {en_parts.headings} differ from the Russian "
                        f"page's {ru_parts.headings}")

    ru_targets = targets(russian, ru_parts, problems)
    en_targets = targets(english, en_parts, problems)
    # Pictures and the stylesheet are shared; a page link must lead to the English page
    # of the same name, never back into the Russian help.
    en_root = (data / "en").resolve()
    root = data.resolve()
    expected = set()
    for kind, target in ru_targets:
        if kind == "page" and target.is_relative_to(root) and not target.is_relative_to(en_root):
            target = en_root / target.relative_to(root)
        expected.add((kind, target))
    for kind, target in sorted(expected - en_targets):
        problems.append(f"{english}: no {kind} link to {target}, which {russian} has")
    for kind, target in sorted(en_targets - expected):
        problems.append(f"{english}: {kind} link to {target}, which {russian} does not have")


def main(argv):
    if len(argv) != 2:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 1
    data = Path(argv[1])
    russian_pages = [data / "index.htm"] + sorted((data / "help").glob("*.htm"))
    problems = []
    if not russian_pages[0].is_file() or len(russian_pages) < 2:
        problems.append(f"{data}: no Russian help found (index.htm and help/*.htm)")
    else:
        for russian in russian_pages:
            check_page(data, russian, problems)
    for problem in problems:
        print("FAIL", problem)
    if problems:
        return 1
    print(f"ok: {len(russian_pages)} English help pages match the Russian ones")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
