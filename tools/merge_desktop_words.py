#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes every language's words into the game's desktop entry and software-centre description.

    tools/merge_desktop_words.py          rewrite the two files from packaging/l10n/*.txt
    tools/merge_desktop_words.py --check  only name a file that differs from what would be written
                                          (exit status 1), for the test that keeps them in step

Each packaging/l10n/CODE.txt (UTF-8; CODE as the desktop names the language: de, fr, pt_BR) holds
`key=value` lines, one per key; blank lines and lines starting with # are passed over:

    GenericName  the desktop entry's GenericName[CODE]
    Comment      its Comment[CODE]
    Keywords     its Keywords[CODE] (separated by ';'), also the description's keywords
    summary      the description's <summary xml:lang="CODE">
    p1 .. p4     the description's four paragraphs, in the order of the English ones

The translated lines of both files are this script's alone: they are taken out and written anew
from the files above, languages sorted, each paragraph right after its English one, so running it
twice changes nothing. English lines, comments and everything else stay as they are.
"""
import glob
import os
import re
import sys
import textwrap
from xml.sax.saxutils import escape

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PACKAGING = os.path.join(ROOT, "packaging")
DESKTOP = os.path.join(PACKAGING, "org.spectrumix.spectrumix.desktop")
METAINFO = os.path.join(PACKAGING, "org.spectrumix.spectrumix.metainfo.xml.in")
KEYS = ("GenericName", "Comment", "Keywords", "summary", "p1", "p2", "p3", "p4")
PARAGRAPHS = ("p1", "p2", "p3", "p4")
# The game's name is the same in every language.
NAME = "SpEcTrUmIx"
CODE = re.compile(r"^[a-z]{2,3}(_[A-Z]{2})?$")


class WordsError(Exception):
    pass


def read_words(path):
    """The words of one language file, every key present once and not empty."""
    words = {}
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            key, sep, value = line.partition("=")
            key, value = key.strip(), value.strip()
            where = f"{os.path.relpath(path, ROOT)}:{number}"
            if not sep:
                raise WordsError(f"{where}: not a key=value line")
            if key not in KEYS:
                raise WordsError(f"{where}: unknown key '{key}' (known: {', '.join(KEYS)})")
            if key in words:
                raise WordsError(f"{where}: '{key}' is given twice")
            if not value:
                raise WordsError(f"{where}: '{key}' is empty")
            words[key] = value
    missing = [key for key in KEYS if key not in words]
    if missing:
        raise WordsError(f"{os.path.relpath(path, ROOT)}: missing {', '.join(missing)}")
    return words


def read_languages():
    """Every language's words, by code, codes sorted."""
    languages = {}
    for path in sorted(glob.glob(os.path.join(PACKAGING, "l10n", "*.txt"))):
        code = os.path.splitext(os.path.basename(path))[0]
        if not CODE.match(code):
            raise WordsError(f"{os.path.relpath(path, ROOT)}: '{code}' is not a language code such as fr or pt_BR")
        languages[code] = read_words(path)
    return dict(sorted(languages.items()))


def keywords(value):
    return [word.strip() for word in value.split(";") if word.strip()]


def merged_desktop(text, languages):
    """The desktop entry with every language's Name, GenericName, Comment and Keywords after the English one."""
    translated = re.compile(r"^(Name|GenericName|Comment|Keywords)\[[^]]*\]=")
    english = re.compile(r"^(Name|GenericName|Comment|Keywords)=")
    out = []
    for line in text.splitlines(keepends=True):
        if translated.match(line):
            continue
        out.append(line)
        key = english.match(line)
        if not key:
            continue
        for code, words in languages.items():
            if key.group(1) == "Name":
                value = NAME
            elif key.group(1) == "Keywords":
                value = "".join(word + ";" for word in keywords(words["Keywords"]))
            else:
                value = words[key.group(1)]
            out.append(f"{key.group(1)}[{code}]={value}\n")
    return "".join(out)


def paragraph(indent, code, value):
    body = textwrap.fill(escape(value), width=106, initial_indent=indent + "  ",
                         subsequent_indent=indent + "  ", break_long_words=False, break_on_hyphens=False)
    return f'{indent}<p xml:lang="{code}">\n{body}\n{indent}</p>\n'


def merged_metainfo(text, languages):
    """The description with every language's summary, paragraphs and keywords after the English ones."""
    lines = text.splitlines(keepends=True)
    out = []
    in_description = False  # the component's own description, not a release's
    description_done = False
    in_translated_p = False
    english_p = 0
    last_keyword = None
    for line in lines:
        stripped = line.strip()
        indent = line[: len(line) - len(line.lstrip())]
        if in_translated_p:
            if stripped.endswith("</p>"):
                in_translated_p = False
            continue
        if re.match(r'<(summary|keyword) xml:lang="', stripped):
            continue
        if in_description and stripped.startswith('<p xml:lang="'):
            in_translated_p = not stripped.endswith("</p>")
            continue
        out.append(line)
        if stripped.startswith("<summary>"):
            for code, words in languages.items():
                out.append(f'{indent}<summary xml:lang="{code}">{escape(words["summary"])}</summary>\n')
        elif stripped == "<description>" and not description_done:
            in_description = True
        elif stripped == "</description>" and in_description:
            in_description = False
            description_done = True
        elif in_description and stripped.endswith("</p>"):
            if english_p >= len(PARAGRAPHS):
                raise WordsError(f"{os.path.relpath(METAINFO, ROOT)}: more English paragraphs than "
                                 f"{', '.join(PARAGRAPHS)} translate")
            for code, words in languages.items():
                out.append(paragraph(indent, code, words[PARAGRAPHS[english_p]]))
            english_p += 1
        elif stripped.startswith("<keyword>"):
            last_keyword = len(out)
    if english_p != len(PARAGRAPHS):
        raise WordsError(f"{os.path.relpath(METAINFO, ROOT)}: {english_p} English paragraphs, "
                         f"but {', '.join(PARAGRAPHS)} translate {len(PARAGRAPHS)}")
    if last_keyword is None:
        raise WordsError(f"{os.path.relpath(METAINFO, ROOT)}: no English <keyword> to follow")
    indent = out[last_keyword - 1][: len(out[last_keyword - 1]) - len(out[last_keyword - 1].lstrip())]
    added = [f'{indent}<keyword xml:lang="{code}">{escape(word)}</keyword>\n'
             for code, words in languages.items() for word in keywords(words["Keywords"])]
    out[last_keyword:last_keyword] = added
    return "".join(out)


def main(argv):
    check = argv[1:] == ["--check"]
    if argv[1:] and not check:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    try:
        languages = read_languages()
        changed = []
        for path, merge in ((DESKTOP, merged_desktop), (METAINFO, merged_metainfo)):
            with open(path, encoding="utf-8") as f:
                text = f.read()
            merged = merge(text, languages)
            if merged == text:
                continue
            changed.append(os.path.relpath(path, ROOT))
            if not check:
                with open(path, "w", encoding="utf-8", newline="\n") as f:
                    f.write(merged)
    except (WordsError, OSError) as error:
        print(f"merge_desktop_words: {error}", file=sys.stderr)
        return 1
    if check and changed:
        print(f"merge_desktop_words: {', '.join(changed)} lack(s) words from packaging/l10n/; "
              "run tools/merge_desktop_words.py", file=sys.stderr)
        return 1
    for path in changed:
        print(f"merge_desktop_words: wrote {path}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
