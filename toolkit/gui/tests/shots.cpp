// Renders message boxes and a tooltip-bearing window to PNG files, for
// looking at the toolkit's windows without a display:
//   QT_QPA_PLATFORM=offscreen toolkit_gui_shots <folder>
#include <QApplication>
#include <QDir>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QToolTip>

#include "toolkit/gui/controls.h"
#include "toolkit/gui/metrics.h"
#include "toolkit/gui/modalgate.h"
#include "toolkit/gui/msgbox.h"
#include "toolkit/gui/qtext.h"
#include "toolkit/gui/tooltips.h"
#include "toolkit/programfolder.h"
#include "toolkit/text.h"
#include "toolkit/uicontext.h"

namespace {
QString folder;

// The client area inside a drawn frame and title bar, as a desktop shows it.
QImage framed(QWidget* window) {
    const WindowMetrics wm = systemWindowMetrics();
    const QPixmap client = window->grab();
    const int f = wm.DialogFrame;
    QImage image(client.width() + 2 * f, client.height() + wm.CaptionHeight + 2 * f,
                 QImage::Format_RGB32);
    image.fill(QColor(120, 120, 120));
    QPainter p(&image);
    p.fillRect(f, f, client.width(), wm.CaptionHeight, QColor(40, 70, 140));
    p.setPen(Qt::white);
    p.setFont(QFont(window->font().family(), window->font().pointSize(), QFont::Bold));
    p.drawText(QRect(f + 6, f, client.width() - 12, wm.CaptionHeight),
               Qt::AlignVCenter | Qt::AlignLeft, window->windowTitle());
    p.drawPixmap(f, f + wm.CaptionHeight, client);
    return image;
}

void shootBox(const char* name, const std::string& text, const std::string& title, unsigned style,
              const std::string& captions) {
    auto box = buildMsgBox(nullptr, text, title, style, 0, captions);
    box->show();
    QApplication::processEvents();
    framed(box.get()).save(folder + "/" + name + ".png");
}

void shootToolTips(int language) {
    uiContext().InterfaceLanguage = language;
    QWidget window;
    window.setWindowTitle("Ulvorane");
    window.resize(420, 220);
    const char* captions[] = {"&Launch", "&Mark", "E&xplain"};
    for (int i = 0; i < 3; ++i) {
        auto* b = new QPushButton(captions[i], &window);
        b->setGeometry(20 + 130 * i, 20, 110, 28);
        setControlId(b, 2000 + i);
    }
    ToolTipTable table;
    table.FirstId = 2000;
    table.Texts = {
        {"Draw a new exam from the selected bank.",
         latin1("Tirer un nouvel examen de la banque choisie.")},
        {"Mark the answers given so far; questions left unanswered count as wrong answers.",
         latin1("Corriger les réponses données jusqu'ici ; les questions sans réponse comptent "
                "comme des erreurs.")},
        {"", ""},
    };
    myAddToolTips(&window, table);
    window.show();
    QApplication::processEvents();
    QWidget* target = findControl(&window, 2001);
    QHelpEvent help(QEvent::ToolTip, QPoint(10, 10), target->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(target, &help);
    QApplication::processEvents();
    QImage image = framed(&window);
    QPainter p(&image);
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->inherits("QTipLabel") && w->isVisible()) {
            const QPoint at =
                w->pos() - window.pos() +
                QPoint(systemWindowMetrics().DialogFrame,
                       systemWindowMetrics().CaptionHeight + systemWindowMetrics().DialogFrame);
            p.drawPixmap(at, w->grab());
        }
    }
    p.end();
    image.save(folder + (language ? "/tooltip_fr.png" : "/tooltip_en.png"));
    QToolTip::hideText();
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(folder);
    const std::string fr = latin1(
        "OK,&Oui,&Non,&Abandonner,&Recommencer,&Ignorer,Annuler,&Recommencer,&Continuer,Aide");
    shootBox("en_error",
             "myReadQuestionBank, cannot open file Questions_Basic.txt err=2\r\n"
             "No such file or directory",
             "Ulvorane - Error Message", 0x10, "");
    shootBox("en_question", "Quit the exam now? Unanswered questions count as wrong.",
             "Ulvorane - Warning", 0x23, "");
    shootBox("en_warning", "The history log could not be written.", "Ulvorane - Warning",
             0x32 | 0x100, "");
    shootBox("en_info", "Mark: 84 %\r\nPass mark: 70 %", "Ulvorane - Info", 0x40 | 0x4000, "");
    shootBox("fr_error",
             latin1("myReadQuestionBank, impossible d'ouvrir le fichier\r\n"
                    "Aucun fichier ou dossier de ce type"),
             latin1("Ulvorane - Message d'erreur"), 0x10, fr);
    shootBox("fr_question", latin1("Abandonner l'examen maintenant ?"), "Ulvorane - Avertissement",
             0x24, fr);
    shootBox("fr_warning", latin1("Le journal n'a pas pu être écrit."), "Ulvorane - Avertissement",
             0x36, fr);
    shootBox("fr_info", latin1("Note : 84 %\r\nNote de passage : 70 %"), "Ulvorane - Info",
             0x41 | 0x4000, fr);
    shootBox("en_long",
             "Fonts in effect\r\n\r\nDialog font: DejaVu Sans, 9 points, 7 x 15 pixels per "
             "character cell, dialog units 7 x 15\r\nTile font: DejaVu Sans Condensed, 8 "
             "points\r\nCaption font: DejaVu Sans Bold, 9 points\r\nScreen: 96 pixels per "
             "inch, work area 1024 x 768\r\nLast line.",
             "Ostrilon - Info", 0x40, "");
    shootBox("en_all", "All ten buttons.", "Ostrilon", 0xF | 0x30, "");
    shootBox("en_noicon", "No icon, one line.", "A rather long title for such a small box", 0, "");
    // A /P= folder that does not exist, named in a script Latin-1 cannot hold.
    ProgramFolderChoice refused;
    refused.Problem = FolderProblem::NamedUnreadable;
    refused.Folder = "/home/\xC5\x81ukasz/\xD0\x94\xD0\xBE\xD0\xBA\xD1\x83\xD0\xBC\xD0\xB5\xD0\xBD\xD1\x82\xD1\x8B";
    refused.Error = 2;
    shootBox("folder_refused", programFolderMessage(refused), "Ulvorane - Error Message", 0x10, "");
    shootToolTips(0);
    shootToolTips(1);
    return 0;
}
