"""A whole exam in the simplified layout, as a blind candidate takes it with
a screen reader: every answer given through the answer boxes' accessible
actions, every result read from the status box's text, the mark read from
the message box; then the history log and the missed-questions report.

Usage: exam_simplified.py PROGRAM en|fr
"""

import os
import re
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from atspi_harness import fail, run_test  # noqa: E402

TOPICS = 5
EXPECTED = "21432"  # expected answer of each topic
# What the candidate answers, topic by topic: right, right, wrong, right,
# "Don't know" (answer 5).
PLAN = {1: "right", 2: "right", 3: "wrong", 4: "right", 5: "dontknow"}
ANSWER_GAP = 0.8  # seconds

TEXTS = {
    "en": {
        "locale": "en_CA.UTF-8",
        "title": "Tiny bank",
        "question": "Question of topic %d?",
        "answer": "Answer %d of topic %d",
        "dont_know": "Answer 5.  Don't know",
        "status": "Exam status",
        "bank_list": "Question selection, bank",
        "criterion_list": "Question selection, criterion",
        "info_title": "Ulvorane - Info",
        "ok": "OK",
        "manual_advance": "Manual Advance",
        "launch": "Launch",
        "next": "NEXT",
        "pending": r"Question %d of %d, pending\.",
        "valid": r"Question %d of %d, Answer %d valid\.",
        "wrong": r"Question %d of %d, expected answer %d, not %d\.",
        "mark": "Your mark is 60%",
        "report": "Missed_",
        "answer_is": " Answer is %d,  not %d",
    },
    "fr": {
        "locale": "fr_CA.UTF-8",
        "title": "Petite banque",
        "question": "Question du sujet %d, déjà posée ?",
        "answer": "Réponse %d du sujet %d",
        "dont_know": "Réponse 5.  Ne Sais Pas",
        "status": "État de l'examen",
        "bank_list": "Critères de sélection, banque",
        "criterion_list": "Critères de sélection, critère",
        "info_title": "Ulvorane - Info",
        "ok": "OK",
        "manual_advance": "Avance Manuelle",
        "launch": "Lancer",
        "next": "SUIVANTE",
        "pending": r"Question %d de %d, en attente\.",
        "valid": r"Question %d de %d, Réponse %d exacte\.",
        "wrong": r"Question %d de %d, réponse attendue %d, et non %d\.",
        "mark": "Votre note est de 60%",
        "report": "Erronées_",
        "answer_is": " Réponse est %d,  et non %d",
    },
}


def designation(topic):
    return "B-001-00%d-001" % topic


def bank(t, expected=EXPECTED):
    """A bank of one question per topic, expected[i] the answer of topic
    i + 1, in Latin-1 as the program reads it."""
    lines = ["^%s^%d^70^" % (t["title"], len(expected)), ""]
    for topic in range(1, len(expected) + 1):
        lines.append("%s (%s) %s" % (designation(topic), expected[topic - 1],
                                     t["question"] % topic))
        for a in range(1, 5):
            lines.append("%d. %s" % (a, t["answer"] % (a, topic)))
        lines.append("> Explanation %d." % topic)
        lines.append("")
    return "\r\n".join(lines).encode("latin-1")


def chosen_answer(topic):
    right = int(EXPECTED[topic - 1])
    plan = PLAN[topic]
    if plan == "right":
        return right
    if plan == "wrong":
        return right % 4 + 1
    return 5


def dismiss_info_box(app, t, contains):
    box = app.find("dialog", t["info_title"])
    texts = [app.text(label) for label in app.find_all("label", within=box)]
    if not any(contains in text for text in texts):
        fail("the box %r says %r, not %r" % (t["info_title"], texts, contains))
    app.do_action(app.find("push button", t["ok"], within=box), "Press")
    app.wait_for(lambda: not app.find_all("dialog", t["info_title"]), 10,
                 "the box %r closing" % t["info_title"])
    return texts


