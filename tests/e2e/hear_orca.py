#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What Orca speaks for the calculator, taken from Orca's own debug log.

Run by orca.sh inside a private D-Bus session on an X server with a Russian
keyboard map: starts openbox, Orca and the program, types the worked example,
presses Enter, then reads pages 1, 2, 3, 5 and 6 by flat review, line by line,
compares with the partner on page 4 and reads its list, and changes the
calendar year.
Every wait is for something Orca says, with a deadline. Exits 0 when every
expected phrase was spoken, 1 otherwise.
    hear_orca.py <path to Lirem3> <work folder> <speech-dispatcher module folder>
"""
import os
import re
import subprocess
import sys
import time

CAPTION = "Нумерологический Калькулятор Lirem 3.0"
KEYSYMS = {"И": "Cyrillic_I", "в": "Cyrillic_ve", "а": "Cyrillic_a", "н": "Cyrillic_en", "П": "Cyrillic_PE",
           "е": "Cyrillic_ie", "т": "Cyrillic_te", "р": "Cyrillic_er", "о": "Cyrillic_o", "ч": "Cyrillic_che",
           "С": "Cyrillic_ES", "и": "Cyrillic_i", "д": "Cyrillic_de"}
PERSON = [("29", False), ("11", False), ("1985", False), ("Иван", True), ("Петрович", True), ("Сидоров", True)]
SUMMARY = "Жизненный Путь 9, День Рождения 11, Экспрессия 6, Душевное Побуждение 4, Личность 11"
# What flat review must read on each page for the worked example: a result
# with its caption, each once. Page indexes count from 0.
PAGES = {
    0: ("Ядро", ["Жизненный Путь: 9", "День Рождения: 11", "Душевное Побуждение, Кармическое Число 13"]),
    1: ("Синтез", ["Жизненный Путь: 9", "Экспрессия: 6", "Личность: 11", "Число Реализации: ",
                   "Число Разума: ", "Путь - Экспрессия: "]),
    2: ("Спектр", ["Спектр имени, цифра 1: ", "Эталон, цифра 9: "]),
    4: ("Периоды", ["Вершины 1: ", "Вершины 4: ", "Периоды Жизненного Пути 1: ", "Периоды Жизненного Пути 2, начало: ",
                    "Испытания 1: "]),
    5: ("Годы и Дни", ["Индивидуальный Год", "Индивидуальный Месяц", "Индивидуальные Дни, 1 "]),
}
# The spoken text, then the voice Orca used: SPEECH OUTPUT: 'text' {voice}.
# Page 4, where Enter compares with the partner, and what it and the calendar say.
PARTNER = 3
MATCHES = "Совпадения: "
CALENDAR = "Индивидуальный Год "
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)'\s*(?:[\[{].*)?$")

failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what, flush=True)
    if not ok:
        failures.append(what)


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, timeout=20)


class Heard:
    """What was spoken, one text a line: speech-dispatcher's logging module
    appends each text to a file as it comes, so it can be waited for (Orca's
    own debug log is written in blocks)."""

    def __init__(self, path):
        self.path = path
        self.lines = []
        self._offset = 0

    def poll(self):
        try:
            with open(self.path, "rb") as spoken:
                spoken.seek(self._offset)
                data = spoken.read()
        except FileNotFoundError:
            return
        end = data.rfind(b"\n") + 1
        self._offset += end
        self.lines += [line for line in data[:end].decode("utf-8", "replace").splitlines() if line.strip()]

    def wait_for(self, pred, since, seconds):
        """The first line after index since that satisfies pred, or None at the deadline."""
        deadline = time.monotonic() + seconds
        while True:
            self.poll()
            for line in self.lines[since:]:
                if pred(line):
                    return line
            if time.monotonic() > deadline:
                return None
            time.sleep(0.1)

    def wait_quiet(self, since, seconds):
        """Waits for a first new line, then until no more come for a moment."""
        if self.wait_for(lambda _: True, since, seconds) is None:
            return []
        count = -1
        while count != len(self.lines):
            count = len(self.lines)
            time.sleep(0.5)
            self.poll()
        return self.lines[since:]


def orca_spoke(debug_log):
    """The SPEECH OUTPUT lines of Orca's debug log."""
    with open(debug_log, encoding="utf-8", errors="replace") as log:
        return [m.group(1) for m in map(SPOKEN.search, log) if m]


def type_person():
    for text, letters in PERSON:
        xdotool("key", "ctrl+a")
        keys = [KEYSYMS[c] for c in text] if letters else list(text)
        xdotool("key", "--delay", "60", *keys)
        xdotool("key", "Tab")


def orca_key(key):
    """A key with the Orca modifier (Insert on the keypad) held."""
    xdotool("keydown", "KP_Insert")
    xdotool("key", key)
    xdotool("keyup", "KP_Insert")


def flat_review(heard):
    """Reads the window by flat review from its top, line by line, until the
    bottom; returns what was spoken."""
    start = len(heard.lines)
    orca_key("KP_Home")
    said = heard.wait_quiet(start, 5)
    lines = list(said)
    for _ in range(40):
        mark = len(heard.lines)
        xdotool("key", "KP_Page_Up")
        said = heard.wait_quiet(mark, 3)
        if not said or said == lines[-len(said):]:
            break
        lines += said
    return lines


