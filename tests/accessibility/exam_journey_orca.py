"""A blind candidate's whole journey through the exam simulator, heard with
Orca and walked with the keyboard alone, as the desktop entry starts it.

    exam_journey_orca.py ULVORANE DESKTOP_FILE en|fr entry|action

"entry" starts the program as the desktop entry's main command does (the
normal layout), "action" as its second action, "for screen readers", does
(the simplified layout); the arguments are read from the desktop file.

Two banks are on the shelf. The journey: the bank list walked by arrows
(each bank said as it is reached, none loaded until Enter), its figures box;
F10 and the help (said from its first line, which tells how to get the
simplified layout); the lesson dialog (a lesson ticked, the pool's new size
said); Launch (the first question said); ten answers by the number keys,
right, wrong and "Don't know" (each verdict said, then the next question,
by itself after a right answer, after NEXT otherwise; under /S the
explanation after a wrong answer, and again with the key E); the mark; the
progress window before any exam (its empty state said once) and after the
exam (its chance said once); the language switched (said in the
new language). Every moment is counted; the test fails at the end with
each one not heard once and whole.
"""

import configparser
import os
import re
import shlex
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from atspi_harness import fail  # noqa: E402
from exam_simplified import TEXTS as NAMES  # noqa: E402
from orca_harness import run_orca_test  # noqa: E402

# Expected answer of each topic, and what the candidate does, in the order
# the questions come.
EXPECTED = "2143213421"
PLAN = ("right", "wrong", "dontknow", "right", "right", "wrong", "right", "dontknow", "right",
        "right")
LESSONS = (("LA", 6), ("LB", 4))  # lesson code, its number of topics

WORDS = {
    "en": {
        "banks": ("Tiny", "Other"),
        "lessons": ("Antennas", "Batteries"),
        "file_menu": "File",
        "help_item": "Help",
        "help_title": "Ulvorane - Help",
        "help_first": "Ulvorane",
        "help_simplified": "/S",
        "lessons_item": "Selection, Lessons...",
        "lessons_title": "Ulvorane - Lessons",
        "pool": "Questions available in pool = 6",
        "language_item": "Interface fran\u00e7ais",
        "language_said": "Interface en fran\u00e7ais",
        "progress_item": "Progress...",
        "chance": re.compile(r"Chance of passing now"),
        "no_session": "No session of this bank is in the history log yet",
        "next_step": "Next step:",
        "explanation": "Explanation %d.",
    },
    "fr": {
        "banks": ("Tiny", "Other"),
        "lessons": ("Antennes", "Piles"),
        "file_menu": "Fichier",
        "help_item": "Aide",
        "help_title": "Ulvorane - Aide",
        "help_first": "Ulvorane",
        "help_simplified": "/S",
        "lessons_item": "S\u00e9lection, Le\u00e7ons...",
        "lessons_title": "Ulvorane - Le\u00e7ons",
        "pool": "Questions disponibles en banque = 6",
        "language_item": "Interface fran\u00e7ais",
        "language_said": "Interface in English",
        "progress_item": "Progr\u00e8s...",
        "chance": re.compile(r"Chance de r\u00e9ussir maintenant"),
        "no_session": "Le journal ne contient encore aucune s\u00e9ance de cette banque",
        "next_step": "Prochaine \u00e9tape :",
        "explanation": "Explanation %d.",
    },
}


def desktop_args(path, action):
    """The arguments the desktop entry (or its action) gives the program."""
    entry = configparser.ConfigParser(interpolation=None)
    entry.optionxform = str
    entry.read(path, encoding="utf-8")
    section = "Desktop Entry"
    if action:
        actions = [a for a in entry[section].get("Actions", "").split(";") if a]
        if not actions:
            fail("%s has no second action" % path)
        section = "Desktop Action " + actions[0]
    return shlex.split(entry[section]["Exec"])[1:]


def journey_bank(t, title, expected, lessons):
    """A bank of one question per topic in lessons, in Latin-1."""
    lines = ["^%s^%d^70^" % (title, len(expected)), ""]
    topic = 0
    for (code, count), name in lessons:
        lines += ["{%s} %s" % (code, name), ""]
        for _ in range(count):
            topic += 1
            lines.append("B-001-%03d-001 (%s) %s" % (topic, expected[topic - 1],
                                                     t["question"] % topic))
            for a in range(1, 5):
                lines.append("%d. %s" % (a, t["answer"] % (a, topic)))
            lines.append("> Explanation %d." % topic)
            lines.append("")
    return "\r\n".join(lines).encode("latin-1")


