#!/usr/bin/python3
"""Reads the installed games over the AT-SPI bus, as a screen reader does.

Inside a D-Bus session on an X display: starts the AT-SPI bus, then each game
with Qt's accessibility always on, reads its tree and plays keys (xdotool).
miny must read as a 20 x 20 table of covered cells, "54 miny" and "0s"; after
Tab, an arrow and Space the focused cell and the clock read otherwise, after
N and F the counter reads "53 miny". pexeso must read as 6 x 6 places face
down and "N...nová hra"; after an arrow and Space the place names a motif.

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

started, failures = [], []


def fail(message):
    print('FAIL: ' + message)
    failures.append(message)


def within(seconds, check):
    deadline = time.monotonic() + seconds
    while not (result := check()) and time.monotonic() < deadline:
        time.sleep(0.1)
    return result


def start(*command, **env):
    started.append(subprocess.Popen(command, env=dict(os.environ, **env),
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))


def application(name):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == name:
            app.set_cache_mask(Atspi.Cache.NONE)  # every read asks the program
            return app
    return None


def window(program):
    app = application(program)
    frame = app and app.childCount and app[0]
    return frame if frame and (frame.getRole(), frame.name) == (pyatspi.ROLE_FRAME, program.capitalize()) else None


def child(node, role, name=None):
    return next((c for c in node if c.getRole() == role and name in (None, c.name)), None)


def keys(title, *names):
    window = subprocess.run(['xdotool', 'search', '--sync', '--onlyvisible', '--name', '^%s$' % title],
                            capture_output=True, text=True, timeout=10).stdout.split()[0]
    subprocess.run(['xdotool', 'windowfocus', '--sync', window, 'key', *names], check=True, timeout=10)


def table_reads(frame, rows, columns, name):
    table = child(frame, pyatspi.ROLE_TABLE)
    t = table and table.queryTable()
    return t if t and (t.nRows, t.nColumns) == (rows, columns) and all(
        t.getAccessibleAt(r, c).name == name for r in range(rows) for c in range(columns)) else None


def miny(frame):
    table = table_reads(frame, 20, 20, 'zakryté')
    if not table:
        return fail('miny: the field is not a 20 x 20 table of covered cells')
    for text in ('54 miny', '0s'):
        if not child(frame, pyatspi.ROLE_LABEL, text):
            fail('miny: no label reads %r' % text)
    keys('Miny', 'Tab', 'Right')
    cell = table.getAccessibleAt(0, 1)
    for _ in range(6):  # the first cell of a deal may hold a mine: then N deals again
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
    table = table_reads(frame, 6, 6, 'rubem nahoru')
    if not table:
        return fail('pexeso: the table is not 6 x 6 places face down')
    if not child(frame, pyatspi.ROLE_STATUS_BAR, 'N...nová hra'):
        fail('pexeso: no status bar reads N...nová hra')
    keys('Pexeso', 'Right', 'space')
    place = table.getAccessibleAt(0, 0)
    if not within(3, lambda: place.name not in ('rubem nahoru', 'prázdné místo')):
        fail('pexeso: the place under the cursor reads %r, not a motif' % place.name)


def bus_up():
    return 'boolean true' in subprocess.run(
        ['dbus-send', '--session', '--print-reply', '--dest=org.freedesktop.DBus', '/org/freedesktop/DBus',
         'org.freedesktop.DBus.NameHasOwner', 'string:org.a11y.Bus'], capture_output=True, text=True).stdout


try:
    start('/usr/libexec/at-spi-bus-launcher', '--launch-immediately')
    if not within(10, bus_up):  # a game started before would not find it
        fail('the accessibility bus did not come up')
    for program, check in (('miny', miny), ('pexeso', pexeso)):
        start(os.path.join(sys.argv[1], program), QT_QPA_PLATFORM='xcb', QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1')
        frame = within(10, lambda: window(program))
        if not frame:
            fail('%s is not a frame named %s on the accessibility bus' % (program, program.capitalize()))
        else:
            check(frame)
        game = started.pop()
        game.terminate()
        game.wait()
finally:
    for process in started:
        process.terminate()
        process.wait()
if not failures:
    print('on the accessibility bus: both games read as tables of cells, labels and a status bar, and follow the keys')
sys.exit(1 if failures else 0)
