#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The pages that lead to the places of a built guide the program opens.

  redirects.py --topics topics.txt --guide DIR/index.html --lang XX

Writes DIR/go/ID.html for every id of the topics list: a page that sends the browser on to
../index.html#ID at once (a meta refresh, no script) and holds a plain link there, named by the
heading of the section the id is in. The program opens these pages: a file's address keeps no
#ID on some ways to a browser, a page of its own does.
"""

import argparse
import html
import os
import sys
from html.parser import HTMLParser


def topic_ids(path):
    ids = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.split("#", 1)[0].strip()
            if line:
                ids.append(line.split()[0])
    return ids


class Headings(HTMLParser):
    """The heading that each id of the page stands under (or is)."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.title = ""  # the document's, its h1
        self.under = {}  # id: the heading it is, or stands under
        self.current = ""  # the last heading read
        self.heading = None  # the text of the heading being read
        self.heading_tag = None
        self.heading_id = None
        self.pending = []  # ids of elements whose heading is the next one to end, or the last

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag in ("h1", "h2", "h3", "h4"):
            self.heading, self.heading_tag, self.heading_id = "", tag, attrs.get("id")
        elif attrs.get("id"):
            self.pending.append(attrs["id"])

    def handle_data(self, data):
        if self.heading is not None:
            self.heading += data

    def handle_endtag(self, tag):
        if self.heading is not None and tag == self.heading_tag:
            self.current = " ".join(self.heading.split())
            if tag == "h1" and not self.title:
                self.title = self.current
            if self.heading_id:
                self.under[self.heading_id] = self.current
            self.heading = None
            return
        if self.heading is None:
            for name in self.pending:
                self.under.setdefault(name, self.current or self.title)
            self.pending = []


PAGE = """<!DOCTYPE html>
<html lang="{lang}">
<head>
<meta charset="utf-8">
<meta http-equiv="refresh" content="0; url=../index.html#{id}">
<title>{title}</title>
</head>
<body>
<p><a href="../index.html#{id}">{title}</a></p>
</body>
</html>
"""


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--topics", required=True)
    parser.add_argument("--guide", required=True, help="the language's index.html")
    parser.add_argument("--lang", required=True)
    args = parser.parse_args()
    headings = Headings()
    with open(args.guide, encoding="utf-8") as f:
        headings.feed(f.read())
    folder = os.path.join(os.path.dirname(args.guide), "go")
    os.makedirs(folder, exist_ok=True)
    for topic in topic_ids(args.topics):
        # A place the guide lacks still gets its page; the guide's test names it.
        title = headings.under.get(topic) or headings.title or topic
        with open(os.path.join(folder, topic + ".html"), "w", encoding="utf-8") as out:
            out.write(PAGE.format(lang=html.escape(args.lang), id=html.escape(topic),
                                  title=html.escape(title)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
