#!/usr/bin/env python3
"""Reads the built help file back with Free Pascal's chmls: every page of the sources is in it,
the contents tree names each page and nothing that is missing, and the title, tree and default
topic are in GBK, as the help viewer reads them.

Usage: check_help_file.py LETTERLOOM_CHM HELP_SOURCE_DIR
"""

import os
import re
import subprocess
import sys
import tempfile


def chmls(*args):
    return subprocess.run(["chmls", *args], check=True, stdout=subprocess.PIPE,
                          stderr=subprocess.DEVNULL).stdout


def extract(chm, name, folder):
    target = os.path.join(folder, os.path.basename(name))
    chmls("extract", chm, name, target)
    with open(target, "rb") as f:
        return f.read()


def main(chm, sources):
    failures = []
    stored = {line.strip() for line in chmls("-n", "list", chm).decode("latin-1").splitlines()}
    pages = sorted("/pages/" + name for name in os.listdir(os.path.join(sources, "pages")))
    failures += ["%s is not in the help file" % page for page in pages if page not in stored]

    with tempfile.TemporaryDirectory() as folder:
        tree = extract(chm, "/Letterloom.hhc", folder).decode("gbk")
        system = extract(chm, "/#SYSTEM", folder)
    linked = {"/" + target for target in re.findall(r'name="Local" value="([^"]+)"', tree)}
    failures += ["the contents tree links to the missing %s" % p for p in linked - stored]
    failures += ["the contents tree leaves out %s" % p
                 for p in pages if p.endswith(".html") and p not in linked]
    for expected in ('value="Letterloom 简介"', 'value="字符映射表与缓冲区"'):
        if expected not in tree:
            failures.append("the contents tree lacks %s" % expected)
    for expected in ("Letterloom 帮助".encode("gbk"), b"pages/index.html"):
        if expected not in system:
            failures.append("the file's settings lack %r" % expected)

    for failure in failures:
        print(failure)
    print("%d pages, %d tree links, %d failures" % (len(pages), len(linked), len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]) if len(sys.argv) == 3 else __doc__)
