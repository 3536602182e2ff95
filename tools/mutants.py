#!/usr/bin/env python3
"""Helper of tools/mutants.sh: reads tools/mutants.txt, plants one mutant in
the sources and puts them back, and reads CTest's JUnit report.

    mutants.py list                    id and description of every mutant
    mutants.py ids [ID,ID...]          the ids, one a line (checked against the file)
    mutants.py describe ID             the description of one mutant
    mutants.py apply ID BACKUPDIR      plant the mutant; prints the file changed,
                                       or "n/a" (exit 3) when no candidate fits
    mutants.py restore BACKUPDIR       put back every file that apply changed
    mutants.py failed JUNIT.xml        failing tests, one a line: "test<TAB>fn,fn"
    mutants.py targets CTEST.json      the executables of `ctest --show-only=json-v1`
    mutants.py programs CTEST.json     the same with their full paths

Run from the repository root.
"""

import json
import os
import re
import sys
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
MUTANTS_FILE = os.environ.get("MUTANTS_FILE", os.path.join(HERE, "mutants.txt"))


class Candidate:
    def __init__(self, path):
        self.path = path
        self.original = []
        self.replacement = []


class Mutant:
    def __init__(self, ident, description, line):
        self.id = ident
        self.description = description
        self.line = line
        self.candidates = []


def fail(message):
    sys.stderr.write("mutants.py: %s\n" % message)
    sys.exit(2)


def parse(path=MUTANTS_FILE):
    mutants = []
    current = None
    candidate = None
    with open(path, encoding="utf-8") as f:
        for number, raw in enumerate(f, 1):
            line = raw.rstrip("\n")
            where = "%s:%d" % (os.path.basename(path), number)
            if line.startswith("=="):
                m = re.match(r"==\s*([A-Za-z0-9_.-]+)\s*:\s*(.+)$", line)
                if not m:
                    fail("%s: expected '== id: description'" % where)
                if any(x.id == m.group(1) for x in mutants):
                    fail("%s: duplicate mutant id %s" % (where, m.group(1)))
                current = Mutant(m.group(1), m.group(2).strip(), number)
                mutants.append(current)
                candidate = None
            elif line.startswith("@"):
                if current is None:
                    fail("%s: candidate outside a mutant" % where)
                candidate = Candidate(line[1:].strip())
                current.candidates.append(candidate)
            elif line.startswith("-") or line.startswith("+"):
                if candidate is None:
                    fail("%s: edit line outside a candidate" % where)
                text = line[2:] if line[1:2] == " " else line[1:]
                (candidate.original if line[0] == "-" else candidate.replacement).append(text)
            elif line.strip() == "" or line.startswith("#"):
                continue
            else:
                fail("%s: cannot read this line" % where)
    for m in mutants:
        if not m.candidates:
            fail("mutant %s has no candidate" % m.id)
        for c in m.candidates:
            if not any(t.strip() for t in c.original):
                fail("mutant %s: a candidate for %s has no original text" % (m.id, c.path))
    return mutants


def pattern(original_lines):
    """A regex for the original text: white space runs match any white space."""
    text = "\n".join(t.strip() for t in original_lines).strip()
    pieces = re.split(r"\s+", text)
    return re.compile(r"\s+".join(re.escape(p) for p in pieces))


def find(mutants, ident):
    for m in mutants:
        if m.id == ident:
            return m
    fail("no mutant with id %s" % ident)


def manifest_path(backup):
    return os.path.join(backup, "MANIFEST")


def splice(source, start, end, replacement):
    """Replaces source[start:end] by the replacement lines, indented like the
    code around them; an empty replacement takes a line left blank with it."""
    line_start = source.rfind("\n", 0, start) + 1
    indent = re.match(r"[ \t]*", source[line_start:]).group(0)
    if not any(t.strip() for t in replacement):
        line_end = source.find("\n", end)
        line_end = len(source) if line_end < 0 else line_end + 1
        if (source[line_start:start] + source[end:line_end]).strip() == "":
            return source[:line_start] + source[line_end:]
        return source[:start] + source[end:]

    def width(t):
        return len(t) - len(t.lstrip(" "))

    # The replacement's lines keep their indentation relative to its first
    # line, which takes the place of the first line matched.
    lines = [t.rstrip() for t in replacement]
    base = len(indent) - width(lines[0]) if indent.strip(" ") == "" else None
    out = [lines[0].lstrip(" ")]
    for t in lines[1:]:
        if base is None or not t:
            out.append(indent + t.lstrip(" ") if t else "")
        else:
            out.append(" " * max(0, base + width(t)) + t.lstrip(" "))
    return source[:start] + "\n".join(out) + source[end:]


