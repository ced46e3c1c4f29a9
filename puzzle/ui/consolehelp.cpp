#include "puzzle/ui/consolehelp.h"

#include "toolkit/text.h"

namespace {

const char* const Help[2] = {
    "Usage: ostrilon [/Q] [/A=n] [/F=font,size] [/T=font] [/X] [/P=FOLDER]\n"
    "A block-diagram puzzle for the Canadian amateur radio certificate, in English and in\n"
    "French: the tiles of a transmitter, a receiver or a power supply go back on their sketch.\n"
    "\n"
    "  /Q             starts with the French interface\n"
    "  /A=n           changes the point size of the font by n (positive or negative)\n"
    "  /F=font,size   chooses the font and its point size, for example /F=DejaVu Sans,12\n"
    "  /T=font        chooses the font of the tiles, for example /T=DejaVu Sans Mono\n"
    "  /X             does not report tooltips that could not be set up\n"
    "  /P=FOLDER      reads the diagram files from FOLDER\n"
    "  -h, --help     shows this help and exits\n"
    "  --version      shows the version and exits\n"
    "\n"
    "Files: the diagram files (Diagrams*.txt) are read from the program's folder: the\n"
    "folder of the executable when it holds one, else the user's data folder\n"
    "$XDG_DATA_HOME/ostrilon (~/.local/share/ostrilon), where the sample diagram files\n"
    "are copied on the first start. To get the samples back, delete the diagram files\n"
    "there.\n"
    "\n"
    "Exit status: 0 when the window was closed, 1 when the program could not start.\n",
    "Usage : ostrilon [/Q] [/A=n] [/F=police,taille] [/T=police] [/X] [/P=DOSSIER]\n"
    "Un casse-tête de schémas fonctionnels pour le certificat canadien de radioamateur, en\n"
    "français et en anglais : les tuiles d'un émetteur, d'un récepteur ou d'une alimentation\n"
    "retournent à leur place sur l'esquisse.\n"
    "\n"
    "  /Q               démarre avec l'interface française\n"
    "  /A=n             modifie la taille de la police de n points (positif ou négatif)\n"
    "  /F=police,taille choisit la police et sa taille, par exemple /F=DejaVu Sans,12\n"
    "  /T=police        choisit la police des tuiles, par exemple /T=DejaVu Sans Mono\n"
    "  /X               ne signale pas les infobulles qui n'ont pu être mises en place\n"
    "  /P=DOSSIER       lit les fichiers de schémas dans DOSSIER\n"
    "  -h, --help       affiche cette aide et quitte\n"
    "  --version        affiche la version et quitte\n"
    "\n"
    "Fichiers : les fichiers de schémas (Diagrams*.txt) sont lus dans le dossier du\n"
    "programme : le dossier de l'exécutable quand il en contient un, sinon le dossier de\n"
    "données de l'utilisateur $XDG_DATA_HOME/ostrilon (~/.local/share/ostrilon), où les\n"
    "fichiers de schémas d'exemple sont copiés au premier démarrage. Pour retrouver les\n"
    "exemples, effacez-y les fichiers de schémas.\n"
    "\n"
    "Code de sortie : 0 quand la fenêtre a été fermée, 1 quand le programme n'a pu démarrer.\n",
};

}  // namespace

std::string consoleHelp(int language) { return latin1(Help[language == 1 ? 1 : 0]); }
