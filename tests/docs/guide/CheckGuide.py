#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks of the built user guide (docs/guide).

  CheckGuide.py links GUIDE LANG...
      every link, place and picture of each language's page and of its go/ pages resolves
      (linkchecker, offline, on the files);
  CheckGuide.py topics GUIDE WORDS TOPICS LANG...
      every place the program opens (TOPICS) is there in every language, and every message text
      of the program stands in that language's guide as the program shows it (WORDS holds the
      words-<lang>.adoc the build made of the program's texts);
  CheckGuide.py translations SOURCE
      each language that SOURCE/po/complete.txt claims complete has no untranslated and no
      fuzzy entry against the English text as it is now (po4a brings a copy of the PO files up
      to date first, as a translator would).
"""

import concurrent.futures
import glob
import html
import os
import re
import shutil
import subprocess
import sys
import tempfile
from html.parser import HTMLParser


class Page(HTMLParser):
    """The ids and the text of a page."""

    def __init__(self, path):
        super().__init__(convert_charrefs=True)
        self.ids = set()
        self.parts = []
        self.hidden = 0
        with open(path, encoding="utf-8") as f:
            self.feed(f.read())
        self.text = " ".join(" ".join(self.parts).split())

    def handle_starttag(self, tag, attrs):
        if tag in ("style", "script", "title"):
            self.hidden += 1
        for name, value in attrs:
            if name == "id":
                self.ids.add(value)

    def handle_endtag(self, tag):
        if tag in ("style", "script", "title"):
            self.hidden -= 1

    def handle_data(self, data):
        if not self.hidden:
            self.parts.append(data)


def links(guide, languages):
    """linkchecker for each language, as many at once as there are processors: checking the
    places (#id) parses the page again for each link, and one language takes seconds."""
    config = os.path.join(os.path.dirname(os.path.abspath(__file__)), "linkcheckerrc")

    def check(lang):
        pages = [os.path.join(guide, lang, "index.html")]
        pages += sorted(glob.glob(os.path.join(guide, lang, "go", "*.html")))
        return subprocess.run(["linkchecker", "--config", config, "--no-status", "--output",
                               "text"] + pages, stdout=subprocess.PIPE,
                              stderr=subprocess.STDOUT, text=True)

    problems = []
    with concurrent.futures.ThreadPoolExecutor(os.cpu_count() or 2) as pool:
        for lang, run in zip(languages, pool.map(check, languages)):
            if run.returncode != 0:
                print(run.stdout)
                problems.append("%s: linkchecker found broken links, places or pictures "
                                "(above)" % lang)
    return problems


def topic_ids(path):
    with open(path, encoding="utf-8") as f:
        return [line.split()[0] for line in f
                if line.split("#", 1)[0].strip()]


def messages(words_file):
    """{label: text} of the program's messages (the ui-Msg... attributes), as shown."""
    found = {}
    with open(words_file, encoding="utf-8") as f:
        for line in f:
            match = re.match(r":ui-(Msg\w+): pass:\[(.*)\]$", line.rstrip("\n"))
            if match:
                found[match.group(1)] = " ".join(html.unescape(match.group(2)).split())
    return found


def topics(guide, words, topics_file, languages):
    problems = []
    wanted = topic_ids(topics_file)
    for lang in languages:
        page = Page(os.path.join(guide, lang, "index.html"))
        for topic in wanted:
            if topic not in page.ids:
                problems.append("%s: the guide has no place \"%s\"" % (lang, topic))
            if not os.path.isfile(os.path.join(guide, lang, "go", topic + ".html")):
                problems.append("%s: go/%s.html is missing" % (lang, topic))
        said = messages(os.path.join(words, "words-%s.adoc" % lang))
        if not said:
            problems.append("%s: no message texts in words-%s.adoc" % (lang, lang))
        for label, text in sorted(said.items()):
            if text not in page.text:
                problems.append("%s: the guide does not quote %s: \"%s\"" % (lang, label, text))
    return problems


def translations(source):
    with open(os.path.join(source, "po", "complete.txt"), encoding="utf-8") as f:
        claimed = [line.split("#", 1)[0].strip() for line in f]
    claimed = [lang for lang in claimed if lang]
    problems = []
    with tempfile.TemporaryDirectory() as scratch:
        copy = os.path.join(scratch, "guide")
        shutil.copytree(source, copy)
        update = subprocess.run(["po4a", "--no-translations", "po4a.cfg"], cwd=copy,
                                stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        if update.returncode != 0:
            return ["po4a could not bring the PO files up to date:\n" + update.stdout]
        for lang in claimed:
            po = os.path.join(copy, "po", lang + ".po")
            check = subprocess.run(["msgfmt", "--check", "--statistics", "-o", os.devnull, po],
                                   stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
            report = check.stdout.strip()
            if check.returncode != 0 or "fuzzy" in report or "untranslated" in report:
                problems.append("po/%s.po is claimed complete (po/complete.txt), but: %s"
                                % (lang, report))
    return problems


def main(argv):
    if len(argv) >= 3 and argv[1] == "links":
        problems = links(argv[2], argv[3:])
    elif len(argv) >= 5 and argv[1] == "topics":
        problems = topics(argv[2], argv[3], argv[4], argv[5:])
    elif len(argv) == 3 and argv[1] == "translations":
        problems = translations(argv[2])
    else:
        print(__doc__.split("\n\n")[1], file=sys.stderr)
        return 2
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
