#!/usr/bin/env python3
"""The error numbers the manual page explains are those the program can show.

  manpage_errors.py [ROOT]     ROOT: the repository (default: two folders up)

The program's numbers are its named failure constants in src/ (k...Err... =
N: the name files' failure numbers, the run's and the printer's). The manual
page's are the numbered items of its DIAGNOSTICS section (.TP, then .B N).
The README's table of numbers, where it has one, may hold only the
program's numbers. Exits 1 on any difference, naming it."""
import os
import re
import sys

root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..')
failures = []


def read(path):
    with open(path, encoding='utf-8', errors='replace') as f:
        return f.read()


# The program: every constant named k<...>Err<...> with a number.
code = {}
for d, _, files in os.walk(os.path.join(root, 'src')):
    for f in sorted(files):
        if f.endswith(('.h', '.cpp')):
            path = os.path.join(d, f)
            for m in re.finditer(r'\b(k[A-Z]\w*)\s*=\s*(\d+)\b', read(path)):
                if 'Err' in m.group(1):
                    code.setdefault(int(m.group(2)), f'{m.group(1)} in {os.path.relpath(path, root)}')
if not code:
    failures.append('no failure numbers (k...Err... = N) found in src/')

# The manual page: the numbered items of DIAGNOSTICS.
page = read(os.path.join(root, 'doc', 'lullara.1')).splitlines()
section, items, previous = None, [], ''
for line in page:
    if line.startswith('.SH'):
        section = line[3:].strip().strip('"')
    elif section == 'DIAGNOSTICS' and previous.startswith('.TP'):
        m = re.fullmatch(r'\.B\s+(\d+)', line.strip())
        if m:
            items.append(int(m.group(1)))
    previous = line
if not items:
    failures.append('doc/lullara.1 has no numbered items (.TP, .B N) under DIAGNOSTICS')
manual = set(items)
for n in sorted(set(code) - manual):
    failures.append(f'error {n} ({code[n]}) is not explained under DIAGNOSTICS in doc/lullara.1')
for n in sorted(manual - set(code)):
    failures.append(f'doc/lullara.1 explains error {n}, which the program never shows')
for n in sorted({n for n in items if items.count(n) > 1}):
    failures.append(f'doc/lullara.1 explains error {n} twice')

# The README: rows of a table that start with a number, in a section about errors.
readme = os.path.join(root, 'README.md')
if os.path.exists(readme):
    for n in sorted({int(m.group(1)) for m in re.finditer(r'^\|\s*(\d+)\s*\|', read(readme), re.M)}):
        if n not in code:
            failures.append(f'README.md lists error {n}, which the program never shows')

for f in failures:
    print('FAIL:', f)
print(f'{len(code)} error numbers in the program: {", ".join(str(n) for n in sorted(code))}')
sys.exit(1 if failures else 0)
