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


def names_in(accessible):
    children = (accessible.get_child_at_index(i) for i in range(accessible.get_child_count()))
    return {accessible.get_name()}.union(*(names_in(child) for child in children if child))


ready, told = os.pipe()
server = subprocess.Popen(["Xvfb", "-displayfd", str(told), "-nolisten", "tcp"], pass_fds=[told],
                          stderr=subprocess.DEVNULL)
if not select.select([ready], [], [], 30)[0]:
    sys.exit("FAIL: Xvfb did not start within 30 s")
runtime = tempfile.mkdtemp()
os.environ.update(DISPLAY=":" + os.read(ready, 16).decode().strip(), HOME=runtime,
                  XDG_RUNTIME_DIR=runtime, LANG="C.UTF-8", QT_QPA_PLATFORM="xcb",
                  QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
program = subprocess.Popen(["morvatek"])
found, deadline = set(), time.monotonic() + 30
try:  # the X server and the program must not outlive the test, whatever it meets
    while not NAMES <= found and program.poll() is None and time.monotonic() < deadline:
        time.sleep(0.2)
        desktop = Atspi.get_desktop(0)
        for app in (desktop.get_child_at_index(i) for i in range(desktop.get_child_count())):
            if app and app.get_name() == "Morvatek":
                found = names_in(app)
finally:
    status = program.poll()
    program.terminate()
    server.terminate()
if not NAMES <= found:
    sys.exit(f"FAIL: no window with {', '.join(sorted(NAMES - found))}: "
             + (f"the program ended with status {status}" if status is not None else "30 s"))
print("ok: the window shows every control:", ", ".join(sorted(NAMES)))
