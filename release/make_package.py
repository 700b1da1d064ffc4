#!/usr/bin/env python3
"""The player package: a ZIP with vlcfg.exe and the player's guide in
Japanese and English, named after the version.

  make_package.py --version V --exe vlcfg.exe --guide-ja F --guide-en F
                  --source-dir DIR --out vlcfg-V.zip
  make_package.py --check --version V --exe vlcfg.exe --out vlcfg-V.zip

The same inputs always give the same bytes: the entries come in a fixed
order with fixed attributes, and every entry carries one time, that of the
sources (SOURCE_DATE_EPOCH, else the last commit, else 2000-01-01). The
version must be the one in the executable's version resource.

The Japanese guide is stored in Shift-JIS, as a Japanese Windows opens it;
the English one in UTF-8 with a byte-order mark, because it quotes the
tool's Japanese texts. Both have CRLF line ends.
"""
import argparse
import os
import re
import struct
import subprocess
import sys
import time
import zipfile
from pathlib import Path

FALLBACK_EPOCH = 946684800  # 2000-01-01 00:00:00 UTC
FIXED_FILE_INFO_SIGNATURE = struct.pack("<I", 0xFEEF04BD)
FILE_ATTRIBUTE_ARCHIVE = 0x20
EXE_NAME = "vlcfg.exe"
GUIDE_JA = "readme_ja.txt"
GUIDE_EN = "readme_en.txt"


def resource_version(exe_bytes):
    """'a.b.c.d' from the file version of the executable's version resource."""
    at = exe_bytes.find(FIXED_FILE_INFO_SIGNATURE)
    if at < 0:
        raise ValueError("the executable has no version resource")
    ms, ls = struct.unpack_from("<II", exe_bytes, at + 8)
    return f"{ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}"


def source_epoch(source_dir):
    if os.environ.get("SOURCE_DATE_EPOCH"):
        return int(os.environ["SOURCE_DATE_EPOCH"])
    try:
        out = subprocess.run(["git", "-C", str(source_dir), "log", "-1", "--format=%ct"],
                             check=True, capture_output=True, text=True).stdout.strip()
        return int(out)
    except (OSError, subprocess.CalledProcessError, ValueError):
        return FALLBACK_EPOCH


def guide_text(path, version):
    text = Path(path).read_text(encoding="utf-8").replace("@VERSION@", version)
    return text.replace("\r\n", "\n").replace("\n", "\r\n")


def package_entries(args, exe):
    return [
        (EXE_NAME, exe),
        (GUIDE_JA, guide_text(args.guide_ja, args.version).encode("cp932")),
        (GUIDE_EN, b"\xef\xbb\xbf" + guide_text(args.guide_en, args.version).encode("utf-8")),
    ]


def write_package(out, entries, epoch):
    # DOS times hold even seconds from 1980 on.
    stamp = time.gmtime(max(epoch, 315532800))[:6]
    temporary = Path(str(out) + ".tmp")
    with zipfile.ZipFile(temporary, "w") as archive:
        for name, data in entries:
            info = zipfile.ZipInfo(name, date_time=stamp)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.create_system = 0  # MS-DOS attributes
            info.external_attr = FILE_ATTRIBUTE_ARCHIVE
            archive.writestr(info, data, compresslevel=9)
    temporary.replace(out)


def check_package(args, exe):
    """Problems with a built package, as a list of texts."""
    problems = []
    expected_name = f"vlcfg-{args.version}.zip"
    if Path(args.out).name != expected_name:
        problems.append(f"the package is named {Path(args.out).name}, not {expected_name}")
    with zipfile.ZipFile(args.out) as archive:
        names = archive.namelist()
        if names != [EXE_NAME, GUIDE_JA, GUIDE_EN]:
            return problems + [f"entries {names}"]
        if archive.testzip() is not None:
            problems.append("a damaged entry")
        if len({info.date_time for info in archive.infolist()}) != 1:
            problems.append("the entries carry different times")
        if archive.read(EXE_NAME) != exe:
            problems.append("its vlcfg.exe is not the built one")
        guides = {GUIDE_JA: archive.read(GUIDE_JA).decode("cp932"),
                  GUIDE_EN: archive.read(GUIDE_EN).decode("utf-8-sig")}
    for name, text in guides.items():
        if f"{args.version}" not in text.splitlines()[0]:
            problems.append(f"{name} does not name version {args.version} on its first line")
        if re.search(r"(?<!\r)\n", text):
            problems.append(f"{name} has a line end without CR")
        # Every message the guide quotes must be the tool's own text.
        for quoted in re.findall(r"「([^」]*)」", text):
            if quoted.encode("cp932") not in exe:
                problems.append(f"{name} quotes a text the tool does not have: {quoted}")
    return problems


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--version", required=True)
    parser.add_argument("--exe", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--guide-ja")
    parser.add_argument("--guide-en")
    parser.add_argument("--source-dir", default=".")
    parser.add_argument("--check", action="store_true")
    args = parser.parse_args()

    exe = Path(args.exe).read_bytes()
    found = resource_version(exe)
    if found != args.version:
        print(f"make_package: the version resource says {found}, the project {args.version}", file=sys.stderr)
        return 1
    if args.check:
        problems = check_package(args, exe)
        for problem in problems:
            print(f"make_package: {problem}", file=sys.stderr)
        return 1 if problems else 0
    if not (args.guide_ja and args.guide_en):
        parser.error("--guide-ja and --guide-en are needed to build the package")
    write_package(args.out, package_entries(args, exe), source_epoch(args.source_dir))
    return 0


if __name__ == "__main__":
    sys.exit(main())
