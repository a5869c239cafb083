"""A desktop's screen saver on the session bus (org.freedesktop.ScreenSaver): prints each
Inhibit and UnInhibit it is asked for, as a desktop would honour them."""
import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
BUS = dbus.SessionBus()
NAME = dbus.service.BusName("org.freedesktop.ScreenSaver", BUS)


class ScreenSaver(dbus.service.Object):
    cookies = 0

    @dbus.service.method("org.freedesktop.ScreenSaver", in_signature="ss", out_signature="u")
    def Inhibit(self, application, reason):
        ScreenSaver.cookies += 1
        print("Inhibit", application, reason, flush=True)
        return ScreenSaver.cookies

    @dbus.service.method("org.freedesktop.ScreenSaver", in_signature="u", out_signature="")
    def UnInhibit(self, cookie):
        print("UnInhibit", cookie, flush=True)


ScreenSaver(BUS, "/org/freedesktop/ScreenSaver")
GLib.MainLoop().run()
