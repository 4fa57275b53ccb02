#!/usr/bin/python3
# With no database beside the program (and none in the user's or the shared
# folders) the program names the missing file in a message and on standard
# error, shows no other window, and once the message is dismissed ends with a
# non-zero status.
import os

from session import QUIET, Session

with Session() as s:
    s.prepare_program(database=False)
    s.start_program(QUIET)
    box = s.wait("message shown", lambda: next(
        (w for w in s.app if w.roleName == "alert" and w.showing), None))
    text = " ".join(n.name for n in box.findChildren(lambda n: n.roleName == "label"))
    s.log(f"message {box.name!r}: {text!r}")
    missing = f"{s.app_dir}/kolvira.db"
    s.check(text.startswith("Gabim") and missing in text, "the message does not name the file")
    with open(f"{s.art}/program-errors.log") as errors:
        s.check(missing in errors.read(), "standard error does not name the file")
    s.check([w.name for w in s.app] == [box.name], "windows other than the message")

    s.press(box, "Në rregull")
    s.check(s.app_process.wait(10) != 0, "exit status 0 after the failure")
    s.check(not os.path.exists(os.environ["XDG_DATA_HOME"] + "/kolvira/kolvira.db"),
            "a database was made up in the user's folder")
