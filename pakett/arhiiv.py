#!/usr/bin/env python3
"""Packs what a folder holds into a .zip or a .tar.gz that is the same bytes wherever, whenever
and by whomever it is made: the entries sorted by name, every time the last commit's
(SOURCE_DATE_EPOCH when it is set), owned by root, with modes 0755 (folders and programs), 0777
(links) or 0644, and nothing else of the files kept (no extra fields in a zip, no name or time
in the gzip header).

    pakett/arhiiv.py ARCHIVE FOLDER     (the archive's kind from its name's end)
"""
import gzip
import io
import os
import stat
import subprocess
import sys
import tarfile
import time
import zipfile


def aeg():
    """The time of every entry: SOURCE_DATE_EPOCH, or the last commit's, or now."""
    if os.environ.get("SOURCE_DATE_EPOCH"):
        return int(os.environ["SOURCE_DATE_EPOCH"])
    allikas = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    try:
        return int(subprocess.run(["git", "-C", allikas, "log", "-1", "--format=%ct"],
                                  capture_output=True, check=True, text=True).stdout)
    except (OSError, ValueError, subprocess.CalledProcessError):
        print("arhiiv.py: no git history: the entries are dated now", file=sys.stderr)
        return int(time.time())


def kirjed(kaust):
    """(name, path) of everything under the folder, folders before what they hold, sorted."""
    koik = []
    for juur, kaustad, failid in os.walk(kaust):
        for nimi in kaustad + failid:
            tee = os.path.join(juur, nimi)
            koik.append((os.path.relpath(tee, kaust).replace(os.sep, "/"), tee))
    return sorted(koik, key=lambda k: k[0].encode())


def mood(tee):
    """0755 for a folder or a program, 0777 for a link, 0644 for anything else."""
    s = os.lstat(tee)
    if stat.S_ISLNK(s.st_mode):
        return 0o777
    return 0o755 if stat.S_ISDIR(s.st_mode) or s.st_mode & 0o111 else 0o644


def tar_gz(arhiiv, kaust, aeg):
    puhver = io.BytesIO()
    with tarfile.open(fileobj=puhver, mode="w", format=tarfile.GNU_FORMAT) as tar:
        for nimi, tee in kirjed(kaust):
            kirje = tar.gettarinfo(tee, nimi)
            kirje.mtime, kirje.mode = aeg, mood(tee)
            kirje.uid = kirje.gid = 0
            kirje.uname = kirje.gname = "root"
            if kirje.isreg():
                with open(tee, "rb") as f:
                    tar.addfile(kirje, f)
            else:
                tar.addfile(kirje)
    with open(arhiiv, "wb") as valja:
        with gzip.GzipFile(filename="", mode="wb", compresslevel=9, fileobj=valja, mtime=aeg) as g:
            g.write(puhver.getvalue())


def zip_(arhiiv, kaust, aeg):
    with zipfile.ZipFile(arhiiv, "w") as z:
        for nimi, tee in kirjed(kaust):
            if os.path.isdir(tee):
                continue  # a file's name holds its folders
            if os.path.islink(tee):
                sys.exit(f"arhiiv.py: {tee} is a link, which a zip does not hold")
            kirje = zipfile.ZipInfo(nimi, time.gmtime(aeg)[:6])
            kirje.create_system = 3  # Unix, so that the mode below counts
            kirje.external_attr = (stat.S_IFREG | mood(tee)) << 16
            kirje.compress_type = zipfile.ZIP_DEFLATED
            with open(tee, "rb") as f:
                z.writestr(kirje, f.read(), compresslevel=9)


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: pakett/arhiiv.py ARCHIVE.zip|ARCHIVE.tar.gz FOLDER")
    arhiiv, kaust = sys.argv[1:]
    if arhiiv.endswith(".zip"):
        zip_(arhiiv, kaust, aeg())
    elif arhiiv.endswith(".tar.gz"):
        tar_gz(arhiiv, kaust, aeg())
    else:
        sys.exit(f"arhiiv.py: {arhiiv} is neither .zip nor .tar.gz")


main()
