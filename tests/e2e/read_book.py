#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the client book the way a screen reader does, over AT-SPI.

Run inside a private D-Bus session on an X server with a Russian keyboard map
and XDG_DATA_HOME in a temporary folder: starts the program, types the worked
example, presses Enter and Ctrl+S, then Ctrl+O, and checks what the
accessibility bus offers: the dialog «Картотека», its search field, the list
«Карточки» with the example's row, the buttons by their names, and the
example back in the fields after Enter. Exits 0 when all is heard.
    read_book.py <path to Lirem3> [file for the dump of the dialog]
"""
import os
import subprocess
import sys
import time

import pyatspi

from atspi_common import CAPTION, KEYSYMS, PERSON, check, failures, walk, xdotool

ROW = ["Сидоров Иван Петрович", "29.11.1985", "9", "6"]  # name, birth date, Life Path, Expression
BUTTONS = ["Открыть карточку", "Сохранить заметки", "Удалить карточку", "Закрыть картотеку"]


def describe(acc, depth=0):
    line = "  " * depth + f"{acc.getRoleName()} «{acc.name}»"
    try:
        text = acc.queryText()
        line += f" text=«{text.getText(0, min(text.characterCount, 60))}»"
    except NotImplementedError:
        pass
    lines = [line]
    for i in range(min(acc.childCount, 60)):
        child = acc.getChildAtIndex(i)
        if child is not None:
            lines += describe(child, depth + 1)
    return lines


def top_level(name, deadline):
    while time.monotonic() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Lirem3":
                found = next((c for c in app if c is not None and c.name == name), None)
                if found is not None:
                    return found
        time.sleep(0.1)
    return None


def text_of(acc):
    try:
        text = acc.queryText()
        return text.getText(0, text.characterCount)
    except NotImplementedError:
        return ""


def main():
    program = sys.argv[1]
    dump_path = sys.argv[2] if len(sys.argv) > 2 else ""
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    app = subprocess.Popen([program], env=env)
    try:
        frame = top_level(CAPTION, time.monotonic() + 20)
        if frame is None:
            print("FAIL the window never appeared on the accessibility bus")
            return 1
        window = subprocess.run(["xdotool", "search", "--name", "^" + CAPTION + "$"], capture_output=True,
                                text=True, timeout=10).stdout.split()[0]
        xdotool("windowfocus", "--sync", window)
        time.sleep(0.5)
        # The day field has the focus at start.
        for text, letters in PERSON:
            xdotool("key", "ctrl+a")
            xdotool("key", "--delay", "20", *([KEYSYMS[c] for c in text] if letters else list(text)))
            xdotool("key", "Tab")
        xdotool("key", "Return")
        time.sleep(0.5)
        # Ctrl+S and Ctrl+O on a Latin layout: with only the Russian one, xdotool
        # maps a spare key to the letter, and a busy program may see the key
        # before it learns the new mapping.
        subprocess.run(["setxkbmap", "-layout", "us"], check=True, timeout=10)
        time.sleep(1.0)
        xdotool("key", "ctrl+s")
        book = os.path.join(os.environ["XDG_DATA_HOME"], "lirem3", "book.sqlite")
        deadline = time.monotonic() + 20
        while not os.path.exists(book) and time.monotonic() < deadline:
            time.sleep(0.1)
        check(os.path.exists(book), "Ctrl+S made the book " + book)

        xdotool("key", "ctrl+o")
        dialog = top_level("Картотека", time.monotonic() + 20)
        if dialog is None:
            print("FAIL the book's dialog never appeared on the accessibility bus")
            return 1
        check(dialog.getRole() == pyatspi.ROLE_DIALOG, f"the book is a dialog ({dialog.getRoleName()})")
        if dump_path:
            with open(dump_path, "w", encoding="utf-8") as out:
                out.write("\n".join(describe(dialog)) + "\n")
        objects = list(walk(dialog))
        names = [a.name for a in objects]
        search = next((a for a in objects if a.name == "Поиск по имени или дате рождения"), None)
        check(search is not None and search.getRole() == pyatspi.ROLE_TEXT, "the search field is named")
        check(search is not None and search.getState().contains(pyatspi.STATE_FOCUSED), "the search has the focus")
        cards = next((a for a in objects if a.name == "Карточки"), None)
        check(cards is not None, "the list is named «Карточки»")
        cells = [a.name or text_of(a) for a in walk(cards)] if cards is not None else []
        for cell in ROW:
            check(cell in cells, f"the list's row says «{cell}»")
        check("Варианты имени" in names, "the name variants are named")
        check("Заметки" in names, "the notes are named")
        for button in BUTTONS:
            check(any(a.name == button and a.getRole() == pyatspi.ROLE_PUSH_BUTTON for a in objects),
                  f"the button «{button}»")

        xdotool("key", "Return")
        deadline = time.monotonic() + 20
        last = None
        while time.monotonic() < deadline:
            last = next((a for a in walk(frame) if a.getRole() == pyatspi.ROLE_TEXT and a.name == "Фамилия"), None)
            if last is not None and text_of(last) == "Сидоров":
                break
            time.sleep(0.2)
        check(last is not None and text_of(last) == "Сидоров", "Enter put the card back into the fields")
    finally:
        app.terminate()
        app.wait(timeout=10)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
