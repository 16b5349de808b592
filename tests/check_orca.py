#!/usr/bin/python3
"""Plays the installed games by keys under the screen reader Orca and checks what it says.

Inside a D-Bus session on an X display: starts the AT-SPI bus, a speech
server whose voice goes nowhere, and Orca at its default settings; then each
game, with Qt's accessibility always on. Each row of a table sends keys to
the game (xdotool) and matches what Orca says after them against patterns it
must and must not match. pexeso is played to the win on what Orca says alone,
miny until a press ends the game. --transcript prints what Orca said, key by key.

Orca writes its debug log to a terminal of this check's, where it flushes every
line. What it says after a key is what it logs from the key on, once it has
handled the key's press and every event it queued, and then has logged nothing
for a moment; what it says while handling a key is the key's own echo, left out.
(Orca hears of a key from the program that has the keyboard: the release of a
key that closes a message box reaches no one.)

    check_orca.py [--transcript] GAMES_FOLDER
"""
import itertools
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import tty

# What the games make Orca say.
COVERED, FLAG, QUESTION, UNCHANGED, NEW = 'zakryté', 'vlajka', 'otazník', 'beze změny', 'Nová hra'
CLOCK, OVER = r'\b\d+s\b', r'prohra|výhra'
DIGIT = r'(?<!sloupec )(?<!řádek )\b[1-8]\b'  # a cell's number, not its place
PRESS = '|'.join((DIGIT, r'prázdné.*odkrytých polí: \d+', 'zasažená mina.*prohra', 'výhra', UNCHANGED))
FACE_DOWN, PAIR, NO_PAIR = 'rubem nahoru', r'(?<!není )\bpár\b', r'není pár'
TAKEN, BACK, WIN_BOX = 'pár odebrán', 'otočeny zpět', 'Blahopřeji k výhře!'
MOTIF, PLACE = r'([^\W\d]+(?: a [^\W\d]+)?) (1[0-8]|[1-9])\b', r'sloupec (\d+), řádek (\d+)\b'
AT, MINES, AGAIN = r'sloupec %s, řádek %s\b', r'\b%d min[ey]?\b', '(%s.*){%d}'  # AGAIN: so many times after one key

# Keys, what Orca must say after them, what it must not; PLAY: the game played on by its player.
PLAY = None
MINY = [('Tab', [COVERED, AT % (1, 1)], [AGAIN % (COVERED, 3)]),
        ('Right', [COVERED, AT % (2, 1)], [AGAIN % (COVERED, 2)]),
        ('Down', [AT % (2, 2)], [AGAIN % (COVERED, 2)]),
        ('f', [FLAG, MINES % 53]),
        ('space', [UNCHANGED]),
        ('f', [QUESTION, MINES % 54]),
        ('f', [COVERED]),
        ('s', [MINES % 54, CLOCK]),
        ('n', [NEW, MINES % 54], [AGAIN % (COVERED, 3)]),
        ('F2', [NEW, MINES % 54], [AGAIN % (COVERED, 3)]),
        ('ctrl+Home', [AT % (1, 1)]),
        PLAY,  # Space, and on to the next cell, row by row there and back, until the game ends
        ('shift+Tab', ['54 miny', 'check box']),
        ('space', ['not checked', NEW, MINES % 27])]
PEXESO = [('Right', [FACE_DOWN, AT % (r'\d', 1)], [AGAIN % (FACE_DOWN, 2)]),
          PLAY,  # Tab from place to place, Space to turn a card or end a turn, to the win
          ('n', [NEW])]
SETTLE, TIMEOUT = 0.4, 15

started, failures = [], []
transcript = '--transcript' in sys.argv
games = [a for a in sys.argv[1:] if a != '--transcript'][0]


def fail(message):
    print('FAIL: ' + message)
    failures.append(message)


def within(seconds, check):
    deadline = time.monotonic() + seconds
    while not (result := check()) and time.monotonic() < deadline:
        time.sleep(0.05)
    return result


def start(*command, out=subprocess.DEVNULL, **env):
    started.append(subprocess.Popen(command, env=dict(os.environ, **env), stdout=out, stderr=out))