def test(desktop, program, language):
    t = TEXTS[language]
    env = {"LANG": t["locale"], "LC_ALL": t["locale"], "LANGUAGE": language}
    app = desktop.launch(program, files={"Questions_Tiny.txt": bank(t)}, args=["/S"], env=env)
    app.find("frame", "Ulvorane")
    # The only bank is read at start-up and its figures announced.
    dismiss_info_box(app, t, "Questions_Tiny.txt")

    # The two lists are told apart by their labels; the status box by its name.
    for key in ("bank_list", "criterion_list"):
        app.find("combo box", labelled=t[key])
    status = app.find("text", t["status"])
    question_box = app.find("text", "Question")

    app.do_action(app.find("menu item", t["manual_advance"], showing=False), "Press")
    app.do_action(app.find("push button", t["launch"]), "Press")

    shown = {}
    last_answer = 0.0
    for position in range(1, TOPICS + 1):
        app.wait_for_text(status, lambda s: re.match(t["pending"] % (position, TOPICS), s),
                          "status %r" % (t["pending"] % (position, TOPICS)))
        question = app.text(question_box)
        found = re.search(t["question"].replace("%d", r"(\d)").replace("?", r"\?"), question)
        if not found:
            fail("the question box reads %r, no question of the bank" % question)
        topic = int(found.group(1))
        shown[position] = topic
        answer = chosen_answer(topic)
        # Answers closer together than 700 ms are taken as one double click.
        time.sleep(max(0.0, last_answer + ANSWER_GAP - time.monotonic()))
        name = t["dont_know"] if answer == 5 else "%d. %s" % (answer, t["answer"] % (answer, topic))
        took = app.do_action(app.find("check box", name), "Toggle")
        last_answer = time.monotonic()
        right = int(EXPECTED[topic - 1])
        expected = (t["valid"] % (position, TOPICS, answer) if answer == right
                    else t["wrong"] % (position, TOPICS, right, answer))
        app.wait_for_text(status, lambda s: re.match(expected, s), "status %r" % expected)
        print("question %d (topic %d): answer %d, action returned in %.3f s"
              % (position, topic, answer, took))
        if position < TOPICS:
            app.do_action(app.find("push button", t["next"]), "Press")

    # The last answer ended the exam: the mark comes in a box of its own,
    # opened once the action had returned.
    texts = dismiss_info_box(app, t, t["mark"])
    print("mark box: %r" % texts)

    log = app.file("Ulvorane_Log.txt")
    log_bytes = app.wait_for(lambda: os.path.exists(log) and open(log, "rb").read(), 10,
                             "the history log " + log)
    if t["title"].encode("latin-1") not in log_bytes:
        fail("the history log does not name the bank %r:\n%r" % (t["title"], log_bytes))
    for topic in range(1, TOPICS + 1):
        if designation(topic).encode() not in log_bytes:
            fail("the history log has no answer to %s:\n%r" % (designation(topic), log_bytes))

    report_path = app.wait_for_file(lambda n: n.startswith(t["report"]) and n.endswith(".txt"),
                                    "the missed-questions report " + t["report"] + "*.txt")
    report = open(report_path, "rb").read().decode("latin-1")
    missed = [topic for topic in range(1, TOPICS + 1) if PLAN[topic] != "right"]
    for topic in range(1, TOPICS + 1):
        listed = designation(topic) in report
        if listed != (topic in missed):
            fail("the report %s %s %s:\n%s" % (os.path.basename(report_path),
                                              "leaves out" if not listed else "lists",
                                              designation(topic), report))
    wrong_topic = next(topic for topic in missed if PLAN[topic] == "wrong")
    line = t["answer_is"] % (int(EXPECTED[wrong_topic - 1]), chosen_answer(wrong_topic))
    if line not in report:
        fail("the report has no line %r:\n%s" % (line, report))


if __name__ == "__main__":
    if len(sys.argv) != 3 or sys.argv[2] not in TEXTS:
        sys.exit("usage: exam_simplified.py PROGRAM en|fr")
    run_test(test, sys.argv[1], sys.argv[2])
