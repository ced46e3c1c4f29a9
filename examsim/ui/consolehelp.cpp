#include "examsim/ui/consolehelp.h"

#include "toolkit/text.h"

namespace {

const char* const Help[2] = {
    "Usage: ulvorane [/S] [/A=n] [/F=font,size] [/D] [/X] [/P=FOLDER]\n"
    "A practice exam for the Canadian amateur radio certificate, in English and in French.\n"
    "\n"
    "  /S             simplified layout, for screen-reading software\n"
    "  /A=n           changes the point size of the font by n (positive or negative)\n"
    "  /F=font,size   chooses the font and its point size, for example /F=DejaVu Sans,12\n"
    "  /D             adds a \"Dump Utility\" for question bank authors to the Tools menu\n"
    "  /X             does not report tooltips that could not be set up\n"
    "  /P=FOLDER      keeps the banks, the history log and the reports in FOLDER\n"
    "  -h, --help     shows this help and exits\n"
    "  --version      shows the version and exits\n"
    "\n"
    "Files: the question banks (Questions_*.txt), the history log Ulvorane_Log.txt,\n"
    "the missed-questions reports and Temp.txt are kept in the program's folder: the\n"
    "folder of the executable when it holds a bank or the log, else the user's data\n"
    "folder $XDG_DATA_HOME/ulvorane (~/.local/share/ulvorane), where the sample banks\n"
    "are copied on the first start. To start afresh, delete Ulvorane_Log.txt there.\n"
    "\n"
    "Exit status: 0 when the window was closed, 1 when the program could not start.\n",
    "Usage : ulvorane [/S] [/A=n] [/F=police,taille] [/D] [/X] [/P=DOSSIER]\n"
    "Un examen d'entraînement au certificat canadien de radioamateur, en français et en anglais.\n"
    "\n"
    "  /S               présentation simplifiée, pour les logiciels de lecture d'écran\n"
    "  /A=n             modifie la taille de la police de n points (positif ou négatif)\n"
    "  /F=police,taille choisit la police et sa taille, par exemple /F=DejaVu Sans,12\n"
    "  /D               ajoute un « Dump Utility » pour les auteurs de banques au menu Outils\n"
    "  /X               ne signale pas les infobulles qui n'ont pu être mises en place\n"
    "  /P=DOSSIER       garde les banques, l'historique et les rapports dans DOSSIER\n"
    "  -h, --help       affiche cette aide et quitte\n"
    "  --version        affiche la version et quitte\n"
    "\n"
    "Fichiers : les banques de questions (Questions_*.txt), l'historique Ulvorane_Log.txt,\n"
    "les rapports des questions manquées et Temp.txt sont gardés dans le dossier du\n"
    "programme : le dossier de l'exécutable quand il contient une banque ou l'historique,\n"
    "sinon le dossier de données de l'utilisateur $XDG_DATA_HOME/ulvorane\n"
    "(~/.local/share/ulvorane), où les banques d'exemple sont copiées au premier\n"
    "démarrage. Pour repartir à zéro, effacez-y Ulvorane_Log.txt.\n"
    "\n"
    "Code de sortie : 0 quand la fenêtre a été fermée, 1 quand le programme n'a pu démarrer.\n",
};

}  // namespace

std::string consoleHelp(int language) { return latin1(Help[language == 1 ? 1 : 0]); }