def end(process):  # Orca, idle in its main loop, may not see a signal until its next event
    process.terminate()
    try:
        process.wait(5)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def spoken(said, between=' | '):  # "x | x | x" as "x ×3"
    return between.join(u + (' ×%d' % n if n > 1 else '') for u, n in
                        ((u, len(list(same))) for u, same in itertools.groupby(said.split(between))))


class Orca:
    """Orca's debug log as Orca writes it. Written to a terminal, the log is flushed line by line."""

    def __init__(self, prefs, out):
        master, self.terminal = os.openpty()
        tty.setraw(self.terminal)
        self.speech, self.presses, self.queued, self.last = [], 0, 0, time.monotonic()
        threading.Thread(target=self.read, args=(master,), daemon=True).start()
        start('orca', '-u', prefs, '--debug-file=' + os.ttyname(self.terminal), out=out)
        self.process = started[-1]

    def read(self, master):
        in_key = False  # what Orca says while it handles a key is the key's echo
        for line in open(master, encoding='utf-8', errors='replace'):
            self.last = time.monotonic()
            if line.startswith(('vvvvv PROCESS ATSPI_KEY_', '^^^^^ PROCESS ATSPI_KEY_')):
                in_key = line.startswith('v')
                self.presses += line.startswith('^^^^^ PROCESS ATSPI_KEY_PRESSED')
            elif re.search(' - EVENT MANAGER: (Queueing|Dequeued) ', line):
                self.queued += 1 if ' Queueing ' in line else -1
            elif pruned := re.search(r' - EVENT MANAGER: \d+ events pruned\. New size: (\d+)', line):
                self.queued = int(pruned[1])
            elif (said := re.search(r" - SPEECH OUTPUT: '(.*?)'(?: voice=\w+)?\{.*\}$", line)) and not in_key:
                self.speech.append(said[1])

    def after(self, keys):
        """What Orca says after the keys (xdotool's names): once it has handled each key's press
        and every event in its queue, and then has gone quiet for a moment."""
        heard, presses = len(self.speech), self.presses
        subprocess.run(['xdotool', 'key', *keys.split()], check=True, timeout=10)
        if not within(TIMEOUT, lambda: self.presses - presses >= len(keys.split()) and not self.queued
                      and time.monotonic() - self.last > SETTLE):
            fail('Orca has not done with %s in %d s' % (spoken(keys, ' '), TIMEOUT))
            if self.process.poll() is not None:
                sys.exit('FAIL: Orca has ended')
        return self.heard(keys, heard)

    def heard(self, keys, since):
        said = ' | '.join(self.speech[since:])
        if transcript:
            print('  %-10s %s' % (spoken(keys, ' '), spoken(said)))
        return said


def check(game, keys, said, must=(), must_not=()):
    for pattern, wanted in [(p, True) for p in must] + [(p, False) for p in must_not]:
        if bool(re.search(pattern, said, re.S)) != wanted:
            fail('%s: after %s Orca %s /%s/: %s' % (game, spoken(keys, ' '), 'does not say' if wanted else 'says',
                                                    pattern, spoken(said)))
    return said


def row(game, keys, must=(), must_not=()):
    return check(game, keys, orca.after(keys), must, must_not)


def miny(_):
    for cell in range(400):
        said = row('miny', 'space', [PRESS])
        if re.search(OVER, said) or not re.search(PRESS, said, re.S):
            return
        r, c = divmod(cell, 20)
        row('miny', 'Down' if c == 19 else 'Left' if r % 2 else 'Right')


