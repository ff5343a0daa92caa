#!/usr/bin/env python3
"""Every marked text is translated in every language, and no translation is
left for a text that is gone: lupdate reads the sources into copies of the
translation files, which must then hold nothing unfinished or vanished.
Each translation keeps the placeholders of its English text.
Usage: translations_test.py LUPDATE TR_FUNCTIONS SOURCE_ROOT dru_xx.ts...
TR_FUNCTIONS is lupdate's -tr-function-alias list, as the build gives it."""
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

lupdate, functions, root, files = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:]
sources = sorted(path for layer in ("core", "app", "history", "ui")
                 for pattern in ("*.cpp", "*.h")
                 for path in glob.glob(os.path.join(root, layer, "**", pattern), recursive=True))
problems = []
with tempfile.TemporaryDirectory() as work:
    for original in files:
        copy = os.path.join(work, os.path.basename(original))
        shutil.copy(original, copy)
        subprocess.run([lupdate, "-locations", "none", "-tr-function-alias", functions, *sources,
                        "-ts", copy],
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        language = os.path.basename(original)
        for context in ElementTree.parse(copy).getroot():
            name = context.findtext("name")
            for message in context.findall("message"):
                source = message.findtext("source")
                translation = message.find("translation")
                where = "%s %s %r" % (language, name, source)
                kind = translation.get("type")
                if kind in ("unfinished", "vanished", "obsolete"):
                    problems.append("%s: %s" % (where, "new, not translated" if kind ==
                                                "unfinished" else "no longer in the sources"))
                    continue
                forms = [form.text or "" for form in translation.findall("numerusform")]
                texts = forms if message.get("numerus") == "yes" else [translation.text or ""]
                wanted = set(re.findall(r"%\d", source))
                for text in texts:
                    if not text or set(re.findall(r"%\d", text)) != wanted:
                        problems.append("%s: %r keeps not its placeholders" % (where, text))
                if forms and "%n" not in forms[-1]:
                    problems.append("%s: the plural says no %%n" % where)
for problem in problems:
    print(problem)
print("%d problems in %d translations" % (len(problems), len(files)))
sys.exit(1 if problems else 0)
