#!/usr/bin/python3
# A new user's first day: no adhan recording anywhere, and a desktop whose
# notification area (a StatusNotifierItem host, the test's own) comes five
# seconds after the program.
# - the first start tells once how to choose an adhan;
# - the icon registers with the host as soon as it comes, without a restart,
#   and its menu's first line names the next prayer;
# - at Dhuhri the sound theme's alert is heard, and the notice about choosing
#   an adhan comes again once; at Asri not;
# - in "Cilësimet" a file that is no audio is refused with a message; a
#   recording chosen through the file dialog plays with "Dëgjo", is copied
#   into the user's data folder with "Ruaj" and is heard at Magribi.
import json
import os
import shutil
import subprocess

import dbus

from session import DAILY_HZ, DAY, RATE, Session, rms, tone_energy

CHOOSE = "Zgjidhni ezanin te Cilësimet"


def told(s):
    return sum(CHOOSE in n["body"] for n in s.notices())


def loud(s):
    return rms(s.heard(1)) > 0.01


def menu_first_line(service):
    bus = dbus.SessionBus()
    item = bus.get_object(service, "/StatusNotifierItem")
    path = item.Get("org.kde.StatusNotifierItem", "Menu",
                    dbus_interface="org.freedesktop.DBus.Properties")
    _, (_, _, children) = bus.get_object(service, path).GetLayout(
        0, -1, [], dbus_interface="com.canonical.dbusmenu")
    return str(children[0][1].get("label", "")), bool(children[0][1].get("enabled", True))


with Session(tray=False) as s:
    s.prepare_program()
    for file in os.listdir(s.app_dir):
        if file.endswith(".mp3"):
            os.remove(f"{s.app_dir}/{file}")
    theme = f"{os.environ['XDG_DATA_HOME']}/sounds/freedesktop/stereo"
    os.makedirs(theme)
    shutil.copy("/usr/share/sounds/freedesktop/stereo/complete.oga", theme)
    tone = f"{s.work}/Ezani im.wav"
    subprocess.run(["sox", "-n", "-r", str(RATE), tone, "synth", "20", "sine", str(DAILY_HZ),
                    "gain", "-6"], check=True)
    open(not_audio := f"{s.work}/jo-ezan.mp3", "wb").write(b"\x42" * 65536)
    s.start_notices()
    items = f"{s.work}/items.jsonl"
    s.start_helper("watcher", ["/usr/bin/python3", "-B",
                               f"{os.path.dirname(__file__)}/status_notifier_watcher.py", items,
                               "5"])
    s.start_program(f"{DAY} 12:14:30")
    main = s.window("Kolvira")
    s.wait("the first start's notice", lambda: told(s) == 1)

    item = s.wait("the icon registered with the late host", lambda: os.path.exists(items) and
                  json.loads(open(items).readline()), 20)
    line, enabled = s.wait("the menu's first line", lambda: menu_first_line(item["service"]))
    s.check(line.startswith("Dreka në 12:15 — edhe") and not enabled, f"menu line {line!r}")

    s.notice("Ezani: Dhuhri (dreka), 12:15", 40)
    s.wait("the alert heard", lambda: loud(s), 10)
    s.wait("the notice about choosing an adhan", lambda: told(s) == 2, 5)
    s.jump(f"{DAY} 13:59:57")
    s.notice("Ezani: Asri (ikindia), 14:00")
    s.wait("the alert heard again", lambda: loud(s), 10)
    s.check(told(s) == 2, "told again how to choose an adhan")

    s.press(main, "Cilësimet...")
    window = s.window("Cilësimet")

    def choose(path):
        s.press(window, "Zgjidh: Ezani i namazeve të tjera")
        dialog = s.window("Ezani i namazeve të tjera")
        s.find(dialog, role="text").text = path
        s.press(dialog, "Hap", closes=True)
    choose(not_audio)
    refusal = s.wait("the refusal", lambda: s.app.findChild(
        lambda n: n.roleName == "label" and "nuk është regjistrim zanor" in n.name,
        retry=False, requireResult=False))
    s.press(refusal.parent, "Në rregull")
    name = s.find(window, name="Ezani i namazeve të tjera", role="text")
    choose(tone)
    s.wait("the recording chosen", lambda: name.text == "Ezani im.wav", 20)
    s.press(window, "Dëgjo: Ezani i namazeve të tjera")
    s.wait("the chosen recording heard", lambda: tone_energy(s.heard(1), DAILY_HZ) > 1000, 15)
    s.press(window, "Ndalo dëgjimin")
    s.press(window, "Ruaj", closes=True)
    kept = f"{os.environ['XDG_DATA_HOME']}/kolvira/ezani.wav"
    s.check(open(kept, "rb").read() == open(tone, "rb").read(), "the recording was not copied")
    os.remove(tone)  # the copy plays

    s.wait("quiet", lambda: not loud(s), 10)
    s.jump(f"{DAY} 16:01:57")
    s.notice("Ezani: Magribi (akshami), 16:02")
    s.wait("the chosen recording at Magribi", lambda: tone_energy(s.heard(1), DAILY_HZ) > 1000, 15)
    s.running("at the end")
