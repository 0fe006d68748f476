"""The installed program opens its window on an X server of the test's own, and a screen reader
finds every control in it by its name."""
import os
import select
import subprocess
import sys
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

NAMES = {"Бройна система", "4-ична", "8-ична", "16-ична", "Цифри", "Въведено двоично число",
         "Изчисли", "Изчисти", "Ход на преобразуването"}


def start_x():
    ready, told = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(told), "-nolisten", "tcp"],
                              pass_fds=[told], stderr=subprocess.DEVNULL)
    os.close(told)
    if not select.select([ready], [], [], 30)[0]:
        sys.exit("FAIL: Xvfb did not start within 30 s")
    return server, ":" + os.read(ready, 16).decode().strip()


def names_in(accessible, found):
    found.add(accessible.get_name())
    for index in range(accessible.get_child_count()):
        child = accessible.get_child_at_index(index)
        if child is not None:
            names_in(child, found)
    return found


def controls_of_morvatek():
    desktop = Atspi.get_desktop(0)
    found = set()
    for index in range(desktop.get_child_count()):
        application = desktop.get_child_at_index(index)
        if application is not None and application.get_name() == "Morvatek":
            names_in(application, found)
    return found


server, display = start_x()
runtime = tempfile.mkdtemp()
os.environ.update(DISPLAY=display, HOME=runtime, XDG_RUNTIME_DIR=runtime, LANG="C.UTF-8",
                  QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
program = subprocess.Popen(["morvatek"])
found = set()
deadline = time.monotonic() + 30
try:
    while not NAMES <= found and program.poll() is None and time.monotonic() < deadline:
        time.sleep(0.2)
        found = controls_of_morvatek()
finally:
    status = program.poll()
    program.terminate()
    server.terminate()
if not NAMES <= found:
    print("found:", sorted(filter(None, found)))
    sys.exit("FAIL: no window with the controls " + ", ".join(sorted(NAMES - found))
             + (f": the program ended with status {status}" if status is not None else " in 30 s"))
print("ok: the window shows every control:", ", ".join(sorted(NAMES)))
