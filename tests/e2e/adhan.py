#!/usr/bin/python3
"""At an adhan minute the hidden main window comes back and the recording of
that prayer plays: the daily one at Dhuhri, the dawn one at Fexhri. The
clock starts a little before the minute.
Usage: adhan.py daily|dawn NAME PROGRAM DATABASE ARTEFACTS"""
import sys
import time

from session import DAILY_HZ, DAWN_HZ, DAY, TIMES, Session, rms, tone_energy

kind = sys.argv.pop(1)
prayer, pitch, other = {"daily": ("Dhuhri", DAILY_HZ, DAWN_HZ),
                        "dawn": ("Fexhri", DAWN_HZ, DAILY_HZ)}[kind]
adhan = TIMES[prayer] + ":00"
LEAD = 20  # seconds from the start to the adhan minute
hour, minute = map(int, TIMES[prayer].split(":"))
start = time.strftime("%H:%M:%S", time.gmtime(hour * 3600 + minute * 60 - LEAD))

with Session() as s:
    s.prepare_program()
    s.record_sink()
    s.start_program(f"{DAY} {start}")
    main = s.window("Kolvira")
    clock = s.label(main, "Koha")
    s.close_box(main)
    s.wait("main window hidden", lambda: not main.showing, 5)
    s.check(clock.name < adhan, f"the window was hidden only at {clock.name}")
    s.check(rms(s.heard()) < 0.001, "sound at the sink before the adhan")

    def back():
        # The clock is read before the window: a window still hidden was
        # hidden when the clock showed that time.
        now = clock.name
        s.check(main.showing or now < adhan, f"the clock read {now}, the window still hidden")
        return main.showing
    s.wait("main window back", back, LEAD + 10)
    s.check(clock.name >= adhan, f"the window came back at {clock.name}, before {adhan}")
    s.log(f"window back at {clock.name}")

    s.wait("adhan heard for two seconds", lambda: s.loud(2), 15)
    heard = s.heard(2)
    energy = {hz: tone_energy(heard, hz) for hz in (pitch, other)}
    s.log(f"energy at {pitch} Hz: {energy[pitch]:.0f}, at {other} Hz: {energy[other]:.0f}")
    s.check(energy[pitch] > 100 * energy[other], f"not the {kind} recording ({pitch} Hz)")
    s.find(main, name="Pusho", role="push button")
    s.running("after the adhan")
