#!/usr/bin/python3
"""Plays the real cabinet the way a screen reader does: over AT-SPI, by the accessible
objects' names and actions, never through the game's own code. It inserts credit and spins
until one spin has lost and one has won, gambling the win and taking it.

Usage: play_by_screen_reader.py GAME_BINARY WORK_FOLDER [LANGUAGE]
LANGUAGE (en, de) is the system's language the game starts in; it is heard in that language.
Run it on an X display with a session bus (xvfb-run ... dbus-run-session -- ...)."""

import configparser
import json
import os
import re
import signal
import subprocess
import sys
import time

try:
    import pyatspi
    from gi.repository import GLib
except ImportError:
    print("SKIP: no pyatspi for /usr/bin/python3 (Debian's python3-pyatspi)")
    sys.exit(77)

SYMBOLS = {"captain", "ship", "skull", "flag", "cutlass", "coin", "parrot", "pistol",
           "cannon", "map", "wild", "jollyroger", "chest"}
# What a German player hears for each English word the play listens for.
GERMAN = {
    "Insert Credit": "Geld einwerfen", "Select Lines": "Linien wählen",
    "Bet Per Line": "Einsatz je Linie", "SPIN": "DREHEN", "GAMBLE": "RISIKO",
    "AUTO On/Off": "AUTO Ein/Aus", "OPTIONS": "OPTIONEN", "MENU": "MENÜ",
    "Credit": "Guthaben", "Total Bet": "Gesamteinsatz", "No Win": "Kein Gewinn", "Win": "Gewinn",
    "Reels": "Walzen", "Top": "Obere", "Middle": "Mittlere", "Bottom": "Untere", "row": "Reihe",
    "Session": "Sitzung", "Your Session": "Deine Sitzung", "Games": "Spiele",
    "Close": "Schließen", "Gamble": "Risikospiel", "At Risk": "im Risiko",
    "Bet on Red": "Auf Rot setzen", "Bet on Black": "Auf Schwarz setzen",
    "Bet on Hearts": "Auf Herz setzen", "Take Win": "Beute sichern", "Collect": "Einsacken",
    ", free spins": ", Freispiele", ", jackpot feature": ", Jackpot-Runde",
    "captain": "Kapitän", "ship": "Schiff", "skull": "Totenkopf", "flag": "Flagge",
    "cutlass": "Entermesser", "coin": "Münze", "parrot": "Papagei", "pistol": "Pistole",
    "cannon": "Kanone", "map": "Schatzkarte", "wild": "Joker", "jollyroger": "Jolly Roger",
    "chest": "Schatztruhe",
}
LUCK = {
    "en": r"(Luckier|Less lucky) than (about \d+ %% of sessions|almost every session) "
          r"of %d games?\.$",
    "de": r"(Mehr|Weniger) Glück als (etwa \d+ %% der Sitzungen|fast jede Sitzung) "
          r"mit %d Spiel(en)?\.$",
}
language = "en"
announcements = []


def t(word):
    return GERMAN.get(word, word) if language == "de" else word


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def pump(seconds):
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def wait_for(what, condition, seconds=20):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        value = condition()
        if value:
            return value
        pump(0.1)
    fail("timed out waiting for " + what)


def find_application(name):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name.lower() == name:
            return app
    return None


