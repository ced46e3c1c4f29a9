"""The department's pool imported as a screen-reader user does it: the File
menu item found and pressed by name, the file name typed into the open-file
dialog (which starts in the Downloads folder), the reader's statistics and
the import's message read from their boxes; then the two banks beside the
program. The pool is a small one in the department's layout, zipped here.

Usage: import_menu.py PROGRAM en|fr
"""

import io
import os
import sys
import tempfile
import zipfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from atspi_harness import fail, run_test  # noqa: E402
from exam_simplified import TEXTS as EXAM_TEXTS, bank, dismiss_info_box  # noqa: E402

TEXTS = {
    "en": {
        "item": "Import Official Question Bank...",
        "dialog": "Import Official Question Bank",
        "message_title": "Ulvorane - Import",
        "message": "Question pool imported: Basic 2025 (2 questions), from amat_basic_quest.zip.",
        "bank": "Basic_EN",
    },
    "fr": {
        "item": "Importer une banque officielle...",
        "dialog": "Importer une banque officielle",
        "message_title": "Ulvorane - Importation",
        "message": "Banque importée : Base 2025 (2 questions), de amat_basic_quest.zip.",
        "bank": "Basic_FR",
    },
}

HEADER = ("question_id ;question_english;correct_answer_english;incorrect_answer_1_english;"
          "incorrect_answer_2_english;incorrect_answer_3_english;question_french;"
          "correct_answer_french;incorrect_answer_1_french;incorrect_answer_2_french;"
          "incorrect_answer_3_french")


def pool_zip():
    rows = [HEADER]
    for ident in ("B-001-001-001", "B-002-001-001"):
        rows.append(";".join([ident, "Question %s?" % ident, "Right", "Wrong 1", "Wrong 2",
                              "Wrong 3", "Question %s ?" % ident, "Bonne", "Mauvaise 1",
                              "Mauvaise 2", "Mauvaise 3"]))
    out = io.BytesIO()
    with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED) as archive:
        archive.writestr("amat_basic_quest_delim2025.txt", ("\r\n".join(rows) + "\r\n").encode())
    return out.getvalue()


def test(desktop, program, language):
    t = TEXTS[language]
    exam = EXAM_TEXTS[language]
    home = tempfile.mkdtemp(prefix="home-", dir=desktop.workdir)
    os.makedirs(os.path.join(home, "Downloads"))
    with open(os.path.join(home, "Downloads", "amat_basic_quest.zip"), "wb") as out:
        out.write(pool_zip())
    env = {"LANG": exam["locale"], "LC_ALL": exam["locale"], "LANGUAGE": language,
           "HOME": home, "XDG_CONFIG_HOME": os.path.join(home, ".config")}
    app = desktop.launch(program, files={"Questions_Tiny.txt": bank(exam)}, env=env)
    app.find("frame", "Ulvorane")
    dismiss_info_box(app, exam, "Questions_Tiny.txt")

    app.do_action(app.find("menu item", t["item"], showing=False), "Press")
    dialog = app.find("dialog", t["dialog"])
    # The file name field is the dialog's one editable text; typing the bare
    # name proves the dialog is in the Downloads folder.
    fields = [o for o in app.find_all("text", within=dialog)
              if o.getState().contains(desktop.pyatspi.STATE_EDITABLE)]
    if not fields:
        fail("the open-file dialog has no editable field\n%s" % app.inventory(dialog))
    fields[0].queryEditableText().setTextContents("amat_basic_quest.zip")
    app.do_action(app.find("push button", lambda name: name in ("Open", "Ouvrir"), within=dialog),
                  "Press")

    # The bank of the interface language is read as a choice in the list.
    dismiss_info_box(app, exam, "Questions_%s.txt" % t["bank"])
    box = app.find("dialog", t["message_title"])
    texts = [app.text(label) for label in app.find_all("label", within=box)]
    if not any(t["message"] in text for text in texts):
        fail("the import's message reads %r, not %r" % (texts, t["message"]))
    app.do_action(app.find("push button", "OK", within=box), "Press")

    for name in ("Questions_Basic_EN.txt", "Questions_Basic_FR.txt"):
        if not os.path.isfile(os.path.join(app.folder, name)):
            fail("%s was not written beside the program" % name)


if __name__ == "__main__":
    if len(sys.argv) != 3 or sys.argv[2] not in TEXTS:
        sys.exit("usage: import_menu.py PROGRAM en|fr")
    run_test(test, sys.argv[1], sys.argv[2])
