#!/usr/bin/python3
# Takes the pictures of docs/screenshots/ from the real program in a session
# of its own (tests/e2e/session.py) on a fixed day, so that they show what
# the program shows now: each window opened as a user opens it, cut to the
# window itself. Run by tools/screenshots.sh.
# Arguments: NAME PROGRAM DATABASE ARTEFACTS OUTPUT-FOLDER
import os
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
output = os.path.abspath(sys.argv.pop())
from session import QUIET, Session, run  # noqa: E402


# The X window of the program with that title, shown now.
def x_window(s, title):
    def found():
        ids = run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"]).split()
        return [i for i in ids if run(["xdotool", "getwindowname", i]) == title]
    return s.wait(f"X window {title!r}", found)[0]


# x_title: the title the window manager knows, where it differs (a window
# without a title bar).
def shoot(s, title, file, x_title=None):
    window = s.window(title)
    s.wait(f"{title} active", lambda: window.showing)
    subprocess.run(["xdotool", "mousemove", "0", "767"], check=True)  # no hover
    run(["sleep", "0.5"])  # the first paint after showing
    subprocess.run(["import", "-window", x_window(s, x_title or title), f"{output}/{file}"], check=True,
                   timeout=20)
    s.log(f"{file}: {title}")
    return window


with Session() as s:
    s.prepare_program(database=False)
    shutil.copy(s.database, s.app_dir)  # the real times, not the tests' ones
    s.start_program(QUIET)
    main = s.window("Kolvira")
    # The notification area stands over the top right of the screen, where a
    # large window reaches; the icon in it is not pictured.
    for panel in run(["xdotool", "search", "--onlyvisible", "--classname", "^panel$"]).split():
        run(["xdotool", "windowunmap", "--sync", panel])
    shoot(s, "Kolvira", "main.png")
    # The button that opens the window, its title, its file, the button that closes it.
    for opener, title, file, closer in [
            ("Qyteti...", "Zgjedhja e qytetit", "city.png", "Kthehu"),
            ("Ditëlindja", "Ditëlindja sipas hixhrit", "birthday.png", "Kthehu"),
            ("Rreth programit", "Rreth programit", "about.png", "Kthehu"),
            ("Takvimi i muajit", "Takvimi i muajit", "timetable.png", "Mbyll"),
            ("Cilësimet...", "Cilësimet", "settings.png", "Kthehu"),
            ("Ditët e shenjta", "Ditët e shenjta", "holy-days.png", "Mbyll")]:
        s.press(main, opener)
        x_title = "Form1" if title == "Rreth programit" else None
        s.press(shoot(s, title, file, x_title), closer, closes=True)
    # The Qibla, opened from the city window.
    s.press(main, "Qyteti...")
    cities = s.window("Zgjedhja e qytetit")
    s.press(cities, "Drejtimi i kiblës")
    s.press(shoot(s, "Kibla: Prishtinë", "qibla.png"), "Mbyll", closes=True)
    # Following one's own mosque, and the search of the world's places.
    s.press(cities, "Sipas xhamisë")
    s.press(shoot(s, "Sipas xhamisë: Prishtinë", "mosque.png"), "Mbyll", closes=True)
    s.press(cities, "Kërko vendin...")
    search = s.window("Kërko vendin")
    s.find(search, name="Emri i vendit", role="text").text = "Cyrih"
    s.find(search, name="Cyrih — Zürich (Zvicër)", role="list item")
    s.press(shoot(s, "Kërko vendin", "search.png"), "Anulo", closes=True)
    s.press(cities, "Kthehu", closes=True)
