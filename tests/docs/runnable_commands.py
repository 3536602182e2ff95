#!/usr/bin/env python3
"""Runs the commands that README.md and doc/DEVELOPMENT.md mark as runnable,
in a fresh clone of the repository's last commit, and checks the documents'
links.

  runnable_commands.py ROOT            clone ROOT's HEAD into a temporary folder
  runnable_commands.py --here ROOT     use ROOT as it stands (no clone)
  runnable_commands.py --list ROOT     print the runnable blocks, run nothing

A runnable block is a ```sh fence on the line right after the marker
<!-- runnable -->. The blocks run in document order (README.md first), each
in a bash of its own (-e -o pipefail) from the clone's root, with a home
folder of their own. Any block that ends with a status other than 0 fails
the test. A relative link or picture in README.md, doc/DEVELOPMENT.md or
bench/README.md that points to no file of the repository fails it too.
Exits 77 (skipped) when ROOT is not a git checkout or git is missing."""
import os
import re
import shutil
import subprocess
import sys
import tempfile

DOCS = ('README.md', 'doc/DEVELOPMENT.md')
LINKED_DOCS = DOCS + ('bench/README.md',)
MARKER = '<!-- runnable -->'
SKIP = 77


def blocks(path):
    """(line number, text) of each runnable block of the document at `path`."""
    with open(path, encoding='utf-8') as f:
        lines = f.read().split('\n')
    found, i = [], 0
    while i < len(lines):
        if lines[i].strip() == MARKER:
            if i + 1 >= len(lines) or lines[i + 1].strip() != '```sh':
                raise SystemExit(f'{path}:{i + 1}: {MARKER} is not followed by a ```sh block')
            end = i + 2
            while end < len(lines) and lines[end].strip() != '```':
                end += 1
            if end == len(lines):
                raise SystemExit(f'{path}:{i + 2}: the runnable block never ends')
            found.append((i + 3, '\n'.join(lines[i + 2:end])))
            i = end
        i += 1
    return found


def broken_links(root):
    """Relative links of the documents that lead to no file of the repository."""
    bad, root = [], os.path.abspath(root)
    for doc in LINKED_DOCS:
        path = os.path.join(root, doc)
        if not os.path.exists(path):
            continue
        text = open(path, encoding='utf-8').read()
        # Leave out code: fenced blocks and inline spans.
        text = re.sub(r'```.*?```', '', text, flags=re.S)
        text = re.sub(r'`[^`\n]*`', '', text)
        for m in re.finditer(r'!?\[[^\]]*\]\(([^)\s]+)\)', text):
            target = m.group(1).split('#')[0]
            if not target or re.match(r'^[a-z][a-z0-9+.-]*:', target):
                continue
            full = os.path.normpath(os.path.join(os.path.dirname(path), target))
            inside = os.path.commonpath([full, root]) == root
            if not inside or not os.path.exists(full):
                bad.append(f'{doc}: link to {m.group(1)} leads to no file of the repository')
    return bad


def main(argv):
    mode = 'clone'
    if argv and argv[0] in ('--here', '--list'):
        mode = argv.pop(0)[2:]
    if len(argv) != 1:
        print(__doc__, file=sys.stderr)
        return 2
    root = os.path.abspath(argv[0])

    todo = [(doc, line, text) for doc in DOCS for line, text in blocks(os.path.join(root, doc))]
    if mode == 'list':
        for doc, line, text in todo:
            print(f'--- {doc}:{line}\n{text}')
        return 0
    if not todo:
        print(f'FAIL: no block of {", ".join(DOCS)} is marked {MARKER}')
        return 1

    tmp = tempfile.mkdtemp(prefix='lullara-docs.')
    try:
        work = root
        if mode == 'clone':
            if not shutil.which('git') or subprocess.run(['git', '-C', root, 'rev-parse', 'HEAD'],
                                                         capture_output=True).returncode != 0:
                print(f'SKIP: {root} is not a git checkout')
                return SKIP
            work = os.path.join(tmp, 'clone')
            head = subprocess.run(['git', '-C', root, 'rev-parse', 'HEAD'], capture_output=True,
                                  text=True, check=True).stdout.strip()
            subprocess.run(['git', 'clone', '--quiet', '--no-checkout', root, work], check=True)
            subprocess.run(['git', '-C', work, 'checkout', '--quiet', '--detach', head], check=True)
            print(f'clean clone of {head[:12]} in {work}', flush=True)
            # The blocks as committed, which may differ from the working tree's.
            todo = [(doc, line, text) for doc in DOCS for line, text in blocks(os.path.join(work, doc))]

        home = os.path.join(tmp, 'home')
        os.makedirs(home)
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, '.config'),
                   XDG_DATA_HOME=os.path.join(home, '.local', 'share'), XDG_RUNTIME_DIR=home)
        failures = broken_links(work)
        for doc, line, text in todo:
            print(f'--- {doc}:{line}\n{text}', flush=True)
            status = subprocess.run(['bash', '-e', '-o', 'pipefail', '-c', text], cwd=work, env=env).returncode
            if status != 0:
                failures.append(f'{doc}:{line}: the block ended with status {status}')
        for f in failures:
            print('FAIL:', f)
        print(f'{len(todo)} runnable blocks, {len(failures)} failures')
        return 1 if failures else 0
    finally:
        shutil.rmtree(tmp, ignore_errors=True)


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
