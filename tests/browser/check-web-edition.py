#!/usr/bin/env python3
"""Opens every page of a web edition in headless Chromium and checks it.

For each exported page (and the contents document) the browser must report no
console error, every link and every file the page loads must exist in the
edition (anchors inside pages too), every picture must have loaded (natural
width above 0, SVG pictures and CSS backgrounds included), and every word of
the book's page must appear in the text the browser shows, in the same order.

  check-web-edition.py --plbtool PLBTOOL [--epub] BOOK...
                                export each book (a .plb file or a source folder)
                                and check it; --epub: its EPUB's documents too
  check-web-edition.py --edition DIR --texts TEXTS.json
                                                  check an edition made elsewhere

TEXTS.json is what `plbtool text BOOK.plb --json` prints. Exit status 0 when
every check passes, 1 when one fails, 2 for a usage error, 77 when Chromium or
its WebDriver is not installed.
"""

import argparse
import html.parser
import json
import os
import re
import shutil
import socket
import subprocess
import sys
import tempfile
import time
import urllib.error
import urllib.parse
import urllib.request
import zipfile

SKIP = 77
CHROMIUM = ["/usr/lib/chromium/chromium", "/usr/bin/chromium"]
CHROMEDRIVER = ["/usr/bin/chromedriver", "/usr/lib/chromium/chromedriver"]
# Exported pages are named after their number: pages/p0012.html, sub-pages s0100.html.
PAGE_NAME = re.compile(r"^([ps])0*(\d+)(?:[-_].*)?$")


