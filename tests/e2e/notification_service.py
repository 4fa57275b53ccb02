#!/usr/bin/python3
# The test's own desktop notification service (org.freedesktop.Notifications
# on the session bus, with actions): writes each notice it receives to FILE
# as a line of JSON, and "ready" on descriptor FD once it owns the name.
# Usage: notification_service.py FILE FD
import json
import os
import sys

import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

NAME = "org.freedesktop.Notifications"


class Service(dbus.service.Object):
    @dbus.service.method(NAME, out_signature="as")
    def GetCapabilities(self):
        return ["actions", "body"]

    @dbus.service.method(NAME, in_signature="susssasa{sv}i", out_signature="u")
    def Notify(self, app, replaces, icon, summary, body, actions, hints, timeout):
        with open(sys.argv[1], "a") as f:
            print(json.dumps({"app": app, "icon": icon, "summary": summary, "body": body,
                              "actions": list(actions)}), file=f)
        return 1


DBusGMainLoop(set_as_default=True)  # the object keeps the name it is exported under
service = Service(dbus.service.BusName(NAME, dbus.SessionBus()), "/org/freedesktop/Notifications")
os.write(int(sys.argv[2]), b"ready\n")
GLib.MainLoop().run()
