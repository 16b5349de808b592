#!/usr/bin/python3
"""Reads the installed games as a screen reader does, over the AT-SPI bus.

Run inside a D-Bus session (dbus-run-session) on an X display; starts the
AT-SPI bus and each game with Qt's accessibility always on, reads the tree and
plays a few keys (xdotool):

  miny:   a 20 x 20 table of covered cells, the counter reading "54 miny" and
          the clock "0s"; after Tab, an arrow and Space the focused cell and
          the clock read otherwise; after N and F the counter reads "53 miny";
  pexeso: 36 places face down in a 6 x 6 table and the status bar's text;
          after an arrow and Space the place under the cursor names a motif.

    check_accessibility.py GAMES_FOLDER
"""
import os
import subprocess
import sys
import time

import gi
gi.require_version('Atspi', '2.0')
from gi.repository import Atspi  # noqa: E402
import pyatspi  # noqa: E402

games = sys.argv[1]
started = []
failures = []


def fail(message):
    print('FAIL: ' + message)
    failures.append(message)


def within(seconds, check):
    deadline = time.monotonic() + seconds
    while True:
        result = check()
        if result or time.monotonic() > deadline:
            return result
        time.sleep(0.1)


def start(command, **env):
    process = subprocess.Popen(command, env=dict(os.environ, **env),
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    started.append(process)
    return process


def application(name):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == name:
            app.set_cache_mask(Atspi.Cache.NONE)  # every read asks the program
            return app
    return None


def child(node, role, name=None):
    for c in node:
        if c.getRole() == role and (name is None or c.name == name):
            return c
    return None


def keys(title, *names):
    window = subprocess.run(['xdotool', 'search', '--sync', '--onlyvisible', '--name', '^%s$' % title],
                            capture_output=True, text=True, timeout=10).stdout.split()[0]
    subprocess.run(['xdotool', 'windowfocus', '--sync', window, 'key', *names], check=True, timeout=10)


def names(table):
    t = table.queryTable()
    return [t.getAccessibleAt(r, c).name for r in range(t.nRows) for c in range(t.nColumns)]


def shape(table):
    t = table.queryTable()
    return (t.nRows, t.nColumns)


def game(program, title, check):
    process = start([os.path.join(games, program)], QT_QPA_PLATFORM='xcb', QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1')
    app = within(10, lambda: application(program))
    frame = app and within(5, lambda: app.childCount and app[0])
    if not frame:
        fail('%s is not on the accessibility bus' % program)
    elif frame.getRole() != pyatspi.ROLE_FRAME or frame.name != title:
        fail('%s: the window is a %s named %r' % (program, frame.getRoleName(), frame.name))
    else:
        check(frame)
    process.terminate()
    process.wait()


def miny(frame):
    table = child(frame, pyatspi.ROLE_TABLE)
    if not table or shape(table) != (20, 20) or set(names(table)) != {'zakryté'}:
        return fail('miny: the field is not a 20 x 20 table of covered cells')
    for text in ('54 miny', '0s'):
        if not child(frame, pyatspi.ROLE_LABEL, text):
            fail('miny: no label reads %r' % text)
    # The first cell of a deal may hold a mine: then the clock stands, and N deals again.
    keys('Miny', 'Tab', 'Right')
    cell = table.queryTable().getAccessibleAt(0, 1)
    for _ in range(6):
        keys('Miny', 'space')
        if within(3, lambda: not child(frame, pyatspi.ROLE_LABEL, '0s')) or cell.name != 'zasažená mina':
            break
        keys('Miny', 'n')
    if cell.name == 'zakryté' or not cell.getState().contains(pyatspi.STATE_FOCUSED):
        fail('miny: the focused cell reads %r after Space' % cell.name)
    if child(frame, pyatspi.ROLE_LABEL, '0s'):
        fail('miny: the clock still reads 0s after Space')
    keys('Miny', 'n', 'f')
    if not within(3, lambda: child(frame, pyatspi.ROLE_LABEL, '53 miny')):
        fail('miny: the counter does not read 53 miny after N and F')


def pexeso(frame):
    table = child(frame, pyatspi.ROLE_TABLE)
    if not table or shape(table) != (6, 6) or set(names(table)) != {'rubem nahoru'}:
        fail('pexeso: the table is not 6 x 6 places face down')
    if not child(frame, pyatspi.ROLE_STATUS_BAR, 'N...nová hra'):
        fail('pexeso: no status bar reads N...nová hra')
    keys('Pexeso', 'Right', 'space')
    place = table and table.queryTable().getAccessibleAt(0, 0)
    if not place or not within(3, lambda: place.name not in ('rubem nahoru', 'prázdné místo')):
        fail('pexeso: the place under the cursor reads %r, not a motif' % (place and place.name))


try:
    start(['/usr/libexec/at-spi-bus-launcher', '--launch-immediately'])
    time.sleep(0.5)
    game('miny', 'Miny', miny)
    game('pexeso', 'Pexeso', pexeso)
finally:
    for process in started:
        process.terminate()
        process.wait()
if not failures:
    print('on the accessibility bus: both games read as tables of cells, labels and a status bar, and follow the keys')
sys.exit(1 if failures else 0)
