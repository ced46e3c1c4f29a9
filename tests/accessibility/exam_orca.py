"""What a blind candidate hears from Orca during a whole exam of four
questions in the simplified layout, taken with the keyboard alone.

    exam_orca.py ULVORANE en|fr

The bank's figures box is closed with Enter. Tab walks the window: the
three lists must be said with their names and current values, and a change
of the marking mode with Down (and back with Up) must be said. The
Explanation button is said by its short name. Launch is pressed with Space;
the question is said once. Each answer is reached with Tab and given with
Space: right, wrong, "Don't know", right. After every answer Orca must say
the status box's verdict ("Answer n valid" / "expected answer e, not a"),
the last one before the mark box opens, closed with Enter; NEXT is pressed
with Space when the program does not go on by itself.
"""

import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from atspi_harness import fail  # noqa: E402
from exam_simplified import TEXTS as NAMES, bank  # noqa: E402
from orca_harness import run_orca_test  # noqa: E402

TOPICS = 4
EXPECTED = "2143"
PLAN = ("right", "wrong", "dontknow", "right")

WORDS = {
    "en": {
        "lists": [("Question selection, bank", "Tiny"),
                  ("Question selection, criterion", "New, Missed, Known Answers"),
                  ("Marking", "As you go")],
        "marking_down": "At the end",
        "explanation": "Explanation",
        "launch": "Launch",
        "next": "NEXT",
        "valid": "Question {} of {}, Answer {} valid.",
        "wrong": "Question {} of {}, expected answer {}, not {}.",
        "mark": "Your mark is 50%",
    },
    "fr": {
        "lists": [("Crit\u00e8res de s\u00e9lection, banque", "Tiny"),
                  ("Crit\u00e8res de s\u00e9lection, crit\u00e8re",
                   "Nouvelles, Manqu\u00e9es, Connues"),
                  ("Correction", "\u00c0 mesure")],
        "marking_down": "\u00c0 la fin",
        "explanation": "Explication",
        "launch": "Lancer",
        "next": "SUIVANTE",
        "valid": "Question {} de {}, R\u00e9ponse {} exacte.",
        "wrong": "Question {} de {}, r\u00e9ponse attendue {}, et non {}.",
        "mark": "Votre note est de 50%",
    },
}


def said_with(*parts):
    """A pattern: each part, in order, inside one utterance."""
    return re.compile(".*".join(re.escape(p) for p in parts))


def tab_to(desktop, app, role, name):
    """Tab until the object of that role and name (or label) has the focus,
    unless it has it already; returns what Orca said when it got it."""
    def reached():
        focused = app.focused()
        if focused is None or focused.getRoleName() != role:
            return False
        # A list's label ends with its current item.
        names = [(focused.name or "").replace("&", "")] + app.labels(focused)
        return any(n == name or n.startswith(name + ", ") for n in names)

    if reached():
        return desktop.transcript[-1][1]
    for _ in range(30):
        heard = desktop.press("Tab")
        if reached():
            return heard
    fail("Tab never reached the %s %r" % (role, name))


def test(desktop, program, language):
    w, t = WORDS[language], NAMES[language]
    env = {"LANG": t["locale"], "LC_ALL": t["locale"], "LANGUAGE": language}
    app = desktop.launch(program, files={"Questions_Tiny.txt": bank(t, EXPECTED)}, args=["/S"],
                         env=env)
    app.find("dialog", t["info_title"])
    desktop.give_keyboard(app, t["info_title"], role="dialog")
    desktop.press("Return")
    app.wait_for(lambda: not app.find_all("dialog", t["info_title"]), 10, "the figures box closed")
    desktop.give_keyboard(app, "Ulvorane")

    for name, value in w["lists"]:
        heard = tab_to(desktop, app, "combo box", name)
        desktop.expect(heard, said_with(name, value))
        if name == w["lists"][-1][0]:
            desktop.expect(desktop.press("Down"), said_with(w["marking_down"]), last=True)
            desktop.expect(desktop.press("Up"), said_with(value), last=True)
    heard = tab_to(desktop, app, "push button", w["explanation"])
    desktop.expect(heard, re.compile("^" + re.escape(w["explanation"]) + " "))
    heard = tab_to(desktop, app, "push button", w["launch"])

    heard = desktop.press("space")
    question = t["question"] % 0
    desktop.expect(heard, re.compile(re.escape(question).replace("0", r"\d")))
    for position in range(1, TOPICS + 1):
        question_box = app.focused()
        text = question_box.queryText().getText(0, -1)
        topic = int(re.search(re.escape(t["question"]).replace("%d", r"(\d)"), text).group(1))
        right = int(EXPECTED[topic - 1])
        plan = PLAN[position - 1]
        answer = right if plan == "right" else 5 if plan == "dontknow" else right % 4 + 1
        box = t["dont_know"] if answer == 5 else "%d. %s" % (answer, t["answer"] % (answer, topic))
        tab_to(desktop, app, "check box", box)
        heard = desktop.press("space")
        verdict = (w["valid"].format(position, TOPICS, answer) if answer == right
                   else w["wrong"].format(position, TOPICS, right, answer))
        if position == TOPICS:
            desktop.expect(heard, said_with(verdict), said_with(w["mark"]))
            desktop.press("Return")
            app.wait_for(lambda: not app.find_all("dialog", t["info_title"]), 10,
                         "the mark box closed")
            break
        desktop.expect(heard, said_with(verdict))
        if not re.search(re.escape(t["question"]).replace("%d", r"\d"), " ".join(heard)):
            heard = tab_to(desktop, app, "push button", w["next"])
            heard = desktop.press("space")
        desktop.expect(heard, re.compile(re.escape(t["question"]).replace("%d", r"\d")))


if __name__ == "__main__":
    if len(sys.argv) != 3 or sys.argv[2] not in WORDS:
        sys.exit("usage: exam_orca.py ULVORANE en|fr")
    run_orca_test(test, sys.argv[1], sys.argv[2])
