# A desktop session of its own for one end-to-end test: session and
# accessibility buses, Xvfb, openbox, trayer as the notification area, a
# PulseAudio null sink recorded from the start, and the program under
# libfaketime. The test sees the program through the accessibility tree
# (dogtail) and hears it at the sink.
# Usage of a script:  with Session() as s: ...  (arguments NAME PROGRAM DATABASE ARTEFACTS)
import array
import glob
import json
import math
import os
import shutil
import signal
import sqlite3
import subprocess
import sys
import tempfile
import time
from contextlib import closing

from dogtail.config import config
from gi.repository import GLib

# The program switches its bridge on from its environment; waits are the test's own.
config.checkForA11y = config.logDebugToStdOut = config.logDebugToFile = False
config.actionDelay = config.defaultDelay = 0

DAY = "2026-12-06"  # every test runs on this day, with these times
TIMES = {"Imsaku": "05:00", "Fexhri": "05:10", "Lindja e diellit": "06:51", "Dhuhri": "12:15",
         "Asri": "14:00", "Magribi": "16:02", "Isha": "17:37"}
QUIET = DAY + " 09:30:00"  # far from every adhan
# The two recordings differ in pitch, so the sink tells which one played.
DAILY_HZ, DAWN_HZ = 440, 880
RECORDINGS = {DAILY_HZ: "Ezani në Mekke - 1.mp3", DAWN_HZ: "Ezani i sabahut në Medine.mp3"}
RATE = 44100  # of the recording of the sink
TIME_LIMIT = 100  # s, within CTest's limit, so that the test still cleans up


