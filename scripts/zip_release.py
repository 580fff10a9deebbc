#!/usr/bin/env python3
"""Writes one release zip whose bytes depend only on what goes in.

    zip_release.py ZIP VERSION ARCH EPOCH PROGRAM HELP_FOLDER NOTICE GUIDE

Holds brisko.exe, help/..., NOTICE and the Japanese guide (made from the
template GUIDE: @VERSION@ and @ARCH@ filled in, UTF-8 with a BOM and CRLF line
ends, as Notepad on every Windows reads it). Entries go in sorted by name,
each dated EPOCH (the commit's time, UTC) with the same permissions; the
guide's Japanese name is stored as UTF-8 with the UTF-8 flag set, which
Explorer honours.
"""
import os
import sys
import time
import zipfile


def crlf(text):
    return text.replace("\r\n", "\n").replace("\n", "\r\n")


def main():
    out, version, arch, epoch, program, help_folder, notice, guide = sys.argv[1:]
    entries = {"brisko.exe": open(program, "rb").read()}
    for name in sorted(os.listdir(help_folder)):
        entries[f"help/{name}"] = open(os.path.join(help_folder, name), "rb").read()
    entries["NOTICE"] = crlf(open(notice, encoding="utf-8").read()).encode("utf-8")
    text = open(guide, encoding="utf-8").read().replace("@VERSION@", version).replace("@ARCH@", arch)
    entries[os.path.basename(guide)] = b"\xef\xbb\xbf" + crlf(text).encode("utf-8")
    # DOS dates start in 1980 and have two-second steps.
    stamp = max(time.gmtime(int(epoch))[:6], (1980, 1, 1, 0, 0, 0))
    partial = out + ".part"
    with zipfile.ZipFile(partial, "w") as z:
        for name in sorted(entries):
            info = zipfile.ZipInfo(name, date_time=stamp)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.create_system = 3
            info.external_attr = 0o100644 << 16
            z.writestr(info, entries[name], compresslevel=9)
    os.replace(partial, out)


if __name__ == "__main__":
    main()
