#!/usr/bin/env python3
"""Compiles Letterloom's help file from the pages in this folder.

Usage: make_help.py CHMCMD WORK_DIR OUTPUT_CHM

The sources are written in UTF-8. The help viewer reads the contents tree, the index and
the title in the ANSI code page of the file's language (Chinese, PRC: GBK), so every text
file is copied into WORK_DIR in GBK, with its declared character set changed to match,
compiled there with chmcmd and the result copied to OUTPUT_CHM.
"""

import os
import shutil
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
PROJECT = "Letterloom.hhp"
TEXT_SUFFIXES = (".hhp", ".hhc", ".hhk", ".html", ".css")


def source_files():
    for folder, _, names in os.walk(HERE):
        for name in sorted(names):
            if name.endswith(TEXT_SUFFIXES):
                yield os.path.relpath(os.path.join(folder, name), HERE)


def copy_as_gbk(relative, work_dir):
    with open(os.path.join(HERE, relative), encoding="utf-8") as f:
        text = f.read().replace("charset=utf-8", "charset=gb2312")
    target = os.path.join(work_dir, relative)
    os.makedirs(os.path.dirname(target), exist_ok=True)
    # CR LF, as the help tools of the platform write them.
    with open(target, "w", encoding="gbk", newline="\r\n") as f:
        f.write(text)


def main(chmcmd, work_dir, output):
    shutil.rmtree(work_dir, ignore_errors=True)
    for relative in source_files():
        copy_as_gbk(relative, work_dir)
    result = subprocess.run([chmcmd, "--no-html-scan", PROJECT], cwd=work_dir,
                            stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                            encoding="utf-8", errors="replace")
    compiled = os.path.join(work_dir, "Letterloom.chm")
    if result.returncode != 0 or not os.path.isfile(compiled):
        sys.stderr.write(result.stdout)
        sys.stderr.write("make_help.py: chmcmd did not make %s\n" % compiled)
        return 1
    os.makedirs(os.path.dirname(os.path.abspath(output)), exist_ok=True)
    shutil.copyfile(compiled, output)
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
