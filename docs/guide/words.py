#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The program's own words for the user guide, in one language, as AsciiDoc attributes.

  words.py --source DIR --lang XX --output FILE

Reads the windows' texts from DIR/ui/*.ui, their translations from
DIR/translations/brookfetch_XX.ts (none for "en": the .ui texts are the English ones) and the
parameters' ranges from DIR/model/Q47Parameters.cpp, and writes one attribute entry a text:

  {ui-NAME}       the text of the control, action or message label NAME as the window shows
                  it: without its Alt letter's "&" and a caption's closing ":" ("Samples
                  Count"); a message's "%1" stands as "…". {ui-NAME-tip} is its tool tip,
                  {ui-NAME-title} a dialog's title, {ui-NAME-N} item N of a list.
  {hint-PARAM}    what a field accepts, as its tool tip and a refusal say it ("1..240 s").
  {code-NAME}     a text of the code that the guide quotes (the file dialogs' file types,
                  the parameter sheet's words), from the table CODE_TEXTS below.
  {example-NAME}  a message with its blanks filled by other words, from EXAMPLES below.

The guide quotes the program through these, so that each language's guide says what that
language's program shows. A text the .ts leaves untranslated is the English one, as the
program shows it. Every value is written with its punctuation as character references, so that
AsciiDoc takes it as it is (no typographic quotes, arrows or ellipses made of it).
"""

import argparse
import glob
import os
import re
import string
import sys
import xml.etree.ElementTree as ET

# Texts of the code (tr() and QT_TRANSLATE_NOOP) that the guide quotes: name, context, source
# text, disambiguation, and the values that stand for its %1, %2, ... in the guide's example.
CODE_TEXTS = [
    ("brk-filter", "TMainForm", "Brookfetch Configuration (*.brk)", None, ()),
    ("pdf-filter", "TMainForm", "PDF document (*.pdf)", None, ()),
    ("save-dialog", "TMainForm", "Save file", None, ()),
    ("export-dialog", "TMainForm", "Export as PDF", None, ()),
    ("sheet", "TParameterSheet", "Parameter sheet", None, ()),
    ("sheet-schedule", "TParameterSheet", "Schedule:", None, ()),
    ("sheet-programmed", "TParameterSheet", "Programmed by", None, ()),
    ("sheet-checked", "TParameterSheet", "Checked by", None, ()),
    ("sheet-read-only", "TParameterSheet", "read only", None, ()),
    # 12 samples, a time delay of 01:30:00, one every 00:30:00.
    ("schedule-example", "TParameterSheet",
     "%1 samples, the first %2 after the start, then one every %3, the last %4 after the start.",
     None, ("12", "01:30:00", "00:30:00", "07:00:00")),
    ("schedule-continuous-example", "TParameterSheet",
     "One sample every %1 until the sampler is stopped, the first %2 after the start.",
     None, ("00:30:00", "01:30:00")),
    # The history window; a button's or label's Alt letter is left out as on a caption.
    ("history-title", "THistoryForm", "Programming History", None, ()),
    ("history-search", "THistoryForm", "&Search:", None, ()),
    ("history-from", "THistoryForm", "&From:", None, ()),
    ("history-to", "THistoryForm", "&To:", None, ()),
    ("history-result", "THistoryForm", "&Result:", None, ()),
    ("history-failed", "THistoryForm", "Failed", None, ()),
    ("history-open", "THistoryForm", "&Open these parameters", None, ()),
    ("history-print", "THistoryForm", "&Print sheet...", None, ()),
    ("history-pdf", "THistoryForm", "Export as P&DF...", None, ()),
    ("history-export", "THistoryForm", "&Export...", None, ()),
]

# Examples the guide shows of a message with its blanks filled: name, the message, and the
# words that fill its %1, %2, ...
EXAMPLES = [
    ("field-accepts", "ui-MsgFieldAccepts", ("ui-Q47SamplesCountLabel", "hint-SamplesCount")),
]

# The decimal separator of each language's locale (the program writes voltages in it).
POINT_LANGUAGES = {"en"}


class WordsError(Exception):
    pass


def caption(text):
    """A caption as the window shows it: no Alt letter, no closing colon (CaptionText)."""
    text = text.split("\t", 1)[0]
    clean = ""
    i = 0
    while i < len(text):
        if text[i] == "&":
            if i + 1 < len(text) and text[i + 1] == "&":
                clean += "&"
                i += 1
            i += 1
            continue
        clean += text[i]
        i += 1
    clean = " ".join(clean.split())
    while clean.endswith(":"):
        clean = clean[:-1].rstrip()
    return clean


def message(text, values=()):
    """A message text with its %1, %2, ... filled in, or standing as "…"."""
    def fill(match):
        number = int(match.group(1))
        return values[number - 1] if number <= len(values) else "\u2026"
    return re.sub(r"%(\d)", fill, " ".join(text.split()))


def escaped(text):
    """The text as an AsciiDoc value that no substitution changes."""
    return "".join("&#%d;" % ord(c) if c in string.punctuation else c for c in text)


def ui_texts(source):
    """(name, context, text, disambiguation, is_message) of every text in the .ui files;
    disambiguation None, and context None for a text that is never translated."""
    found = []
    for path in sorted(glob.glob(os.path.join(source, "ui", "*.ui"))):
        root = ET.parse(path).getroot()
        context = root.findtext("class")
        messages = context == "TMsgTemplate"

        def add(name, string_element):
            if string_element is None or not string_element.text:
                return
            translated = string_element.get("notr") != "true"
            found.append((name, context if translated else None, string_element.text,
                          string_element.get("comment"), messages))

        for element in root.iter():
            if element.tag not in ("widget", "action"):
                continue
            name = element.get("name")
            for prop in element.findall("property"):
                kind = prop.get("name")
                suffix = {"text": "", "title": "", "toolTip": "-tip", "windowTitle": "-title"}
                if kind in suffix:
                    add(name + suffix[kind], prop.find("string"))
            for number, item in enumerate(element.findall("item")):
                for prop in item.findall("property"):
                    if prop.get("name") == "text":
                        add("%s-%d" % (name, number), prop.find("string"))
    return found


def translations(ts_path):
    """{(context, source, disambiguation): translation} of the finished texts of a .ts."""
    table = {}
    root = ET.parse(ts_path).getroot()
    for context in root.findall("context"):
        name = context.findtext("name")
        for entry in context.findall("message"):
            done = entry.find("translation")
            if done is None or done.get("type") in ("unfinished", "vanished", "obsolete"):
                continue
            table[(name, entry.findtext("source"), entry.findtext("comment"))] = done.text or ""
    return table


def sources(ts_path):
    """{(context, source, disambiguation)} of every text a .ts holds."""
    root = ET.parse(ts_path).getroot()
    return {(c.findtext("name"), m.findtext("source"), m.findtext("comment"))
            for c in root.findall("context") for m in c.findall("message")}


def seconds_text(seconds):
    return "%02d:%02d:%02d" % (seconds // 3600, seconds // 60 % 60, seconds % 60)


def code_to_volts(code):
    """The sampler's voltage of a one-byte code on the 0.1 V grid, in tenths (TQ47)."""
    volts = code * 5.0 / 255.0 / 0.333 + 0.6
    return int((volts + 0.05) * 10)


def parameters(source):
    """[(name, kind, low, high)] of the model's table of parameters."""
    text = open(os.path.join(source, "model", "Q47Parameters.cpp"), encoding="utf-8").read()
    found = re.findall(r'\{"(\w+)",\s*K::(\w+),\s*\d+,\s*\d+,\s*(\d+),\s*(\d+),', text)
    if len(found) < 10:
        raise WordsError("model/Q47Parameters.cpp: the table of parameters was not found")
    return [(name, kind, int(low), int(high)) for name, kind, low, high in found]


def hints(source, words, point):
    """{parameter: what its field accepts}, as TParameterPage::Accepted writes it."""
    result = {}
    for name, kind, low, high in parameters(source):
        unit = words.get("ui-Q47%sUnit" % name, "")
        if unit.startswith("[") and unit.endswith("]"):
            unit = unit[1:-1].strip()
        if kind == "Duration":
            accepted, unit = seconds_text(low) + ".." + seconds_text(high), ""
        elif kind == "Volts":
            accepted = "..".join(("%d.%d" % divmod(code_to_volts(code), 10)).replace(".", point)
                                 for code in (low, high))
        elif kind in ("Mode", "VarMode", "Pulses"):
            continue  # a choice, or shown only: no field of its own to type into
        else:
            accepted = "%d..%d" % (low, high)
        result[name] = accepted + (" " + unit if unit else "")
    return result


def words_of(source, lang):
    """{attribute name: text} of one language."""
    if lang == "en":
        table, known = None, sources(os.path.join(source, "translations", "brookfetch_en.ts"))
    else:
        path = os.path.join(source, "translations", "brookfetch_%s.ts" % lang)
        table, known = translations(path), None
    words = {}
    raw = {}  # the messages as they stand, with their %1, %2, ...

    def put(name, text):
        if name in words and words[name] != text:
            raise WordsError("two texts are named %s: \"%s\" and \"%s\"" % (name, words[name], text))
        words[name] = text

    for name, context, text, comment, is_message in ui_texts(source):
        if context is not None and table is not None:
            text = table.get((context, text, comment)) or text
        raw["ui-" + name] = text
        put("ui-" + name, message(text) if is_message else message(caption(text)))
    for name, context, text, comment, values in CODE_TEXTS:
        key = (context, text, comment)
        if known is not None and key not in known:
            raise WordsError("translations/brookfetch_en.ts has no text \"%s\" in %s: the code "
                             "changed it; change CODE_TEXTS in %s" % (text, context, __file__))
        if table is not None:
            text = table.get(key) or text
        put("code-" + name, message(caption(text) if "&" in text else text, values))
    point = "." if lang in POINT_LANGUAGES else ","
    for name, accepted in hints(source, words, point).items():
        put("hint-" + name, accepted)
    for name, template, fills in EXAMPLES:
        put("example-" + name, message(raw[template], tuple(words[fill] for fill in fills)))
    return words


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--source", required=True, help="the source tree")
    parser.add_argument("--lang", required=True, help="en, or XX of translations/brookfetch_XX.ts")
    parser.add_argument("--output", required=True)
    args = parser.parse_args()
    try:
        words = words_of(args.source, args.lang)
    except (WordsError, OSError, ET.ParseError) as error:
        print("words: %s" % error, file=sys.stderr)
        return 1
    lines = ["// SPDX-License-Identifier: GPL-3.0-or-later",
             "// Made by docs/guide/words.py from the program's texts: do not edit."]
    lines += [":%s: pass:[%s]" % (name, escaped(text)) for name, text in sorted(words.items())]
    with open(args.output + ".part", "w", encoding="utf-8") as out:
        out.write("\n".join(lines) + "\n")
    os.replace(args.output + ".part", args.output)
    return 0


if __name__ == "__main__":
    sys.exit(main())
