#!/usr/bin/env python3
"""Shows that check-web-edition.py catches what it is meant to catch.

A small hand-made edition passes the check; then each fault a web edition
could have (a broken link or anchor, a picture that does not load, a console
error, a word missing or out of order, a page of the book not exported) is
put into a copy of it, and the check must fail on it. Exit status as the
checker's: 77 when Chromium or its WebDriver is missing.
"""

import importlib.util
import os
import shutil
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
loader_spec = importlib.util.spec_from_file_location("checker", os.path.join(HERE, "check-web-edition.py"))
checker = importlib.util.module_from_spec(loader_spec)
loader_spec.loader.exec_module(checker)

# A 1x1 PNG.
PNG = bytes.fromhex("89504e470d0a1a0a0000000d4948445200000001000000010802000000907753de"
                    "0000000c4944415408d763f8cfc000000301010018dd8db00000000049454e44ae426082")
SVG = '<svg xmlns="http://www.w3.org/2000/svg" width="20" height="10"><rect width="20" height="10"/></svg>'


def page(title, body, style="../style.css"):
    return ('<?xml version="1.0" encoding="UTF-8"?>\n<!DOCTYPE html>\n'
            '<html xmlns="http://www.w3.org/1999/xhtml" lang="ru"><head><meta charset="utf-8"/>'
            '<title>%s</title><link rel="stylesheet" href="%s"/></head>'
            '<body>%s</body></html>\n' % (title, style, body))


EDITION = {
    "index.html": page("Содержание", '<a href="pages/p0001.html">Начало</a>', "style.css"),
    "style.css": ".back { background: url(pictures/tile.png); width: 8px; height: 8px }\n",
    "pages/p0001.html": page(
        "Начало", '<p>Свет — это <a href="p0002.html#top">волна</a>,<br/>а линза его'
        ' <a href="#sub7">собирает</a>.</p><img src="../pictures/lens.png" alt=""/>'
        '<div class="back"></div><div id="sub7" style="display:none">Фокус</div>'),
    "pages/p0002.html": page(
        "Дальше", '<h1 id="top">Дальше</h1><img src="../pictures/drawing.svg" alt=""/>'
        '<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10">'
        '<image href="../pictures/lens.png" width="10" height="10"/></svg>'
        '<p>Вторая страница.</p><a href="https://example.org/">внешняя ссылка</a>'),
    "pages/s0007.html": page("Фокус", "<p>Фокус линзы.</p>"),
    "pictures/lens.png": PNG,
    "pictures/tile.png": PNG,
    "pictures/drawing.svg": SVG,
}
TEXTS = [
    {"number": 1, "subPage": False, "text": "Свет — это волна, а линза его собирает."},
    {"number": 2, "subPage": False, "text": "Дальше Вторая страница."},
    {"number": 7, "subPage": True, "text": "Фокус линзы."},
]

# Each fault: a file replaced (or removed, None) and the texts changed.
FAULTS = {
    "broken link": ({"pages/p0002.html": None}, None),
    "missing anchor": ({"pages/p0001.html": EDITION["pages/p0001.html"].replace("#top", "#nowhere")}, None),
    "missing picture": ({"pictures/lens.png": None}, None),
    "picture that does not decode": ({"pictures/lens.png": b"not a picture"}, None),
    "missing background": ({"pictures/tile.png": None}, None),
    "empty SVG picture": ({"pictures/drawing.svg": SVG.replace('width="20" height="10"', 'width="0"')}, None),
    "console error": ({"pages/s0007.html": page("Фокус", "<p>Фокус линзы.</p><script>console.error('x')</script>")}, None),
    "missing word": (None, {1: "Свет — это волна, а линза его не собирает."}),
    "words out of order": (None, {2: "Вторая страница. Дальше"}),
    "word shown only inside another": (None, {1: "Свет — это волна, а лин его собирает."}),
    "word shown only as the start of another": (None, {1: "Свет — это волна, а линза его собира"}),
    "hidden text counted": (None, {1: "Свет — это волна, а линза его собирает. Фокус линзы в конце"}),
    "page not exported": ({"pages/s0007.html": None}, None),
    "XHTML that is not well-formed": ({"pages/s0007.html": None, "pages/s0007.xhtml": page(
        "Фокус", "<p>Фокус<br>линзы.</p>")}, None),
    "link leaving the edition": ({"index.html": page("С", '<a href="../outside.html">x</a>', "style.css")}, None),
}


def write(root, files):
    for name, content in files.items():
        path = os.path.join(root, name)
        if content is None:
            if os.path.exists(path):
                os.remove(path)
            continue
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(content if isinstance(content, bytes) else content.encode())


def main():
    driver = checker.start_driver()
    if not driver:
        return checker.SKIP
    work = tempfile.mkdtemp(prefix="plb-web-selftest-")
    wrong = 0
    try:
        root = os.path.join(work, "good")
        write(root, EDITION)
        write(work, {"outside.html": page("x", "x")})
        if checker.check_edition(driver, root, TEXTS):
            print("FAIL the sound edition did not pass")
            wrong += 1
        for name, (files, texts) in FAULTS.items():
            root = os.path.join(work, name.replace(" ", "-"))
            write(root, EDITION)
            write(root, files or {})
            changed = [dict(t, text=(texts or {}).get(i + 1, t["text"])) for i, t in enumerate(TEXTS)]
            print("-- " + name)
            if not checker.check_edition(driver, root, changed):
                print("FAIL the check missed: " + name)
                wrong += 1
    finally:
        driver.close()
        shutil.rmtree(work, ignore_errors=True)
    print("%d fault(s) missed" % wrong)
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main())