def compare_partner(heard):
    """Enter on the partner page: the number of matches is said; then the list
    of matches is read from its first line."""
    mark = len(heard.lines)
    xdotool("key", "Return")
    said = heard.wait_for(lambda s: MATCHES in s, mark, 10)
    check(said is not None, f"Enter on the partner page says «{MATCHES}…» ({heard.lines[mark:]})")
    print("--- page 4 «Партнерство», Enter:", flush=True)
    for line in heard.wait_quiet(mark, 3):
        print("    " + line, flush=True)
    print("--- the list of matches, Tab and Down:", flush=True)
    focus = []
    for _ in range(10):
        mark = len(heard.lines)
        xdotool("key", "Tab")
        focus = heard.wait_quiet(mark, 5)
        if any(s.startswith("Совпадения") for s in focus):
            break
    mark = len(heard.lines)
    xdotool("key", "Down")
    down = heard.wait_quiet(mark, 5)
    for line in focus + down:
        print("    " + line, flush=True)
    check(any(s.startswith("Совпадения") for s in focus), f"the list is named «Совпадения» ({focus})")
    check(bool(down), f"Down reads the list's next line ({down})")


def main():
    program, work = sys.argv[1], sys.argv[2]
    debug_log = os.path.join(work, "orca-debug.out")
    log = Heard(os.path.join(work, "spoken.txt"))
    expected_all = [SUMMARY]
    procs = [subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)]
    try:
        # The speech server reads its settings from XDG_CONFIG_HOME and
        # listens where Orca's client looks: XDG_RUNTIME_DIR.
        procs.append(subprocess.Popen(["speech-dispatcher", "-s", "-t", "0"], stdout=subprocess.DEVNULL,
                                      stderr=subprocess.DEVNULL))
        socket = os.path.join(os.environ["XDG_RUNTIME_DIR"], "speech-dispatcher", "speechd.sock")
        deadline = time.monotonic() + 20
        while not os.path.exists(socket):
            if time.monotonic() > deadline or procs[-1].poll() is not None:
                print("FAIL speech-dispatcher did not start")
                return 1
            time.sleep(0.1)
        # Never --replace: that kills every Orca of this user, the user's own too.
        procs.append(subprocess.Popen(["orca", "-u", os.path.join(work, "orca-prefs"),
                                       "--debug-file", debug_log],
                                      stdout=subprocess.DEVNULL, stderr=open(os.path.join(work, "orca.err"), "w")))
        if log.wait_for(lambda _: True, 0, 40) is None:
            print("FAIL Orca never spoke")
            return 1
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        start = len(log.lines)
        procs.append(subprocess.Popen([program], env=env))
        if log.wait_for(lambda s: CAPTION in s, start, 30) is None:
            print("FAIL Orca never announced the window")
            return 1
        window = subprocess.run(["xdotool", "search", "--name", "^" + CAPTION + "$"], capture_output=True,
                                text=True, timeout=10).stdout.split()[0]
        xdotool("windowfocus", "--sync", window)
        log.wait_quiet(start, 3)

        typed = len(log.lines)
        type_person()
        # As a user would, Enter once Orca has caught up with the typing: it
        # has echoed every Tab and reached the button.
        deadline = time.monotonic() + 30
        while time.monotonic() < deadline:
            log.poll()
            said = log.lines[typed:]
            if sum(s.strip() == "tab" for s in said) >= len(PERSON) and any("Рассчитать" in s for s in said):
                break
            time.sleep(0.1)
        log.wait_quiet(len(log.lines) - 1, 5)
        mark = len(log.lines)
        xdotool("key", "Return")
        summary = log.wait_for(lambda s: SUMMARY in s, mark, 10)
        check(summary is not None, f"after Enter Orca says «{SUMMARY}» ({log.lines[mark:]})")

        page = 0
        for index in sorted(list(PAGES) + [PARTNER]):
            while page < index:
                mark = len(log.lines)
                xdotool("key", "ctrl+Tab")
                page += 1
                log.wait_quiet(mark, 3)
            if index == PARTNER:
                compare_partner(log)
                continue
            title, expected = PAGES[index]
            heard = flat_review(log)
            expected_all.extend(expected)
            print(f"--- page {index + 1} «{title}», flat review:", flush=True)
            for line in heard:
                print("    " + line, flush=True)
            text = "\n".join(heard)
            for phrase in expected:
                check(text.count(phrase) == 1, f"page {index + 1} says «{phrase}», once")
                # Not after its caption label read on its own: «Жизненный Путь: Жизненный Путь: 9».
                caption = phrase.split(":")[0].split(",")[0]
                check(caption + ": " + caption not in text, f"page {index + 1} says «{caption}» without its caption twice")
            check("layered pane" not in text and "многоуровневая панель" not in text,
                  f"page {index + 1} without a layered pane")
        # The calendar: the next year, from the keyboard, on the year list.
        mark = len(log.lines)
        xdotool("key", "Down")
        said = log.wait_for(lambda s: CALENDAR in s, mark, 10)
        check(said is not None, f"a new calendar year says «{CALENDAR}…» ({log.wait_quiet(mark, 1)})")
    finally:
        for proc in reversed(procs):
            proc.terminate()
            try:
                proc.wait(timeout=10)
            except subprocess.TimeoutExpired:
                proc.kill()
    # What the speech server got is what Orca says it spoke.
    spoke = "\n".join(orca_spoke(debug_log))
    for phrase in expected_all:
        check(phrase in spoke, f"Orca's debug log has SPEECH OUTPUT «{phrase}»")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