def said(*parts):
    """A pattern: each part, in order, inside one utterance."""
    return re.compile(".*".join(re.escape(p) for p in parts), re.S)


class Journey:
    def __init__(self, desktop, app, t, w, simplified):
        self.d, self.app, self.t, self.w, self.simplified = desktop, app, t, w, simplified

    def dialogs(self, title=None):
        return self.app.find_all("dialog", title)

    def close_dialogs(self):
        for _ in range(3):
            if not self.dialogs():
                return
            self.d.press("Escape")

    def focus_is(self, role, name=None):
        focused = self.app.focused()
        if focused is None or focused.getRoleName() != role:
            return False
        if name is None:
            return True
        names = [(focused.name or "").replace("&", "")] + self.app.labels(focused)
        return any(n == name or n.startswith(name + ", ") for n in names)

    def tab_to(self, role, name):
        if self.focus_is(role, name):
            return []
        for _ in range(30):
            heard = self.d.press("Tab")
            if self.focus_is(role, name):
                return heard
        fail("Tab never reached the %s %r" % (role, name))

    def list_items(self):
        """The items of the focused drop list, as the screen reader has them."""
        focused = self.app.focused()
        return [o.name.strip() for o in self.app.find_all("list item", within=focused,
                                                           showing=False)]

    def open_menu(self, index):
        """F10 and Right to menu index; False when no menu opens."""
        self.d.press("F10")
        if not self.focus_is("menu item"):
            self.d.press("Escape")
            return False
        for _ in range(index):
            self.d.press("Right")
        return True

    def menu_item(self, name):
        """Down to the item named name in the open menu, as the listener
        finds it: by what Orca says of each item; and Return."""
        for _ in range(12):
            heard = self.d.press("Down")
            item = re.sub(r"( not)? checked$", "", heard[-1].rstrip(".")) if heard else ""
            if item.replace("&", "").rstrip(".") == name.rstrip("."):
                return self.d.press("Return")
        fail("no menu item %r" % name)

    def by_menu(self, index, name, *moments):
        """The menu item name of menu index, chosen by keys; when the menus
        cannot be reached by keys, the moments of the step are missed."""
        if not self.open_menu(index):
            for what in moments:
                self.d.moment(what, ["no menu opened by F10"], "a menu")
            return None
        return self.menu_item(name)


