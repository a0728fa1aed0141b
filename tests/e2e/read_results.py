#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the calculator the way a screen reader does, over AT-SPI.

Run inside a private D-Bus session on an X server with a Russian keyboard map:
starts the program, types a person from the keyboard, presses Enter, and
checks what the accessibility bus offers: the window as a frame, the date
fields' values, every result named by caption and number, the name-change
events of the changed results, the calendar's lists and cells, and the
taskbar text. Exits 0 when all is heard, 1 otherwise.
    read_results.py <path to Lirem3> [file for the dump of page 1]
"""
import os
import subprocess
import sys
import time

import pyatspi

from gi.repository import GLib

from atspi_common import CAPTION, KEYSYMS, PERSON, check, failures, walk, xdotool

TASKBAR = "Нумерологический Калькулятор Лирем 3.0"
# What the worked example's person gets on page 1.
EXPECTED = ["Жизненный Путь: 9", "Экспрессия: 6", "Личность: 11"]


def find(root, role, name):
    return next((a for a in walk(root) if a.getRole() == role and a.name == name), None)


def describe(acc, depth=0):
    """One line per object: role, name, value and text, as a screen reader gets them."""
    line = "  " * depth + f"{acc.getRoleName()} «{acc.name}»"
    try:
        value = acc.queryValue()
        line += f" value={value.currentValue:g} [{value.minimumValue:g}..{value.maximumValue:g}]"
    except NotImplementedError:
        pass
    try:
        text = acc.queryText()
        line += f" text=«{text.getText(0, min(text.characterCount, 60))}»"
    except NotImplementedError:
        pass
    if not acc.getState().contains(pyatspi.STATE_SHOWING):
        line += " (not showing)"
    lines = [line]
    for i in range(acc.childCount):
        lines += describe(acc.getChildAtIndex(i), depth + 1)
    return lines


def wait_for_frame(deadline):
    while time.monotonic() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Lirem3":
                frame = next((c for c in app if c is not None and c.name == CAPTION), None)
                if frame is not None:
                    return frame
        time.sleep(0.1)
    return None


def focus_day_field(frame):
    """Focuses the window and presses Tab until the day field has the focus."""
    window = subprocess.run(["xdotool", "search", "--name", "^" + CAPTION + "$"], capture_output=True, text=True,
                            timeout=10).stdout.split()[0]
    xdotool("windowfocus", "--sync", window)
    day = find(frame, pyatspi.ROLE_SPIN_BUTTON, "День")
    for _ in range(12):
        time.sleep(0.2)
        if day.getState().contains(pyatspi.STATE_FOCUSED):
            break
        xdotool("key", "Tab")
    check(day.getState().contains(pyatspi.STATE_FOCUSED), "Tab reaches the day field")
    return window


def type_person():
    for text, letters in PERSON:
        xdotool("key", "ctrl+a")
        keys = [KEYSYMS[c] for c in text] if letters else list(text)
        xdotool("key", "--delay", "20", *keys)
        xdotool("key", "Tab")
    xdotool("key", "Return")


def main():
    program = sys.argv[1]
    dump_path = sys.argv[2] if len(sys.argv) > 2 else ""
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    app = subprocess.Popen([program], env=env)
    try:
        frame = wait_for_frame(time.monotonic() + 20)
        if frame is None:
            print("FAIL the window never appeared on the accessibility bus")
            return 1
        check(frame.getRole() == pyatspi.ROLE_FRAME, f"the window is a frame ({frame.getRoleName()})")

        window = focus_day_field(frame)
        renamed = []

        def on_rename(event):
            renamed.append(event.source.name)

        pyatspi.Registry.registerEventListener(on_rename, "object:property-change:accessible-name")

        def drive():
            type_person()
            GLib.timeout_add(1500, lambda: pyatspi.Registry.stop())
            return False

        # Give the program time to learn that a listener is registered.
        GLib.timeout_add(700, drive)
        pyatspi.Registry.start()

        pyatspi.Registry.deregisterEventListener(on_rename, "object:property-change:accessible-name")
        nucleus = find(frame, pyatspi.ROLE_FILLER, "Ядро")
        names = [a.name for a in walk(nucleus) if a.getRole() == pyatspi.ROLE_LABEL]
        if dump_path:
            with open(dump_path, "w", encoding="utf-8") as out:
                out.write("\n".join(describe(nucleus)) + "\n")
        for expected in EXPECTED:
            check(expected in names, f"page 1 says «{expected}»")
            check(expected in renamed, f"a name-change event announced «{expected}»")
        day = find(frame, pyatspi.ROLE_SPIN_BUTTON, "День").queryValue()
        check((day.currentValue, day.minimumValue, day.maximumValue) == (29, 1, 31),
              f"the day field's value 29 in 1..31 ({day.currentValue:g} in {day.minimumValue:g}..{day.maximumValue:g})")

        # Ctrl+Tab to the calendar page, whose cells are then on screen.
        for _ in range(5):
            xdotool("key", "ctrl+Tab")
        years = find(frame, pyatspi.ROLE_FILLER, "Годы и Дни")
        for _ in range(50):
            if years.getState().contains(pyatspi.STATE_SHOWING):
                break
            time.sleep(0.1)
        check(find(years, pyatspi.ROLE_COMBO_BOX, "Год") is not None, "the calendar year list is named «Год»")
        check(find(years, pyatspi.ROLE_COMBO_BOX, "Месяц") is not None, "the calendar month list is named «Месяц»")
        cells = [a.name for a in walk(years) if a.name.startswith("Индивидуальные Дни, ")
                 and a.getState().contains(pyatspi.STATE_SHOWING)]
        check(len(cells) >= 28 and len(set(cells)) == len(cells), f"{len(cells)} calendar cells, each its own name")
        spectrum = find(frame, pyatspi.ROLE_FILLER, "Спектр")
        check(any(a.name.startswith("Спектр имени, цифра 1: ") for a in walk(spectrum)), "the name grid's cell 1")
        misc = find(frame, pyatspi.ROLE_FILLER, "Разное")
        check(any(a.name.startswith("Сумма: ") for a in walk(misc)), "the free-text sum")

        icon_name = subprocess.run(["xprop", "-id", window, "_NET_WM_ICON_NAME"], capture_output=True,
                                   text=True, timeout=10).stdout
        check(f'"{TASKBAR}"' in icon_name, f"the taskbar text ({icon_name.strip()})")

    finally:
        app.terminate()
        app.wait(timeout=10)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
