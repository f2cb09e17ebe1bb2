#!/usr/bin/env python3
"""Every text the sources mark has a finished translation in every language, with the same
values in it: copies of the .ts files are brought up to date from the sources by lupdate, so
a text added to the code and never translated is caught as surely as an unfinished one."""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

lupdate, options_text, sources_list, *ts_files = sys.argv[1:]
sources = open(sources_list).read().split(";")
options = options_text.split(";")
PLACEHOLDER = re.compile(r"%(?:\d|n)")


def text_of(element):
    # Carriage returns are stored as <byte value="xd"/>.
    return (element.text or "") + "".join("\r" + (b.tail or "") for b in element)


def problems(path):
    found = []
    for context in ET.parse(path).getroot().iter("context"):
        name = context.find("name").text
        for message in context.iter("message"):
            source = text_of(message.find("source"))
            translation = message.find("translation")
            where = f"{path}: [{name}] {source!r}"
            if translation.get("type") in ("unfinished", "vanished", "obsolete"):
                if translation.get("type") == "unfinished":
                    found.append(f"{where}: not translated")
                continue
            forms = [text_of(f) for f in translation.iter("numerusform")] or [text_of(translation)]
            wanted = set(PLACEHOLDER.findall(source))
            for form in forms:
                if not form.strip():
                    found.append(f"{where}: an empty form")
                elif set(PLACEHOLDER.findall(form)) != wanted:
                    found.append(f"{where}: values {sorted(wanted)} but {form!r}")
    return found


with tempfile.TemporaryDirectory() as folder:
    copies = []
    for ts in ts_files:
        copies.append(shutil.copy(ts, folder))
    subprocess.run([lupdate, "-silent", *options, *sources, "-ts", *copies], check=True)
    found = [p for copy in copies for p in problems(copy)]
for line in found:
    print(line)
print(f"{len(found)} texts lack a finished translation" if found else "every text is translated")
sys.exit(1 if found else 0)