def test(desktop, program, desktop_file, language, how):
    t, w = NAMES[language], WORDS[language]
    simplified = how == "action"
    args = desktop_args(desktop_file, simplified)
    env = {"LANG": t["locale"], "LC_ALL": t["locale"], "LANGUAGE": language}
    files = {"Questions_Tiny.txt": journey_bank(t, "Tiny", EXPECTED, zip(LESSONS, w["lessons"])),
             "Questions_Other.txt": journey_bank(t, "Other", "1234", [(("LC", 4), "Other")])}
    app = desktop.launch(program, files=files, args=args, env=env)
    j = Journey(desktop, app, t, w, simplified)
    desktop.give_keyboard(app, "Ulvorane")
    moment = desktop.moment

    # -- the bank list, by arrows and Enter --------------------------------
    heard = j.tab_to("combo box", t["bank_list"])
    banks = [b for b in j.list_items() if b in w["banks"]]
    if len(banks) != 2:
        fail("the bank list does not hold both banks: %r" % j.list_items())
    # Down to the first bank and the second, Up, then to the exam's bank.
    walk = [("Down", banks[0]), ("Down", banks[1]), ("Up", banks[0])]
    if banks[1] == w["banks"][0]:
        walk.append(("Down", banks[1]))
    for key, bank in walk:
        heard = desktop.press(key)
        moment("bank list %s: %s said" % (key, bank), heard, said(bank), last=True)
        if j.dialogs(t["info_title"]):
            moment("bank list %s: no box opens before Enter" % key, ["a box opened"], "nothing")
            desktop.press("Return")
    heard = desktop.press("Return")
    app.wait_for(lambda: j.dialogs(t["info_title"]) or True, 5, "the figures box")
    moment("Enter on the bank list: the figures box said", heard, said(t["info_title"]))
    j.close_dialogs()
    # (What a window manager does once a box has closed.)
    desktop.give_keyboard(app, "Ulvorane")

    # -- F10, the help -------------------------------------------------------
    heard = desktop.press("F10")
    moment("F10: the first menu said", heard, said(w["file_menu"]))
    if j.focus_is("menu item"):
        desktop.press("Escape")
        desktop.press("Escape")
    help_said = "Help: opens on its text, which names /S"
    heard = j.by_menu(2, w["help_item"], help_said)
    if heard is not None:
        app.find("dialog", w["help_title"])
        # (What a window manager does with a window that opens.)
        heard += desktop.give_keyboard(app, w["help_title"], role="dialog")
        moment(help_said, heard, said(w["help_first"], w["help_simplified"]))
        j.close_dialogs()
        desktop.give_keyboard(app, "Ulvorane")

    # -- the lesson dialog ---------------------------------------------------
    dialog_said = "Lessons: the dialog said with its first lesson"
    ticked_said = "a lesson ticked: the pool's figures said"
    heard = j.by_menu(1, w["lessons_item"], dialog_said, ticked_said,
                      "a lesson ticked: the exam's size said")
    if heard is not None:
        moment(dialog_said, heard, said(w["lessons"][0]))
        heard = desktop.press("space")
        moment(ticked_said, heard, said(w["pool"]))
        moment("a lesson ticked: the exam's size said", heard, said("6 question(s)"))
        j.close_dialogs()

    # -- the progress window before any exam -----------------------------------
    empty_said = "Progress before any exam: the empty state said once"
    desktop.give_keyboard(app, "Ulvorane")
    heard = j.by_menu(1, w["progress_item"], empty_said)
    if heard is not None:
        moment(empty_said, heard, said(w["no_session"]))
        desktop.press("Escape")
        desktop.give_keyboard(app, "Ulvorane")

    # -- the exam by number keys ---------------------------------------------
    desktop.give_keyboard(app, "Ulvorane")
    j.tab_to("push button", t["launch"])
    heard = desktop.press("space")
    question = re.compile(re.escape(t["question"]).replace("%d", r"(\d+)"))
    moment("Launch: the first question said", heard, question)
    size = len(EXPECTED)
    shown = app.find("text", "Question")
    for position in range(1, size + 1):
        found = question.search(app.text(shown))
        if not found:
            fail("no question on show at position %d: %r" % (position, app.text(shown)))
        topic = int(found.group(1))
        right = int(EXPECTED[topic - 1])
        plan = PLAN[position - 1]
        answer = right if plan == "right" else 5 if plan == "dontknow" else right % 4 + 1
        heard = desktop.press(str(answer))
        verdict = (NAMES[language]["valid"].replace("\\", "") % (position, size, answer)
                   if answer == right
                   else NAMES[language]["wrong"].replace("\\", "") % (position, size, right, answer))
        if position == size:
            moment("answer %d by key %d: verdict, then the mark" % (position, answer), heard,
                   said(verdict), said(t["mark"].split("%")[0]))
            desktop.press("Return")
            app.wait_for(lambda: not j.dialogs(t["info_title"]), 10, "the mark box closed")
            desktop.give_keyboard(app, "Ulvorane")
            break
        moment("answer %d by key %d: verdict" % (position, answer), heard, said(verdict))
        if simplified and answer != right:
            moment("answer %d: the explanation said" % position, heard,
                   said(w["explanation"] % topic), last=True)
            heard = desktop.press("e")
            moment("E: the explanation said again", heard, said(w["explanation"] % topic),
                   last=True)
        if answer == right:
            moment("after a right answer: the next question said", heard,
                   question, last=True)
        else:
            j.tab_to("push button", t["next"])
            heard = desktop.press("space")
            moment("NEXT: the next question said", heard, question)

    # -- the progress window ---------------------------------------------------
    progress_said = "Progress: the chance said once"
    heard = j.by_menu(1, w["progress_item"], progress_said)
    if heard is not None:
        moment(progress_said, heard, w["chance"])
        if simplified:
            # The keyboard is on the next step's button; the lines before it
            # are reached one by one.
            heard = desktop.press("shift+Tab")
            moment("Progress, Shift+Tab: the next step said", heard, said(w["next_step"]),
                   last=True)
        desktop.press("Escape")
        desktop.give_keyboard(app, "Ulvorane")

    # -- the language switched ----------------------------------------------
    language_said = "language switched: said in the new language"
    heard = j.by_menu(1, w["language_item"], language_said)
    if heard is not None:
        # Said once the screen reader is through the renames: a moment
        # later, under load.
        time.sleep(2)
        heard += desktop.settle("(two seconds later)")
        moment(language_said, heard, said(w["language_said"]))


if __name__ == "__main__":
    if len(sys.argv) != 5 or sys.argv[3] not in WORDS or sys.argv[4] not in ("entry", "action"):
        sys.exit("usage: exam_journey_orca.py ULVORANE DESKTOP_FILE en|fr entry|action")
    run_orca_test(test, *sys.argv[1:])
