#!/usr/bin/python3
# The test's own StatusNotifierItem host (org.kde.StatusNotifierWatcher on the
# session bus), as KDE's panel or GNOME's AppIndicator extension keeps it:
# takes the bus name only after DELAY seconds, as a panel that comes late,
# and writes each item that registers to FILE as a line of JSON.
# Usage: status_notifier_watcher.py FILE DELAY
import json
import sys
import time

import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

NAME = "org.kde.StatusNotifierWatcher"
PROPERTIES = {"IsStatusNotifierHostRegistered": dbus.Boolean(True),
              "ProtocolVersion": dbus.Int32(0)}
# dbus-python tells no properties when introspected; Qt reads them from there.
INTROSPECTION = f"""<node><interface name="{NAME}">
<method name="RegisterStatusNotifierItem"><arg type="s" direction="in"/></method>
<method name="RegisterStatusNotifierHost"><arg type="s" direction="in"/></method>
<property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
<property name="ProtocolVersion" type="i" access="read"/>
<property name="RegisteredStatusNotifierItems" type="as" access="read"/>
<signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
</interface></node>"""


class Watcher(dbus.service.Object):
    items = []

    @dbus.service.method(NAME, in_signature="s", sender_keyword="sender")
    def RegisterStatusNotifierItem(self, service, sender):
        self.items.append(service)
        with open(sys.argv[1], "a") as f:
            print(json.dumps({"service": service, "sender": sender}), file=f)

    @dbus.service.method(NAME, in_signature="s")
    def RegisterStatusNotifierHost(self, service):
        pass

    @dbus.service.method("org.freedesktop.DBus.Properties", in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        return self.GetAll(interface)[name]

    @dbus.service.method("org.freedesktop.DBus.Properties", in_signature="s",
                         out_signature="a{sv}")
    def GetAll(self, interface):
        return dict(PROPERTIES, RegisteredStatusNotifierItems=dbus.Array(self.items,
                                                                        signature="s"))

    @dbus.service.method("org.freedesktop.DBus.Introspectable", out_signature="s")
    def Introspect(self):
        return INTROSPECTION


time.sleep(float(sys.argv[2]))
DBusGMainLoop(set_as_default=True)
watcher = Watcher(dbus.service.BusName(NAME, dbus.SessionBus()), "/StatusNotifierWatcher")
GLib.MainLoop().run()
