#!/usr/bin/env python3
"""Checks the layering of src/.

  tools/layers.py [ROOT]      ROOT: the repository (default: the one this script is in)

Two rules:
  1. every member function is defined in the folder of its class's header;
  2. the folders below the windows (generator, names, output, shell) never
     include a header of ui/ or app/, neither in a .cpp nor in a .h.

Prints each break (the first 15) and their count; exits 1 when there is any,
2 when ROOT has no src/ folder. doc/DEVELOPMENT.md describes the layers.
"""
import os
import re
import sys

BELOW = ('generator', 'names', 'output', 'shell')
TOP = ('ui', 'app')

root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), '..')
src = os.path.join(root, 'src')
if not os.path.isdir(src):
    print(f'{src}: no such folder', file=sys.stderr)
    sys.exit(2)


def read(path):
    with open(path, errors='replace') as f:
        return f.read()


def sources(*endings):
    for d, _, fs in os.walk(src):
        for f in sorted(fs):
            if f.endswith(endings):
                yield os.path.join(d, f), os.path.relpath(d, src)


# Where each class is declared: the folder of its header.
cls_home = {}
for path, folder in sources('.h'):
    for m in re.finditer(r'^\s*class\s+(\w+)\s*(?:final\s*)?:', read(path), re.M):
        cls_home.setdefault(m.group(1), folder)

include_up = re.compile(r'#\s*include\s+"((?:%s)/[^"]+)"' % '|'.join(TOP))
bad = []
for path, folder in sources('.cpp', '.h'):
    text = read(path)
    shown = os.path.relpath(path, root)
    if path.endswith('.cpp'):
        for m in re.finditer(r'^[\w:<>\*&\s]*?\b(\w+)::~?\w+\s*\(', text, re.M):
            c = m.group(1)
            if c in cls_home and cls_home[c] != folder:
                bad.append(f'{shown} defines {c}:: (class lives in src/{cls_home[c]})')
    if folder.split(os.sep)[0] in BELOW:
        for m in include_up.finditer(text):
            bad.append(f'{shown} includes {m.group(1)}')

uniq = sorted(set(bad))
for b in uniq[:15]:
    print(b)
print(f'{len(uniq)} layering breaks')
sys.exit(1 if uniq else 0)