def pexeso(before):
    """Wins by what Orca says alone: learns the motif of each card turned and turns known pairs."""
    place = re.search(PLACE, before)  # the cursor's place, as the row before said it
    place = (int(place[2]) - 1) * 6 + int(place[1]) - 1 if place else 0
    seen, left = {}, set(range(36))  # the motif Orca said of each place turned; the places with a card

    def turn(to):  # Tab: the next place row by row, round to the first
        nonlocal place
        on, back = (to - place) % 36, (place - to) % 36
        if on:
            row('pexeso', ' '.join(['Tab'] * on if on <= back else ['shift+Tab'] * back), [FACE_DOWN])
        place = to
        return orca.after('space')

    def learn(said):  # the motif of the card under the cursor
        seen[place] = next((m[0] for m in re.finditer(MOTIF, said) if m[1] not in ('sloupec', 'řádek')), None)
        if not seen[place]:
            fail('pexeso: Orca names no motif on turning a card: ' + spoken(said))
        return seen[place]

    while left:
        known = [p for p in left for q in left - {p} if seen.get(p) and seen[p] == seen.get(q)]
        card = learn(turn(min(known or left - seen.keys())))
        first, partner = place, [q for q in left - {place} if card and seen.get(q) == card]
        said = turn(min(partner or left - seen.keys() - {first}))
        if len(left) == 2:  # the box at once, the last card at the latest once it is closed
            said = check('pexeso', 'space', said, [WIN_BOX]) + ' | ' + row('pexeso', 'Return')
        card2 = learn(said)
        if not (card and card2):
            return
        check('pexeso', 'space', said, [PAIR if card == card2 else NO_PAIR])
        row('pexeso', 'space', [TAKEN if card == card2 else BACK])
        left -= {first, place} if card == card2 else set()


for tool in ('orca', 'speech-dispatcher', 'xdotool'):
    if not shutil.which(tool):
        sys.exit('FAIL: %s is missing (./go test installs it)' % tool)
try:
    scratch = tempfile.mkdtemp()
    config, runtime, prefs = (os.path.join(scratch, d) for d in ('config', 'runtime', 'prefs'))
    for folder in (config + '/speech-dispatcher', runtime, prefs):
        os.makedirs(folder, mode=0o700)
    with open(config + '/speech-dispatcher/speechd.conf', 'w') as conf:  # no synthesizer, no sound card
        conf.write('AddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\n'
                   'AudioOutputMethod "alsa"\nAudioALSADevice "null"\n')
    os.environ.update(XDG_CONFIG_HOME=config, XDG_RUNTIME_DIR=runtime)
    start('/usr/libexec/at-spi-bus-launcher', '--launch-immediately')
    start('speech-dispatcher', '--run-single', '--timeout', '0')
    within(10, lambda: os.path.exists(runtime + '/speech-dispatcher/speechd.sock'))
    with open(scratch + '/orca.log', 'w+') as out:
        # Orca runs once per user: another check's Orca (a second test run, say) is waited for,
        # not replaced, since --replace ends every Orca of the user, on any display.
        if not within(600, lambda: subprocess.run(['pgrep', '-u', str(os.getuid()), '-x', 'orca'],
                                                   stdout=subprocess.DEVNULL).returncode):
            sys.exit('FAIL: another Orca of this user has run for ten minutes')
        orca = Orca(prefs, out)
        if not within(TIMEOUT, lambda: 'Screen reader on.' in orca.speech):
            out.seek(0)
            sys.exit('FAIL: Orca did not start (is another Orca of this user running?) ' + out.read())
    for program, title, rows, play in (('miny', 'Miny', MINY, miny), ('pexeso', 'Pexeso', PEXESO, pexeso)):
        if transcript:
            print(program)
        heard = len(orca.speech)
        start(os.path.join(games, program), QT_QPA_PLATFORM='xcb', QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1')
        window = subprocess.run(['xdotool', 'search', '--sync', '--onlyvisible', '--name', '^%s$' % title],
                                capture_output=True, text=True, timeout=10).stdout.split()
        # The keyboard to the window, as a click would bring it; the keys then go where it is.
        subprocess.run(['xdotool', 'windowfocus', '--sync', *window[:1]], timeout=10)
        if not within(TIMEOUT, lambda: '%s frame.' % title in orca.speech[heard:]):
            fail('%s: Orca does not say its window, %s' % (program, title))
        else:
            within(TIMEOUT, lambda: not orca.queued and time.monotonic() - orca.last > SETTLE)
            said = orca.heard('(start)', heard)
            for r in rows:
                said = play(said) if r is PLAY else row(program, *r)
        end(started.pop())
finally:
    for process in reversed(started):
        end(process)
    shutil.rmtree(scratch, ignore_errors=True)
if not failures:
    print('under Orca: both games say what each key does, and pexeso is won by ear')
sys.exit(1 if failures else 0)
