"""Lullara as a screen reader meets it, through AT-SPI.

Usage: accessibility.py APP-DIR OUT-DIR
Run inside a D-Bus session of its own (dbus-run-session), with DISPLAY set.
Starts the program from APP-DIR, walks its accessibility tree, presses F6 and
listens to the announcements of the run (five names at one a second, the
defaults of a first start). Exit status 0 when all is as expected.
"""
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

APP_DIR, OUT = sys.argv[1], sys.argv[2]
faults = []


def log(text):
    print(text, flush=True)


def walk(node, depth=0, found=None):
    """Every object of the tree as (role, name, states, object)."""
    found = [] if found is None else found
    try:
        states = {pyatspi.stateToString(s) for s in node.getState().getStates()}
        found.append((node.getRoleName(), node.name, states, node))
        count = node.childCount
    except Exception:  # an object that went while we looked
        return found
    # The rows of the name boxes and selectors are many and say nothing new.
    if node.getRoleName() == 'list' and count > 20:
        count = 3
    for i in range(count):
        child = node.getChildAtIndex(i)
        if child is not None:
            walk(child, depth + 1, found)
    return found


def lullara():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name == 'Lullara':
            for i in range(app.childCount):
                window = app.getChildAtIndex(i)
                if window is not None and window.name == 'Lullara v2.0':
                    return window
    return None