class Session:
    # Without tray, the desktop starts with no notification area.
    def __init__(self, tray=True):
        self.tray = tray
        # The artefacts (logs, a screenshot) of the latest run only.
        self.name, self.program, self.database, self.art = sys.argv[1:]
        shutil.rmtree(self.art, ignore_errors=True)
        os.makedirs(self.art)
        self.helpers, self.app_process, self.t0 = [], None, time.monotonic()
        self.work = tempfile.mkdtemp(prefix="kolvira-e2e.")

    def log(self, text):
        print(f"[{time.monotonic() - self.t0:6.2f} s] {text}", flush=True)

    def __enter__(self):
        signal.signal(signal.SIGALRM, lambda *_: self.fail(f"time limit of {TIME_LIMIT} s"))
        signal.signal(signal.SIGTERM, lambda *_: self.fail("stopped"))
        signal.alarm(TIME_LIMIT)
        try:
            self.start_session()
        except BaseException:
            self.__exit__(*sys.exc_info())
            raise
        # dogtail finds the accessibility bus when it is imported.
        global tree, predicate, pyatspi
        from dogtail import predicate, tree
        from gi.repository import Atspi
        import pyatspi
        # A question to a busy program (building its media pipeline may take
        # seconds on a loaded machine) waits for the answer.
        Atspi.set_timeout(60000, 60000)
        # Menus are no children of the program's windows in the tree; they are
        # told by an event, listened to from the start.
        self.shown_nodes = []
        pyatspi.Registry.registerEventListener(
            lambda event: event.detail1 and self.shown_nodes.append(event.source),
            "object:state-changed:showing")
        return self

    def start_session(self):
        # Nothing of the user's desktop leaks in: folders, buses, display, locale.
        home = f"{self.work}/home"
        for var in ("DISPLAY", "WAYLAND_DISPLAY", "SESSION_MANAGER", "LC_ALL", "DESKTOP_SESSION",
                    "XDG_CURRENT_DESKTOP", "QT_QPA_PLATFORMTHEME", "AT_SPI_BUS_ADDRESS"):
            os.environ.pop(var, None)
        os.environ.update(HOME=home, XDG_CONFIG_HOME=f"{home}/.config",
                          XDG_DATA_HOME=f"{home}/.local/share", XDG_CACHE_HOME=f"{home}/.cache",
                          XDG_RUNTIME_DIR=f"{self.work}/run", LANG="C.UTF-8", TZ="Europe/Belgrade",
                          QT_QPA_PLATFORM="xcb")
        os.makedirs(os.environ["XDG_RUNTIME_DIR"], mode=0o700)
        os.makedirs(home)
        # The bus comes before the display, so the accessibility bus it starts
        # is found over the bus and not over a property of the screen.
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = self.helper_output(
            "dbus", lambda fd: ["dbus-daemon", "--session", "--nofork", f"--print-address={fd}"])
        # Without -noreset the server would start afresh whenever its last
        # client left, turning away whoever connects in that moment.
        os.environ["DISPLAY"] = ":" + self.helper_output(
            "xvfb", lambda fd: ["Xvfb", "-displayfd", str(fd), "-noreset", "-nolisten", "tcp",
                                "-screen", "0", "1024x768x24"])
        self.start_helper("openbox", ["openbox"])
        # trayer shows nothing when it comes before the work area is set.
        self.wait("window manager", lambda: " = " in run(["xprop", "-root", "_NET_WORKAREA"]))
        if not self.tray:
            return self.start_sound()
        self.start_helper("trayer", ["trayer", "--edge", "top", "--align", "right", "--widthtype",
                                     "pixel", "--width", "160", "--height", "32", "--transparent",
                                     "false", "--SetDockType", "true"])
        self.wait("notification area", lambda: run(
            ["xdotool", "search", "--onlyvisible", "--classname", "^panel$"]))
        self.start_sound()

    def start_sound(self):
        pulse = f"{self.work}/pulse"
        os.makedirs(pulse)
        os.environ.update(PULSE_RUNTIME_PATH=pulse, PULSE_SERVER=f"unix:{pulse}/native")
        self.start_helper("pulseaudio", [
            "pulseaudio", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=false", "-n",
            "--load=module-null-sink sink_name=kolvira_null",
            f"--load=module-native-protocol-unix socket={pulse}/native auth-anonymous=1"])
        self.wait("sound server", lambda: "kolvira_null" in run(["pactl", "list", "short", "sinks"]))
        self.sink = f"{self.work}/sink.raw"
        self.start_helper("parec", ["parec", "--device=kolvira_null.monitor", "--raw",
                                    "--format=s16le", f"--rate={RATE}", "--channels=1"],
                          stdout=open(self.sink, "wb"))

    def __exit__(self, kind, error, trace):
        signal.alarm(0)
        if "DISPLAY" in os.environ:
            shot = f"{self.art}/{'failure' if kind else 'end'}.png"
            subprocess.run(["import", "-window", "root", shot], timeout=10, stderr=subprocess.DEVNULL)
        for process in [p for p in [self.app_process, *reversed(self.helpers)] if p]:
            process.terminate()
            try:
                process.wait(3)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        shutil.rmtree(self.work, ignore_errors=True)
        print(f"{self.name} {'FAILED' if kind else 'passed'}; screenshot and logs: {self.art}")

    def fail(self, text):
        self.log("FAIL: " + text)
        raise AssertionError(text)

    def check(self, condition, text):
        if not condition:
            self.fail(text)

    # Polls probe until it gives something true, and returns that.
    def wait(self, what, probe, limit=20):
        start = time.monotonic()
        while True:
            try:
                found = probe()
            except AssertionError:
                raise
            except Exception:  # the tree changes under the probe
                found = None
            if found:
                self.log(f"{what} ({time.monotonic() - start:.2f} s)")
                return found
            if time.monotonic() - start > limit:
                self.fail(f"no {what} within {limit} s")
            time.sleep(0.05)

    def start_helper(self, name, command, stdout=None, **options):
        log = open(f"{self.art}/{name}.log", "w")
        self.helpers.append(subprocess.Popen(command, stdout=stdout or log, stderr=log, **options))

    # Starts a helper that writes a line to descriptor fd; returns the line.
    def helper_output(self, name, command):
        reader, writer = os.pipe()
        self.start_helper(name, command(writer), pass_fds=(writer,))
        os.close(writer)
        with os.fdopen(reader) as lines:
            line = lines.readline().strip()
        self.check(line, f"{name} did not start")
        return line

    # --- The program --------------------------------------------------------

    # The program folder: the program, two recordings (of so many seconds),
    # the database with the test day's times on day and a selected city
    # without offset.
    def prepare_program(self, database=True, day=DAY, seconds=8):
        self.app_dir = f"{self.work}/app"
        os.makedirs(self.app_dir)
        shutil.copy(self.program, self.app_dir)
        for hz, file in RECORDINGS.items():
            subprocess.run(["sox", "-n", "-r", str(RATE), f"{self.app_dir}/{file}", "synth",
                            str(seconds), "sine", str(hz), "gain", "-6"], check=True)
        if database:
            shutil.copy(self.database, self.app_dir)
            _, month, day = map(int, day.split("-"))
            self.sql("UPDATE kolvira SET " + ", ".join(f'"{k}" = \'{v}:00\'' for k, v in
                                                       TIMES.items()) +
                     " WHERE Dita = ? AND Muaji = ?", day, month)
            self.sql("UPDATE Qytetet SET Minuta = 0 WHERE ESelektuar")

    def sql(self, statement, *values):
        with closing(sqlite3.connect(f"{self.app_dir}/kolvira.db")) as db, db:
            return db.execute(statement, values).fetchall()

    def selected_city(self):
        return self.sql("SELECT Qyteti, Minuta FROM Qytetet WHERE ESelektuar")

    # Runs the program with its wall clock starting at instant (of TZ). The
    # clock's start is read from a file, so jump() can set it.
    def start_program(self, instant):
        faketime = glob.glob("/usr/lib/*/faketime/libfaketime.so.1")
        self.check(faketime, "libfaketime is missing (tools/install-deps.sh)")
        self.clock_file = f"{self.work}/clock-start"
        self.jump(instant)
        env = dict(os.environ, LD_PRELOAD=faketime[0], FAKETIME_TIMESTAMP_FILE=self.clock_file,
                   FAKETIME_CACHE_DURATION="1", FAKETIME_DONT_FAKE_MONOTONIC="1", XDG_DATA_DIRS=f"{self.work}/no-shared-data",
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
        self.app_process = subprocess.Popen(
            [f"{self.app_dir}/kolvira"], env=env, stdout=open(f"{self.art}/program.log", "w"),
            stderr=open(f"{self.art}/program-errors.log", "w"))
        self.log(f"program started, clock at {instant}")
        self.app = self.wait("program in the accessibility tree", lambda: tree.root.findChild(
            predicate.IsAnApplicationNamed("kolvira"), recursive=False, retry=False,
            requireResult=False))

    # Sets the program's clock to instant (of TZ), as a clock set by hand (or at start).
    def jump(self, instant):
        open(self.clock_file, "w").write(f"@{instant}\n")

    # A notification service of the session's own, recording what it receives.
    def start_notices(self):
        self.notice_file = f"{self.work}/notices.jsonl"
        self.helper_output("notices", lambda fd: [
            "/usr/bin/python3", "-B", f"{os.path.dirname(__file__)}/notification_service.py",
            self.notice_file, str(fd)])

    # The notices received so far: body, summary, app, icon, actions.
    def notices(self):
        exists = os.path.exists(self.notice_file)
        return [json.loads(line) for line in open(self.notice_file)] if exists else []

    # Waits for a notice with this body; returns it.
    def notice(self, body, limit=20):
        return self.wait(f"notice {body!r}", lambda: next(
            (n for n in self.notices() if n["body"] == body), None), limit)

    def running(self, when):
        self.check(self.app_process.poll() is None, f"the program ended {when}")

    # --- The accessibility tree ---------------------------------------------

    # The (shown) node below parent of that name and role.
    def find(self, parent, name=None, role=None, limit=20, showing=True):
        pred = predicate.GenericPredicate(name=name, roleName=role)
        return self.wait(f"{role} {name!r}", lambda: parent.findChild(
            pred, retry=False, requireResult=False, showingOnly=showing), limit)

    def window(self, name, limit=20):
        return self.wait(f"window {name!r}", lambda: self.shown(name), limit)

    # The window of that name shown now, if any.
    def shown(self, name):
        return next((w for w in self.app if w.name == name and w.showing), None)

    # The menu the program shows now.
    def menu(self):
        def shown_menu():
            while GLib.MainContext.default().iteration(False):  # takes the events in
                pass
            for node in reversed(self.shown_nodes):
                try:
                    if node.roleName == "popup menu" and node.showing:
                        return node
                except Exception:  # gone with its window, as a closed message box
                    pass
        return self.wait("menu shown", shown_menu, 5)

    # The label showing a value, found by the caption beside it.
    def label(self, window, description):
        return window.findChild(lambda n: n.roleName == "label" and n.description == description,
                                retry=False)

    def values(self, window, descriptions):
        read = {caption: self.label(window, caption).name for caption in descriptions}
        self.log(f"{window.name}: {read}")
        return read

    # Presses the button; with closes, waits until its window is gone.
    def press(self, window, button, closes=False):
        self.log(f'press "{button}"')
        self.find(window, name=button, role="push button").doActionNamed("Press")
        if closes:
            self.wait(f"{window.name} closed", lambda: not window.showing, 5)

    # --- The desktop around the program ---------------------------------------

    # Closes the active window as its close box does: through the window manager.
    # On a busy machine the window manager may not have the focus there yet
    # when the key comes: the key is sent again while the window shows.
    def close_box(self, window):
        self.wait(f"{window.name} active", lambda: window.getState().contains(
            pyatspi.STATE_ACTIVE))
        for attempt in range(3):
            run(["xdotool", "key", "alt+F4"])
            try:
                return self.wait(f"{window.name} hidden", lambda: not window.showing, 4)
            except AssertionError:
                if attempt == 2:
                    raise

    # Clicks the program's icon in the notification area. The icon is no part
    # of the accessibility tree: its window is the program's one named after
    # the program.
    def click_icon(self, button=1):
        def icon():
            ids = run(["xdotool", "search", "--onlyvisible", "--classname", "^kolvira$"]).split()
            return [i for i in ids if run(["xdotool", "getwindowname", i]) == "kolvira"]
        window = self.wait("icon in the notification area", icon)[0]
        run(["xdotool", "mousemove", "--window", window, "8", "8", "click", str(button),
             "mousemove", "0", "767"])

    # --- Sound ----------------------------------------------------------------

    # The last seconds heard at the sink (all of it for 0), from -1 to 1.
    def heard(self, seconds=0):
        with open(self.sink, "rb") as f:
            data = f.read()
        samples = array.array("h", data[:len(data) // 2 * 2])
        return [x / 32768 for x in samples[-seconds * RATE:]]

    # The hidden main window comes back at the adhan minute (HH:MM:SS), not
    # before, and the recording at pitch plays, not the one at other. Before
    # it the sink was quiet, since its start or since the sample quiet_from.
    def adhan(self, main, adhan, pitch, other, quiet_from=0):
        clock = self.label(main, "Koha")
        self.close_box(main)
        self.check(clock.name < adhan, f"the window was hidden only at {clock.name}")
        self.check(rms(self.heard()[quiet_from:]) < 0.001, "sound at the sink before the adhan")

        def back():
            # The clock is read before the window: a window still hidden was
            # hidden when the clock showed that time.
            now = clock.name
            self.check(main.showing or now < adhan, f"the clock read {now}, the window hidden")
            return main.showing
        self.wait("main window back", back, 30)
        self.check(clock.name >= adhan, f"the window came back at {clock.name}, before {adhan}")

        # The last two seconds, once each of them was loud.
        def loud():
            heard = self.heard(2)
            if len(heard) == 2 * RATE and min(rms(heard[:RATE]), rms(heard[RATE:])) > 0.05:
                return heard
        heard = self.wait("adhan heard for two seconds", loud, 15)
        energy = {hz: tone_energy(heard, hz) for hz in (pitch, other)}
        self.check(energy[pitch] > 100 * energy[other], f"not the recording at {pitch} Hz: {energy}")
        self.find(main, name="Pusho", role="push button")


def rms(samples):
    return math.sqrt(sum(x * x for x in samples) / len(samples)) if samples else 0


# Energy of the samples at one frequency (Goertzel's filter).
def tone_energy(samples, hz):
    coefficient = 2 * math.cos(2 * math.pi * hz / RATE)
    s1 = s2 = 0.0
    for x in samples:
        s1, s2 = x + coefficient * s1 - s2, s1
    return s1 * s1 + s2 * s2 - coefficient * s1 * s2


# A command's output; nothing when it fails.
def run(command):
    result = subprocess.run(command, capture_output=True, text=True, timeout=10)
    return result.stdout.strip() if result.returncode == 0 else ""