class WebDriver:
    """The few WebDriver commands the check needs, spoken over HTTP."""

    def __init__(self, driver, browser):
        with socket.socket() as s:
            s.bind(("127.0.0.1", 0))
            self.port = s.getsockname()[1]
        self.process = subprocess.Popen(
            [driver, "--port=%d" % self.port],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.base = "http://127.0.0.1:%d" % self.port
        self.session = None
        deadline = time.time() + 30
        while True:
            try:
                if self.call("GET", "/status").get("ready"):
                    break
            except (OSError, urllib.error.URLError):
                pass
            if time.time() > deadline or self.process.poll() is not None:
                self.close()
                raise RuntimeError("chromedriver did not start")
            time.sleep(0.1)
        options = {
            "binary": browser,
            "args": ["--headless=new", "--no-sandbox", "--disable-gpu",
                     "--disable-dev-shm-usage", "--autoplay-policy=user-gesture-required",
                     "--window-size=1024,768"],
        }
        caps = {"capabilities": {"alwaysMatch": {
            "browserName": "chrome", "goog:chromeOptions": options,
            "goog:loggingPrefs": {"browser": "ALL"},
            "timeouts": {"pageLoad": 30000, "script": 30000}}}}
        self.session = self.call("POST", "/session", caps)["sessionId"]

    def call(self, method, path, body=None):
        data = json.dumps(body).encode() if body is not None else None
        request = urllib.request.Request(
            self.base + path, data=data, method=method,
            headers={"Content-Type": "application/json"})
        try:
            with urllib.request.urlopen(request, timeout=60) as response:
                return json.loads(response.read().decode())["value"]
        except urllib.error.HTTPError as error:
            value = json.loads(error.read().decode()).get("value", {})
            raise RuntimeError("WebDriver %s %s: %s" % (method, path, value.get("message")))

    def open(self, url):
        self.call("POST", "/session/%s/url" % self.session, {"url": url})

    def run(self, script, *args):
        return self.call("POST", "/session/%s/execute/async" % self.session,
                         {"script": script, "args": list(args)})

    def console(self):
        return self.call("POST", "/session/%s/se/log" % self.session, {"type": "browser"})

    def close(self):
        if self.session:
            try:
                self.call("DELETE", "/session/%s" % self.session)
            except (OSError, RuntimeError, urllib.error.URLError):
                pass
        self.process.terminate()
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()


# Runs in the page once it has loaded: waits for the pictures still loading
# (CSS backgrounds are loaded anew to learn their size), then reports the
# shown text, the links, the files the page loads and the pictures' sizes.
PAGE_REPORT = r"""
const done = arguments[arguments.length - 1];
const load = (src) => new Promise((resolve) => {
  const img = new Image();
  img.onload = () => resolve([src, img.naturalWidth]);
  img.onerror = () => resolve([src, 0]);
  img.src = src;
});
const attr = (el, name) => el.getAttribute(name) || el.getAttribute('xlink:' + name);
const absolute = (value) => new URL(value, document.baseURI).href;
(async () => {
  await Promise.all([...document.images].map((img) => img.decode().catch(() => {})));
  const pictures = [...document.images].map((img) => [img.currentSrc || img.src, img.naturalWidth]);
  const backgrounds = new Set();
  for (const el of document.querySelectorAll('*')) {
    const style = getComputedStyle(el).backgroundImage;
    for (const m of style.matchAll(/url\("?([^")]*)"?\)/g)) backgrounds.add(m[1]);
  }
  for (const result of await Promise.all([...backgrounds].map(load))) pictures.push(result);
  for (const el of document.querySelectorAll('svg image')) {
    const href = attr(el, 'href');
    if (href) pictures.push(await load(absolute(href)));
  }
  const links = [...document.querySelectorAll('a')].filter((a) => attr(a, 'href'))
      .map((a) => absolute(attr(a, 'href')));
  const files = [...document.querySelectorAll('[src], link[href], object[data]')]
      .map((el) => absolute(el.getAttribute('src') || el.getAttribute('href') ||
                            el.getAttribute('data')));
  const ids = [...document.querySelectorAll('[id], a[name]')].map((el) => el.id || el.name);
  // An XHTML document that is not well-formed XML shows a parser error.
  const error = document.querySelector('parsererror');
  done({text: document.body ? document.body.innerText : '', links, files, pictures, ids,
        parseError: error ? error.textContent : null});
})();
"""


class IdCollector(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.ids = set()

    def handle_starttag(self, tag, attrs):
        for name, value in attrs:
            if name == "id" or (tag == "a" and name == "name"):
                self.ids.add(value)


def ids_of(path, cache):
    if path not in cache:
        collector = IdCollector()
        with open(path, encoding="utf-8", errors="replace") as f:
            collector.feed(f.read())
        cache[path] = collector.ids
    return cache[path]


def squeeze(text):
    """Text without white space (line breaks of the two renderings differ)."""
    return re.sub(r"[\s\u00ad]+", "", text)


def squeeze_with_bounds(text):
    """The squeezed text, and the places in it where white space was: the
    starts and ends of the words the browser shows."""
    kept = []
    bounds = {0}
    for ch in text:
        if ch.isspace():
            bounds.add(len(kept))
        elif ch != "\u00ad":
            kept.append(ch)
    bounds.add(len(kept))
    return "".join(kept), bounds


def missing_words(expected, shown):
    """The first word of expected not found, in order, in the shown text.

    A word matches where a shown word starts, or right after the word before
    it (words the browser shows joined); it must end where a shown word ends
    or where the next word follows on. So a short word is not found inside a
    longer one."""
    haystack, bounds = squeeze_with_bounds(shown)
    words = expected.split()
    at = 0
    joined = False  # the word before ended inside a shown word: this one must follow on
    for index, word in enumerate(words):
        needle = squeeze(word)
        found = haystack.find(needle, at)
        while found >= 0 and not (found == at or (found in bounds and not joined)):
            found = -1 if joined else haystack.find(needle, found + 1)
        if found < 0:
            return word, index
        at = found + len(needle)
        joined = at not in bounds
    if joined:
        return words[-1], len(words) - 1
    return None


def local_path(url, root):
    """The file a file: URL names and its fragment, or None for other schemes."""
    parts = urllib.parse.urlsplit(url)
    if parts.scheme != "file":
        return None
    return os.path.realpath(urllib.parse.unquote(parts.path)), urllib.parse.unquote(parts.fragment)


def check_page(driver, root, path, expected, id_cache):
    """Problems of one page, as lines."""
    problems = []
    driver.console()  # drops what earlier pages logged
    driver.open("file://" + urllib.parse.quote(path))
    report = driver.run(PAGE_REPORT)
    if report["parseError"]:
        problems.append("not well-formed: " + " ".join(report["parseError"].split()))
    for entry in driver.console():
        if entry.get("level") == "SEVERE":
            problems.append("console error: " + entry.get("message", ""))
    for url in report["links"] + report["files"]:
        target = local_path(url, root)
        if target is None:
            continue  # web addresses are outside the edition
        file, fragment = target
        if not (file == root or file.startswith(root + os.sep)):
            problems.append("leaves the edition: " + url)
        elif not os.path.isfile(file):
            problems.append("missing file: " + url)
        elif fragment and file.endswith((".html", ".xhtml")):
            ids = set(report["ids"]) if file == path else ids_of(file, id_cache)
            if fragment not in ids:
                problems.append("missing anchor: " + url)
    for src, width in report["pictures"]:
        if not width:
            problems.append("picture not loaded: " + src)
    if expected is not None:
        missing = missing_words(expected, report["text"])
        if missing:
            problems.append("word %d \"%s\" of the page's text is not shown in order" %
                            (missing[1] + 1, missing[0]))
    return problems


def page_key(path):
    match = PAGE_NAME.match(os.path.splitext(os.path.basename(path))[0])
    return (match.group(1) == "s", int(match.group(2))) if match else None


def check_edition(driver, root, texts):
    """Checks every page of the edition at root; returns the number of problems."""
    root = os.path.realpath(root)
    pages = {}
    for folder, _, names in os.walk(root):
        for name in names:
            if name.endswith((".html", ".xhtml")):
                pages[os.path.join(folder, name)] = None
    by_key = {(t["subPage"], t["number"]): t["text"] for t in texts}
    failures = 0
    for path in sorted(pages):
        key = page_key(path)
        if key is None:
            continue  # the contents, an EPUB's navigation or notes: no page's words
        if key not in by_key:
            print("FAIL %s: no page of the book has this name" % os.path.relpath(path, root))
            failures += 1
            continue
        pages[path] = by_key.pop(key)
    for (sub, number) in sorted(by_key):
        print("FAIL the book's %s %d was not exported" % ("sub-page" if sub else "page", number))
        failures += 1
    id_cache = {}
    for path, expected in sorted(pages.items()):
        problems = check_page(driver, root, path, expected, id_cache)
        print("%s %s" % ("FAIL" if problems else "ok  ", os.path.relpath(path, root)))
        for problem in problems:
            print("     " + problem)
        failures += len(problems)
    return failures


def check_epub(driver, plbtool, book, out, texts):
    """Packs the book as an EPUB and checks its content documents as pages
    (Chromium reads .xhtml files as XML, as reading systems do)."""
    print("== %s as EPUB" % book)
    epub = out + ".epub"
    packed = subprocess.run([plbtool, "export", book, "--epub", epub],
                            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    if packed.returncode:
        print("FAIL plbtool export --epub: " + packed.stderr.strip())
        return 1
    with zipfile.ZipFile(epub) as archive:
        archive.extractall(out + "-epub")
        container = archive.read("META-INF/container.xml").decode()
    package = re.search(r'full-path="([^"]+)"', container).group(1)
    return check_edition(driver, os.path.join(out + "-epub", os.path.dirname(package)), texts)


def start_driver():
    """A WebDriver session of headless Chromium, or None (said why) when it is missing."""
    found = [next((p for p in paths if os.access(p, os.X_OK)), None)
             for paths in (CHROMEDRIVER, CHROMIUM)]
    if not all(found):
        print("skipped: chromium and chromedriver are needed (scripts/install-deps.sh)")
        return None
    return WebDriver(*found)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--plbtool")
    parser.add_argument("--edition")
    parser.add_argument("--texts")
    parser.add_argument("--epub", action="store_true",
                        help="also pack each book as an EPUB and check its documents")
    parser.add_argument("books", nargs="*")
    args = parser.parse_args()
    if bool(args.edition) == bool(args.plbtool and args.books) or \
            (args.edition and (not args.texts or args.books)):
        parser.print_usage(sys.stderr)
        return 2

    driver = start_driver()
    if not driver:
        return SKIP
    failures = 0
    work = tempfile.mkdtemp(prefix="plb-web-")
    try:
        if args.edition:
            with open(args.texts, encoding="utf-8") as f:
                failures += check_edition(driver, args.edition, json.load(f))
        for book in args.books:
            print("== " + book)
            out = os.path.join(work, os.path.splitext(os.path.basename(book.rstrip("/")))[0])
            if os.path.isdir(book):  # a book's source folder: packed first
                packed = subprocess.run([args.plbtool, "pack", book, "-o", out + ".plb"],
                                        capture_output=True, text=True)
                if packed.returncode:
                    print("FAIL plbtool pack: " + packed.stderr.strip())
                    failures += 1
                    continue
                book = out + ".plb"
            export = subprocess.run([args.plbtool, "export", book, "-o", out],
                                    stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
            texts = subprocess.run([args.plbtool, "text", book, "--json"],
                                   capture_output=True, text=True)
            if export.returncode or texts.returncode:
                print("FAIL plbtool: " + (export.stderr or texts.stderr).strip())
                failures += 1
                continue
            failures += check_edition(driver, out, json.loads(texts.stdout))
            if args.epub:
                failures += check_epub(driver, args.plbtool, book, out, json.loads(texts.stdout))
    finally:
        driver.close()
        shutil.rmtree(work, ignore_errors=True)
    print("%d problem(s)" % failures)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
