#!/usr/bin/env python3
"""Counts the secrets found in a running program's memory.

    memory-scan.py PID SECRETS_FILE [LABEL]

SECRETS_FILE holds one secret a line (UTF-8). Every readable mapping of the process that is not a
file of the system (libraries, fonts, locales) is read through /proc/PID/mem and searched for each
secret in UTF-8 and in UTF-16LE. Prints one line per secret found and the total count of secrets
found ('LABEL: N of M secrets found'); the caller judges the count. With QUORRIL_SCAN_CONTEXT=1 it
also prints the bytes around each find, to tell what holds it.
"""
import os
import sys


def readable_regions(pid):
    with open(f"/proc/{pid}/maps") as maps:
        for line in maps:
            fields = line.split(maxsplit=5)
            start, end = (int(x, 16) for x in fields[0].split("-"))
            perms = fields[1]
            path = fields[5].strip() if len(fields) > 5 else ""
            if not perms.startswith("r") or path in ("[vvar]", "[vsyscall]"):
                continue
            # The system's files are the same for every process: no secret of this one is in them.
            if path.startswith(("/usr/", "/lib", "/etc/", "/var/cache/")) and "w" not in perms:
                continue
            yield start, end, path


def main():
    pid = int(sys.argv[1])
    with open(sys.argv[2], encoding="utf-8") as f:
        secrets = [line.rstrip("\n") for line in f if line.strip()]
    label = sys.argv[3] if len(sys.argv) > 3 else "scan"
    needles = {}
    for secret in secrets:
        needles[secret] = [secret.encode("utf-8"), secret.encode("utf-16-le")]
    found = {secret: [0, 0] for secret in secrets}
    where = {}
    with open(f"/proc/{pid}/mem", "rb", buffering=0) as mem:
        for start, end, path in readable_regions(pid):
            try:
                mem.seek(start)
                data = mem.read(end - start)
            except (OSError, OverflowError, ValueError):
                continue
            for secret, (utf8, utf16) in needles.items():
                for index, needle in enumerate((utf8, utf16)):
                    hits = data.count(needle)
                    if hits and os.environ.get("QUORRIL_SCAN_CONTEXT") == "1":
                        at = data.find(needle)
                        while at >= 0:
                            print(f"  {secret!r} at {start + at:#x}: {data[max(0, at - 48):at + len(needle) + 48]!r}")
                            at = data.find(needle, at + 1)
                    if hits:
                        found[secret][index] += hits
                        where.setdefault(secret, set()).add(path or "[anonymous]")
    count = 0
    for secret, (utf8, utf16) in found.items():
        if utf8 or utf16:
            count += 1
            print(f"{label}: found {secret!r}: {utf8} as UTF-8, {utf16} as UTF-16LE in {sorted(where[secret])}")
    print(f"{label}: {count} of {len(secrets)} secrets found")
    return count


if __name__ == "__main__":
    main()