def apply(ident, backup):
    mutant = find(parse(), ident)
    for c in mutant.candidates:
        if not os.path.isfile(c.path):
            continue
        with open(c.path, encoding="utf-8", newline="") as f:
            source = f.read()
        matches = list(pattern(c.original).finditer(source))
        if len(matches) != 1:
            continue
        match = matches[0]
        mutated = splice(source, match.start(), match.end(), c.replacement)
        # Keep the original first; the manifest says what to put back.
        os.makedirs(backup, exist_ok=True)
        saved = os.path.join(backup, "files", c.path)
        if not os.path.exists(saved):  # else it already holds the file as it was
            os.makedirs(os.path.dirname(saved), exist_ok=True)
            with open(saved, "w", encoding="utf-8", newline="") as f:
                f.write(source)
            with open(manifest_path(backup), "a", encoding="utf-8") as f:
                f.write(c.path + "\n")
        with open(c.path, "w", encoding="utf-8", newline="") as f:
            f.write(mutated)
        print(c.path)
        return 0
    print("n/a")
    return 3


def restore(backup):
    manifest = manifest_path(backup)
    if not os.path.exists(manifest):
        return 0
    with open(manifest, encoding="utf-8") as f:
        paths = [p for p in f.read().splitlines() if p]
    for path in dict.fromkeys(paths):
        saved = os.path.join(backup, "files", path)
        with open(saved, encoding="utf-8", newline="") as f:
            text = f.read()
        # Written anew (not copied with its old time stamp): the build must
        # see the file as newer than the objects compiled from the mutant.
        with open(path, "w", encoding="utf-8", newline="") as f:
            f.write(text)
        os.remove(saved)
    os.remove(manifest)
    return 0


def failed(junit):
    tree = ET.parse(junit)
    for case in tree.iter("testcase"):
        status = case.get("status", "")
        bad = case.find("failure") is not None or case.find("error") is not None
        if not bad and status in ("fail", "failed", "notrun"):
            bad = True
        if not bad:
            continue
        out = case.findtext("system-out") or ""
        functions = []
        for m in re.finditer(r"^(?:FAIL!|XPASS)\s*:\s*[^:\s]+::([A-Za-z0-9_]+)\(", out, re.M):
            if m.group(1) not in functions:
                functions.append(m.group(1))
        if re.search(r"Received signal|Test function timed out|Process exited with code|Timeout", out):
            if not functions:
                functions.append("(crash or timeout)")
        print("%s\t%s" % (case.get("name"), ",".join(functions)))
    return 0


def targets(showonly, full_path=False):
    with open(showonly, encoding="utf-8") as f:
        data = json.load(f)
    # Only programs this build makes: a test run by a shell needs no target.
    build = os.path.dirname(os.path.dirname(os.path.abspath(showonly)))
    names = []
    for test in data.get("tests", []):
        command = test.get("command") or []
        if command and os.path.abspath(command[0]).startswith(build + os.sep):
            name = command[0] if full_path else os.path.basename(command[0])
            if name not in names:
                names.append(name)
    print("\n".join(names))
    return 0


def main(argv):
    if len(argv) < 2:
        fail("usage: see the top of this file")
    command, args = argv[1], argv[2:]
    if command == "list":
        for m in parse():
            print("%-22s %s" % (m.id, m.description))
        return 0
    if command == "ids":
        mutants = parse()
        if args and args[0]:
            wanted = [x for x in args[0].split(",") if x]
            for ident in wanted:
                find(mutants, ident)
            print("\n".join(wanted))
        else:
            print("\n".join(m.id for m in mutants))
        return 0
    if command == "describe" and len(args) == 1:
        print(find(parse(), args[0]).description)
        return 0
    if command == "apply" and len(args) == 2:
        return apply(args[0], args[1])
    if command == "restore" and len(args) == 1:
        return restore(args[0])
    if command == "failed" and len(args) == 1:
        return failed(args[0])
    if command == "targets" and len(args) == 1:
        return targets(args[0])
    if command == "programs" and len(args) == 1:
        return targets(args[0], full_path=True)
    fail("unknown command or wrong arguments: %s" % " ".join(argv[1:]))


if __name__ == "__main__":
    sys.exit(main(sys.argv))