# The a11y bus comes up at the first question, before the program starts, so
# the program finds it at once.
pyatspi.Registry.getDesktop(0)
env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1')
env.pop('NO_AT_BRIDGE', None)
app_log = open(os.path.join(OUT, 'app.log'), 'a')
program = subprocess.Popen(['./lullara'], cwd=APP_DIR, env=env, stdout=app_log, stderr=app_log)
try:
    window = None
    end = time.time() + 30
    while window is None and time.time() < end:
        time.sleep(0.3)
        window = lullara()
    if window is None:
        log('FAIL: no window "Lullara v2.0" in the accessibility tree')
        sys.exit(1)
    time.sleep(0.5)

    tree = walk(window)
    with open(os.path.join(OUT, 'tree.txt'), 'w') as f:
        for role, name, states, _ in tree:
            f.write(f'{role}\t{name}\t{",".join(sorted(states))}\n')
    have = {(role, name) for role, name, _, _ in tree}

    # Every control a user meets, with the role a reader says and a name.
    wanted = [('frame', 'Lullara v2.0'), ('image', 'About Lullara'),
              ('panel', "Boys' list"), ('panel', "Girls' list"),
              ('radio button', 'Boy'), ('radio button', 'Girl'),
              ('list', "List of boys' names"), ('list', "List of girls' names"),
              ('text', "Chosen boys' name"), ('text', "Chosen girls' name"),
              ('push button', "Add boy's name"), ('push button', "Add girl's name"),
              ('label', 'Drawn number'), ('label', 'Drawn name'),
              ('label', 'Create names:'), ('label', 'Timer interval:'),
              ('panel', 'Only choose/show name that start with :'),
              ('radio button', 'All names'), ('text', 'Letter in force'),
              ('panel', 'Generated list and its commands'), ('list', 'Generated names'),
              ('label', 'Names in the list'), ('push button', 'Clear'),
              ('push button', 'Select all'), ('push button', 'Deselect all'),
              ('push button', 'Go'), ('check box', 'Pause'), ('push button', 'Stop'),
              ('push button', 'Save All As...'), ('push button', 'Save Selected As...'),
              ('push button', 'eMail Names'), ('push button', 'Copy All'),
              ('push button', 'Copy Selected'), ('push button', 'Print'),
              ('status bar', 'Status bar'), ('label', 'Status'),
              ('push button', 'Author web site'), ('progress bar', 'Run progress'),
              ('label', 'Lottery announcements')]
    wanted += [('radio button', f'Names starting with {chr(65 + i)}') for i in range(26)]
    for want in wanted:
        if want not in have:
            faults.append(f'no {want[0]} named "{want[1]}"')

    # The two selectors are named by the labels before them (a combo box's
    # own name is its value on this platform).
    for label in ('Create names:', 'Timer interval:'):
        named = False
        for role, _, _, node in tree:
            if role != 'combo box':
                continue
            for relation in node.getRelationSet():
                if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                    named |= any(relation.getTarget(i).name == label for i in range(relation.getNTargets()))
        if not named:
            faults.append(f'no combo box labelled by "{label}"')

    # Nothing a user can reach is without a name, the list rows apart.
    for role, name, states, _ in tree:
        if 'showing' in states and 'focusable' in states and not name and role not in ('list item', 'combo box'):
            faults.append(f'a {role} without a name')

    # A run of five names, one a second: each added name is said once, then
    # the finished text; nothing repeats ten times a second.
    heard = []

    def on_name(event):
        # Qt hands the object itself along with the event; its name is the news.
        try:
            said = (event.source.getRoleName(), event.source.name)
        except Exception:
            return
        heard.append(said)
        if said[1].startswith('Finished.'):
            GLib.timeout_add(1500, pyatspi.Registry.stop)

    def press_f6():
        wid = subprocess.run(['xdotool', 'search', '--onlyvisible', '--name', r'^Lullara v2\.0$'],
                             capture_output=True, text=True).stdout.split()
        if wid:
            subprocess.run(['xdotool', 'windowactivate', '--sync', wid[0]], timeout=10)
            time.sleep(0.3)
            subprocess.run(['xdotool', 'key', 'F6'], timeout=10)
        return False

    pyatspi.Registry.registerEventListener(on_name, 'object:property-change:accessible-name')
    GLib.timeout_add(500, press_f6)
    GLib.timeout_add(30000, pyatspi.Registry.stop)
    pyatspi.Registry.start()
    with open(os.path.join(OUT, 'heard.txt'), 'w') as f:
        f.writelines(f'{role}\t{text}\n' for role, text in heard)

    added = [text for _, text in heard if re.fullmatch(r'.+, \d+ of 5', text)]
    counts = [int(re.search(r', (\d+) of 5$', text).group(1)) for text in added]
    if counts != [1, 2, 3, 4, 5]:
        faults.append(f'announced names {added}, wanted five, counted 1 to 5')
    if not heard or heard[-1][1] != 'Finished. 5 names added successfully.':
        faults.append('the run\'s end was not announced last: ' + repr(heard[-1:]))
    if len(heard) > 8:
        faults.append(f'{len(heard)} name changes during a run of five names')

    # The generated rows, in the order they were announced, each with a
    # check box a reader tells: ticked by "Select all", every row says so.
    def generated_rows():
        lists = [node for role, name, _, node in walk(window) if role == 'list' and name == 'Generated names']
        node = lists[0]
        return [(node.getChildAtIndex(i).name,
                 {pyatspi.stateToString(x) for x in node.getChildAtIndex(i).getState().getStates()})
                for i in range(node.childCount)]

    rows = generated_rows()
    if [name for name, _ in rows] != [text.rsplit(', ', 1)[0] for text in added]:
        faults.append(f'generated rows {rows} differ from the announced names')
    if any('checked' in states for _, states in rows):
        faults.append(f'a row is ticked before "Select all": {rows}')
    select_all = [node for role, name, _, node in walk(window) if role == 'push button' and name == 'Select all']
    select_all[0].queryAction().doAction(0)
    time.sleep(0.5)
    rows = generated_rows()
    if not rows or not all('checked' in states for _, states in rows):
        faults.append(f'rows not ticked after "Select all": {rows}')
finally:
    program.terminate()
    try:
        program.wait(5)
    except subprocess.TimeoutExpired:
        program.kill()

for fault in faults:
    log('FAIL: ' + fault)
sys.exit(1 if faults else 0)
