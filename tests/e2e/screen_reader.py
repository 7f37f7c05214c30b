"""What a screen reader is told while a blind player plays (by e2e_game.sh, which starts the game),
read over AT-SPI as Orca reads it: the focus with its description, the news, the alerts' text.

    screen_reader.py child|adult WINDOW
"""
import subprocess, sys, time
import pyatspi
from gi.repository import GLib

told = []
focused = [None]  # what a screen reader takes for the focus: the last object that took it


def heard(event):
    try:
        source, role = event.source, event.source.getRoleName()
        if event.type.startswith("focus"):
            focused[0] = source
            alert = pyatspi.findAncestor(source, lambda a: a.getRoleName() == "alert")
            if alert:  # a message box: its title and text
                text = pyatspi.findAllDescendants(alert, lambda a: a.getRoleName() == "label")
                told.append("alert %s: %s" % (alert.name, " ".join(t.name for t in text if t.name)))
            else:
                told.append(("focus %s %s %s" % (role, source.name, source.description)).strip())
        elif role == "notification" and event.detail1:
            told.append("news " + source.name)
        elif event.type.endswith("accessible-description") and source == focused[0]:
            told.append("description " + source.description)
    except GLib.Error:  # of an object gone meanwhile: a closed box's
        pass


def listen(seconds):
    context, end = GLib.MainContext.default(), time.time() + seconds
    while time.time() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def step(keys, *expected):
    """Types, presses or clicks (click-B: that letter's button; at-X,Y: that point of the window),
    then waits for what a screen reader is told, up to 15 s."""
    del told[:]
    for key in keys.split():
        if key == "window":  # no window manager gives the window back its focus after a box
            subprocess.run(["xdotool", "windowfocus", "--sync", sys.argv[2]])
        elif key.startswith(("click-", "at-")):
            i = ord(key[-1]) - ord("A")
            x, y = key[3:].split(",") if key.startswith("at-") else (68 + 40 * (i % 13), 36 + 32 * (i // 13))
            subprocess.run(["xdotool", "mousemove", "--window", sys.argv[2], str(x), str(y), "click", "1"])
        else:
            subprocess.run(["xdotool", "type", key[1:]] if key[0] == "'" else ["xdotool", "key", key])
    for _ in range(750):
        listen(0.02)
        if len(told) >= len(expected):
            break
    listen(0.5)  # anything more is told too
    if told != list(expected):
        sys.exit("FAIL after %s:\n  told:     %s\n  expected: %s" % (keys, told, list(expected)))


for kind in ["focus:", "object:state-changed:showing",
             "object:property-change:accessible-description"]:
    pyatspi.Registry.registerEventListener(heard, kind)
listen(1)
app = [a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "Quillow"]
if not app or app[0][0].getRoleName() != "frame" or app[0][0].name != "Quillow":
    sys.exit("FAIL: no application Quillow with a frame Quillow")
blank3 = "blank, blank, blank"
step("'Zoe Return", "focus push button ADULT")
if sys.argv[1] == "child":
    step("Tab", "focus push button CHILD")
    step("space", "news A new word of 3 letters: %s." % blank3, "focus filler Word board " + blank3)
    step("'z", "news Z is not in the word: 1 of 6 misses. %s." % blank3)
    step("shift+Tab", "focus push button Letter Y")
    step("space", "focus filler Word board " + blank3,
         "news Y is not in the word: 2 of 6 misses. %s." % blank3)
    step("click-B 'e", "focus push button Letter B", "focus filler Word board " + blank3,
         "news B is in the word: B, blank, blank. 2 of 6 misses.",
         "description B, blank, blank", "news E is in the word: B, E, E. 2 of 6 misses.",
         "description B, E, E", "alert Congratulations! You Won Zoe!: The word is: Bee.")
    step("Return", "news A new word of 3 letters: %s." % blank3)
    # During B's reveal, a click on ADD WORD TO DICTIONARY and one on the empty place where the
    # panel's ADD TO DICTIONARY will stand: the first opens the panel after the reveal, the second
    # is nothing.
    step("window 'b at-676,292 at-420,264", "focus filler Word board " + blank3,
         "focus push button ADD WORD TO DICTIONARY",
         "news B is in the word: B, blank, blank. 0 of 6 misses.",
         "focus filler Word board B, blank, blank", "focus text Word to insert in dictionary")
    step("'Owl Tab", "focus text Definition of word")
    step("'bird alt+a", "focus filler Word board " + blank3,
         "news Owl added to the dictionary. The word: %s." % blank3, "description " + blank3)
    step("alt+q")
else:
    step("space", "news A new word of 3 letters: %s." % blank3, "focus filler Word board " + blank3)
    for misses, letter in enumerate("BDFGH", 1):
        step("'" + letter.lower(),
             "news %s is not in the word: %d of 6 misses. %s." % (letter, misses, blank3))
    step("'j", "news J is not in the word: 6 of 6 misses. %s." % blank3,
         "alert You are a Loser Zoe!: The word is: Cat and the definition is: A pet.")
print("screen reader: %s game passed" % sys.argv[1])