def descendants(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def by_name(window, role, name):
    for node in descendants(window):
        if node.getRole() == role and node.name == name:
            return node
    fail("no %s named %r" % (role, name))


# A meter is named by its box and what it shows: "Credit: 5000".
def meter(window, name):
    for node in descendants(window):
        if node.getRole() == pyatspi.ROLE_LABEL and node.name.startswith(name + ": "):
            return node
    fail("no meter named %r" % name)


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def press(button):
    action = button.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        fail("%r offers no Press action: %r" % (button.name, names))
    action.doAction(names.index("Press"))


def on_showing(event):
    if event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
        announcements.append(event.source.name)


def main():
    global language
    binary, work = sys.argv[1], sys.argv[2]
    language = sys.argv[3] if len(sys.argv) > 3 else "en"
    for sub in ("home", "config"):
        os.makedirs(os.path.join(work, sub), exist_ok=True)
    env = dict(os.environ, HOME=os.path.join(work, "home"),
               XDG_CONFIG_HOME=os.path.join(work, "config"), QT_QPA_PLATFORM="xcb",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", SDL_AUDIODRIVER="dummy",
               LANGUAGE=language, LANG="de_DE.UTF-8" if language == "de" else "C.UTF-8")
    for inherited in ("LC_ALL", "LC_MESSAGES"):
        env.pop(inherited, None)
    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
    game = subprocess.Popen([binary], env=env)
    try:
        play(os.path.join(work, "config", "Quorvel", "quorvel.ini"))
    finally:
        game.send_signal(signal.SIGTERM)
        try:
            game.wait(10)
        except subprocess.TimeoutExpired:
            game.kill()


def play(ini):
    app = wait_for("the game on the accessibility bus", lambda: find_application("quorvel"))
    frames = (pyatspi.ROLE_FRAME, pyatspi.ROLE_WINDOW)
    window = wait_for("the main screen", lambda: next(
        (w for w in app if w is not None and w.getRole() in frames), None))
    buttons = [n.name for n in descendants(window)
               if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and showing(n)]
    print("Buttons: " + ", ".join(buttons))
    for name in map(t, ("Insert Credit", "Select Lines", "Bet Per Line", "SPIN", "GAMBLE",
                        "AUTO On/Off", "OPTIONS", "MENU")):
        if name not in buttons:
            fail("the main screen lists no button %r" % name)

    credit = meter(window, t("Credit"))
    before = int(text_of(credit))
    press(by_name(window, pyatspi.ROLE_PUSH_BUTTON, t("Insert Credit")))
    wait_for("the inserted credit", lambda: int(text_of(credit)) == before + 5000)
    wait_for("the credit announced",
             lambda: "%s %d" % (t("Credit"), before + 5000) in announcements)

    # Spins until one wins, so both the offered and the refused gamble are tried.
    tried = set()
    for game in range(1, 9):
        win = spin(window, credit, ini, game)
        if win is None:
            continue
        gamble_after_spin(window, credit, win)
        tried.add(min(win, 1))
        if tried == {0, 1}:
            break
    read_session(app, window, game)
    print("1 passed, 0 failed")


# One spin by its SPIN button; the credit, the win and the reels as AT-SPI reads them agree
# with the record the game keeps of the game in its settings file.
def spin(window, credit, ini, game):
    stake = int(text_of(meter(window, t("Total Bet"))))
    before = int(text_of(credit))
    del announcements[:]
    press(by_name(window, pyatspi.ROLE_PUSH_BUTTON, t("SPIN")))
    said = wait_for("the spin's result", lambda: next(
        (a for a in announcements if a == t("No Win") or a.startswith(t("Win") + " ")), None), 60)
    if t(", free spins") in said or t(", jackpot feature") in said:
        return play_feature_out(window, game, said)
    match = re.match(t("Win") + r" (\d+)", said)
    win = int(match.group(1)) if match else 0
    # The credit meter takes the win once the win meter has counted it up.
    after = before - stake + win
    wait_for("the credit meter to read %d - %d + %d" % (before, stake, win),
             lambda: int(text_of(credit)) == after)
    print("Game %d: said %r; credit %d -> %d at a stake of %d" % (game, said, before, after, stake))
    recall = wait_for("the game's record", lambda: recorded(ini, game))
    if (recall["bb"], recall["ba"], recall["w"]) != (before, after, win):
        fail("the game recorded %r; AT-SPI read credit %d -> %d and a win of %d"
             % (recall, before, after, win))

    reels = by_name(window, pyatspi.ROLE_IMAGE, t("Reels"))
    places = [t(p) for p in ("Top", "Middle", "Bottom")]
    rows = re.findall(r"(%s) %s: ([^.]*)" % ("|".join(places), t("row")), reels.description)
    symbols = [s.strip() for _, row in rows for s in row.split(",")]
    print("Reels: " + reels.description)
    if [r for r, _ in rows] != places or len(symbols) != 15:
        fail("the reel description names no three rows of five: %r" % reels.description)
    if not set(symbols) <= set(map(t, SYMBOLS)):
        fail("the reels name unknown symbols: %r" % (set(symbols) - set(map(t, SYMBOLS))))
    return win


# The draw is the system's: free spins or the board may start. They play by themselves; a
# free-spin total waits for Collect. The game goes on once SPIN is offered again.
def play_feature_out(window, game, said):
    print("Game %d: said %r; the feature plays out" % (game, said))

    def settled():
        collect = next((n for n in descendants(window) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON
                        and n.name == t("Collect") and showing(n)), None)
        if collect is not None:
            press(collect)
            return False
        spin_key = by_name(window, pyatspi.ROLE_PUSH_BUTTON, t("SPIN"))
        return spin_key.getState().contains(pyatspi.STATE_ENABLED)

    wait_for("the feature played out", settled, 180)
    pump(3)
    return None


# The menu's Session entry opens the session window; its summary sentence and figures are
# read as a screen reader would, then Close gives the main screen back.
def read_session(app, window, games):
    press(by_name(window, pyatspi.ROLE_PUSH_BUTTON, t("MENU")))
    entry = wait_for("the menu's Session entry", lambda: next(
        (n for n in descendants(window) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON
         and n.name == t("Session") and showing(n)), None))
    press(entry)
    session = wait_for("the session window", lambda: next(
        (w for w in app if w is not None and w.name == t("Your Session")), None))
    pattern = LUCK[language] % games
    summary = wait_for("the session's summary", lambda: next(
        (n for n in descendants(session) if n.getRole() == pyatspi.ROLE_LABEL
         and re.match(pattern, n.name)), None))
    print("Session: " + summary.name)
    labels = [n.name for n in descendants(session) if n.getRole() == pyatspi.ROLE_LABEL]
    if "%s: %d" % (t("Games"), games) not in labels:
        fail("the session window counts no %d games: %r" % (games, labels))
    press(by_name(session, pyatspi.ROLE_PUSH_BUTTON, t("Close")))
    wait_for("the session window closed", lambda: not any(
        w is not None and w.name == t("Your Session") for w in app))


def recorded(ini, game):
    parser = configparser.ConfigParser(interpolation=None)
    try:
        parser.read(ini)
        if parser.get("player1", "games") != str(game):
            return None
        value = parser.get("player1", "recall1")
    except (configparser.Error, OSError):
        return None
    if value.startswith('"'):
        value = value[1:-1].replace('\\"', '"')
    return json.loads(value) if value else None


# GAMBLE is offered only after a win; a press on it while disabled does nothing. Offered,
# it opens the panel, and Take Win puts the stake back into the credit.
def gamble_after_spin(window, credit, win):
    gamble = by_name(window, pyatspi.ROLE_PUSH_BUTTON, t("GAMBLE"))
    enabled = gamble.getState().contains(pyatspi.STATE_ENABLED)
    if enabled != (win > 0):
        fail("GAMBLE is %s after a win of %d" % ("enabled" if enabled else "disabled", win))
    credit_before = int(text_of(credit))
    del announcements[:]
    press(gamble)
    panel = by_name(window, pyatspi.ROLE_PANEL, t("Gamble"))
    if win == 0:
        pump(1.5)
        if announcements or showing(panel):
            fail("a press on the disabled GAMBLE opened the gamble: %r" % announcements)
        return
    wait_for("the gamble announced",
             lambda: "%s, %s %d" % (t("Gamble"), t("At Risk"), win) in announcements)
    wait_for("the gamble panel", lambda: showing(panel))
    bets = [n.name for n in descendants(panel)
            if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and showing(n)]
    print("Gamble offers: " + ", ".join(bets))
    for name in map(t, ("Bet on Red", "Bet on Black", "Bet on Hearts", "Take Win")):
        if name not in bets:
            fail("the gamble offers no %r" % name)
    if int(text_of(credit)) != credit_before - win:
        fail("the stake did not leave the credit")
    press(by_name(panel, pyatspi.ROLE_PUSH_BUTTON, t("Take Win")))
    wait_for("the win taken", lambda: int(text_of(credit)) == credit_before)
    wait_for("the panel closed", lambda: not showing(panel))


if __name__ == "__main__":
    main()
