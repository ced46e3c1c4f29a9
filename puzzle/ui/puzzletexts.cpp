#include "puzzle/ui/puzzletexts.h"

#include "puzzle/diagram/diagramfile.h"
#include "toolkit/projectversion.h"
#include "toolkit/text.h"
#include "toolkit/uicontext.h"

namespace {

TextPair pair(const char* english, const char* french) { return {latin1(english), latin1(french)}; }
TextPair same(const char* text) { return pair(text, text); }

const std::string Q = "\"";
const std::string NL = "\r\n";

std::string englishHelp() {
    return NL +
           "This program helps you master one aspect of an Innovation, Science and Economic "
           "Development Canada amateur radio examination: remembering a series of block "
           "diagrams." +
           NL + NL + "After selecting a diagram to reconstruct, blocks (" + Q + "tiles" + Q +
           ") are drawn randomly at the bottom of the window." + NL +
           "Each block must be grabbed one at a time with the mouse pointer and dropped where it "
           "belongs on the skeleton diagram above." +
           NL + NL + "A large " + Q + "OK" + Q +
           " label appears when a diagram is valid; otherwise, the label is absent or "
           "crossed-out." +
           NL + NL +
           "You may drop blocks approximately over the position where you want them (program "
           "logic causes them to snap in correct alignment)." +
           NL + NL +
           "Without a mouse: Tab and Shift+Tab go through the controls, then through every "
           "tile. Space or Enter picks the focused tile up; the arrow keys then move a red frame "
           "over the cells (below the bottom row, over the tiles' home places); Space or Enter "
           "drops the tile there, and Escape puts it back where it was. F5 starts the diagram "
           "over, F6 solves it and F7 turns Highlight Valid Tiles on or off, also while a tile "
           "is held." +
           NL + NL +
           "Diagrams flow from left to right:  e.g., a receiver will have its antenna on the left "
           "and a loudspeaker on the right." +
           NL + NL +
           "Learning the function of each block will further your understanding and help with "
           "other questions at exam time." +
           NL + NL +
           "Ultimately, you must be capable of drawing or visualizing all diagrams entirely from "
           "memory." +
           NL + NL +
           "Where the files are kept: run from a folder that holds Diagrams*.txt files, the "
           "program reads them there. Installed for every user, it reads them from your own "
           "folder ~/.local/share/ostrilon (the folder ostrilon of $XDG_DATA_HOME when that is "
           "set), where the sample diagram files are copied on the first start and where you add "
           "your own. /P=folder names another folder outright, a classroom share or a USB stick "
           "for instance. The puzzle keeps no history: to start afresh with the samples, delete "
           "the Diagrams*.txt files of that folder." +
           NL + NL + "Command line parameters:" + NL +
           "  /Q   Starts the program with a French interface (buttons and menus)." + NL +
           "  /A=n  Increments the default font point size by a given amount ( n can be a "
           "positive or negative number )." +
           NL +
           "  /F=font_name,size  Sets the default font name and point size:  for example, " +
           Q + "/F=DejaVu Sans,14" + Q + " ." + NL +
           "  /T=font_name   Sets an alternate font for the Tiles:  for example, " + Q +
           "/T=DejaVu Sans Mono" + Q + " ." +
           NL + "  /P=folder   Reads the diagram files from that folder." +
           NL + " Example of parameter added beyond program name in shortcut target: " + NL +
           "     " + Q + "/whatever_folder/Ostrilon" + Q + "  /A=2";
}

std::string frenchHelp() {
    return NL +
           latin1("Ce programme vous aide à maîtriser un aspect de votre examen de compétence "
                  "radio amateur tel que dispensé par Innovation, Sciences et Développement "
                  "économique Canada: mémoriser une série de schémas-bloc.") +
           NL + NL + latin1("Après avoir choisi un schéma à reconstruire, les blocs (") + Q +
           "tuiles" + Q + latin1(") apparaissent dans le bas de la fenêtre.") + NL +
           latin1("Vous devez saisir chaque bloc avec le curseur de la souris et le déposer au "
                  "bon endroit sur l'esquisse du schéma dans le haut de la fenêtre.") +
           NL + NL + "Un " + Q + "OK" + Q +
           latin1(" surdimensionné apparaît si un schéma est complet et valide; autrement, cette "
                  "indication est absente ou biffée.") +
           NL + NL +
           latin1("Les blocs n'ont pas à être déposés avec grande précision (le programme voit à "
                  "les aligner correctement).") +
           NL + NL +
           latin1("Sans souris: Tab et Maj+Tab parcourent les commandes, puis chacun des blocs. "
                  "La barre d'espace ou Entrée soulève le bloc qui a le focus; les flèches "
                  "déplacent alors un cadre rouge sur les cases (sous la dernière rangée, sur les "
                  "places de départ des blocs); la barre d'espace ou Entrée y dépose le bloc, et "
                  "Échap le remet où il était. F5 recommence le schéma, F6 le résout et F7 active "
                  "ou désactive Identifier Blocs Valides, même pendant qu'un bloc est soulevé.") +
           NL + NL +
           latin1("Logiquement, un schéma se lit de gauche à droite: par ex., l'antenne d'un "
                  "récepteur sera sur la gauche et le haut-parleur sur la droite.") +
           NL + NL +
           latin1("Prenez soin d'apprendre la fonction de chaque bloc: vous y trouverez des "
                  "réponses à d'autres questions à l'examen.") +
           NL + NL +
           latin1("À votre examen, vous devrez pouvoir dessiner ou visualiser tous les schémas "
                  "par coeur.") +
           NL + NL +
           latin1("Où sont gardés les fichiers : lancé depuis un dossier qui contient des fichiers "
                  "Diagrams*.txt, le programme les y lit. Installé pour tous les utilisateurs, il "
                  "les lit dans votre propre dossier ~/.local/share/ostrilon (le dossier ostrilon "
                  "de $XDG_DATA_HOME s'il est défini), où les fichiers de schémas d'exemple sont "
                  "copiés au premier démarrage et où vous ajoutez les vôtres. /P=dossier nomme "
                  "directement un autre dossier, un partage de classe ou une clé USB par exemple. "
                  "Le casse-tête ne garde pas d'historique : pour repartir à neuf avec les "
                  "exemples, effacez les fichiers Diagrams*.txt de ce dossier.") +
           NL + NL + latin1("Paramètres de ligne de commande:") + NL +
           latin1("  /Q   Démarre le programme avec un interface (boutons et menus) français.") +
           NL +
           latin1("  /A=n  Ajoute une quantité donnée à la taille des caractères ( le nombre n "
                  "peut être positif ou négatif ).") +
           NL +
           latin1("  /F=nom_police,taille  Fixe la police de caractères par défaut:  par "
                  "exemple, ") +
           Q + "/F=DejaVu Sans,14" + Q + " ." + NL +
           latin1("  /T=nom_police  Fixe la police de caractères pour les Tuiles:  par ex., ") + Q +
           "/T=DejaVu Sans Mono" + Q + " ." +
           NL + latin1("  /P=dossier  Lit les fichiers de schémas dans ce dossier.") +
           NL +
           latin1(" Exemple de paramètre ajouté au-delà du nom de programme dans la cible du "
                  "raccourci: ") +
           NL + "     " + Q + "/dossier_quelconque/Ostrilon" + Q + "  /A=2";
}

std::string aboutText(int language) {
    const std::string authorship = latin1(
        "Written for radio amateurs preparing their certificate|"
        "Écrit pour les radioamateurs qui préparent leur certificat");
    const std::string credits[2] = {
        "Built with C++ and the Qt toolkit." + NL +
            "Thanks to the contributors of the Qt user forums.",
        latin1("Construit avec C++ et la boîte à outils Qt.") + NL +
            latin1("Merci aux contributeurs des forums d'utilisateurs de Qt.")};
    return "Ostrilon   V" PROJECT_VERSION + NL + captionField(authorship, language + 1) + NL + NL +
           credits[language];
}

PuzzleTexts fillTexts() {
    PuzzleTexts t;
    t.Menu[0] = {pair("&File", "&Fichier"), pair("E&xit", "Q&uitter")};
    t.Menu[1] = {pair("&Tools", "Ou&tils"), same("Interface &français"),
                 pair("&Left handed user", "Utilisateur &gaucher"),
                 pair("&Center diagrams", "&Centrer les schémas")};
    t.Menu[2] = {pair("&Help", "Ai&de"), pair("&Help", "Ai&de"),
                 pair("&Fonts in effect", "Polices en &vigueur"), same("-"),
                 pair("&About Ostrilon", "À &Propos de Ostrilon")};

    t.Captions = {pair("-- Please select a bank --", "-- SVP choisir une banque --"),
                  pair("-- Please select a diagram --", "-- SVP choisir un schéma  --"),
                  pair("Display Tile Description", "Afficher Description"),
                  pair("Highlight Valid Tiles", "Identifier Blocs Valides"),
                  pair("Solve", "Résoudre"),
                  same("français|English"),
                  pair("Start Over", "Recommencer"),
                  TextPair{},
                  TextPair{},
                  pair("Diagram Selection", "Choix du Schéma")};

    t.ToolTips.FirstId = 2000;
    t.ToolTips.Texts = {
        pair("Select file containing diagrams.", "Choix du fichier contenant les schémas."),
        pair("Select one diagram within the file.", "Choix d'un schéma à l'intérieur du fichier."),
        pair("Allow display of block description on mouseover.",
             "Permettre l'affichage d'une description de chaque bloc."),
        pair("Mark valid blocks instantly.", "Identifier chaque bloc valide instantanément."),
        pair("Press button to solve puzzle.", "Pressez le bouton pour obtenir solution."),
        pair("Toggle between two interface languages.",
             "Alterner entre les langues pour l'interface."),
        pair("Press button to practice same diagram again.",
             "Pressez le bouton pour reprendre le même schéma."),
        pair("Program shows block description in this space.",
             "La description de chaque bloc apparaît ici."),
        pair("Veviv Evevevev uz Ivuvoz.", "Ridud Uzadovor ov Oredad.")};

    const std::string m1 =
        "Specify change to font size as  /A=n  where n is a positive or negative number." + NL +
        latin1("Spécifiez une modification de la taille de la police comme suit:  /A=n  où n est "
               "un nombre positif ou négatif.");
    const std::string m2 =
        "Specify font as /F=font_name,point_size  where font_name is the actual font name and "
        "point_size is a number in points." +
        NL +
        latin1("Spécifiez la police de caractères comme suit: /F=nom_police,taille  où "
               "nom_police est le nom véritable de la police et taille est un nombre en points.");
    const std::string m3 = "Specify diagram font as /T=font_name  where font_name is the actual "
                           "font name." +
                           NL;
    const std::string m3Tail = latin1(
        " comme suit: /T=nom_police  où nom_police est le nom véritable de la police désirée.");
    t.Messages[1] = {m1, m1};
    t.Messages[2] = {m2, m2};
    t.Messages[3] = {m3 + latin1("Spécifiez la police de caractères pour les Schémas") + m3Tail,
                     m3 + latin1("Spécifiez la police de caractères pour les diagrammes") +
                         m3Tail};
    for (int n = 4; n <= 8; ++n) {
        UiContext& ui = uiContext();
        const int saved = ui.InterfaceLanguage;
        for (int language = 0; language < 2; ++language) {
            ui.InterfaceLanguage = language;
            t.Messages[static_cast<size_t>(n)][static_cast<size_t>(language)] = puzzleMessage(n);
        }
        ui.InterfaceLanguage = saved;
    }

    t.Other[1] = pair(" - Help| - About", " - Aide| - À propos");
    t.Other[2] = pair(" - Error Message", " - Message d'erreur");
    t.Other[3] = pair(" - Warning", " - Avertissement");
    t.Other[4] = pair("OK,&Yes,&No,&Abort,&Retry,&Ignore,Cancel,&Try Again,&Continue,Help",
                      "OK,&Oui,&Non,&Abandonner,&Recommencer,&Ignorer,Annuler,&Recommencer,"
                      "&Continuer,Aide");
    t.Other[5] = pair("Fonts, point sizes and weights&- Main window    : &, & (&).&- Movable "
                      "blocks: &, & (&).&- Large OK sign   : &, & (&).&- Colour depth: & bits.",
                      "Polices, tailles et graisses (épaisseurs)&- Fenêtre principale: &, & "
                      "(&).&- Blocs du schéma : &, & (&).&- Symbole OK  : &, & (&).&- Couleurs: "
                      "& bits.");

    t.Long[1] = {englishHelp(), frenchHelp()};
    t.Long[2] = {aboutText(0), aboutText(1)};

    t.Speech[TileAtHome] = pair("&, home row", "&, rangée de départ");
    t.Speech[TileInCell] = pair("&, row & column &", "&, ligne & colonne &");
    t.Speech[BlankTile] = pair("blank tile", "bloc vierge");
    t.Speech[CellEmpty] = pair("row &, column &, empty", "ligne &, colonne &, vide");
    t.Speech[CellHolds] = pair("row &, column &, holds &", "ligne &, colonne &, contient &");
    t.Speech[CellFree] = pair("row &, column &, free", "ligne &, colonne &, libre");
    t.Speech[CellOutside] = pair("row &, column &, not in the diagram",
                                 "ligne &, colonne &, hors du schéma");
    t.Speech[OverHomeSlots] = pair("home row", "rangée de départ");
    // French puts the label after a colon, so that no word has to agree
    // with a label of either gender ("Antenne", "Mélangeur").
    t.Speech[PickedUp] = pair("& picked up", "Soulevé : &");
    t.Speech[DroppedOnCell] =
        pair("& dropped on row &, column &", "Déposé : &, ligne &, colonne &");
    t.Speech[DroppedHome] =
        pair("& back in the home row", "Remis dans la rangée de départ : &");
    t.Speech[CellTaken] = pair("cell taken", "case occupée");
    t.Speech[CellNotInDiagram] = pair("cell not in the diagram", "case hors du schéma");
    t.Speech[PutBack] = pair("& put back", "Remis en place : &");
    t.Speech[VerdictRight] = pair("OK sign: the diagram is complete and correct",
                                  "Signe OK : le schéma est complet et juste");
    t.Speech[VerdictWrong] =
        pair("Crossed-out OK sign: the diagram is complete but tiles are in the wrong cells",
             "Signe OK biffé : le schéma est complet mais des blocs sont mal placés");
    t.Speech[OkSignName] = pair("OK sign", "Signe OK");
    t.Speech[CrossedSignName] = pair("Crossed-out OK sign", "Signe OK biffé");
    t.Speech[StartOverDone] = pair("Start over: every tile back in the home row",
                                   "Recommencer : tous les blocs dans la rangée de départ");
    t.Speech[SolvedDone] = pair("Solved: OK sign", "Résolu : signe OK");
    t.Speech[HighlightOn] =
        pair("Highlight valid tiles on", "Identification des blocs valides activée");
    t.Speech[HighlightOff] =
        pair("Highlight valid tiles off", "Identification des blocs valides désactivée");
    t.Speech[DiagramChosen] = pair("Diagram: &, & tiles", "Schéma : &, & blocs");
    t.Speech[FileChosen] = pair("Diagram file: &, diagrams: &", "Fichier de schémas : &, schémas : &");
    t.Speech[LanguageSwitched] = pair("Interface in English", "Interface en français");
    return t;
}

int language() { return uiContext().InterfaceLanguage == 1 ? 1 : 0; }

}  // namespace

const PuzzleTexts& puzzleTexts() {
    static const PuzzleTexts texts = fillTexts();
    return texts;
}

std::string captionField(const std::string& caption, int n) {
    const std::vector<std::string> fields = splitFields(caption, '|');
    if (n < 1 || n > static_cast<int>(fields.size())) return std::string();
    return fields[static_cast<size_t>(n - 1)];
}

std::string menuText(int menu, int item) {
    if (menu < 0 || menu > 2 || item < 0 || item > 4) return std::string();
    return puzzleTexts().Menu[static_cast<size_t>(menu)][static_cast<size_t>(item)]
                             [static_cast<size_t>(language())];
}

std::string captionText(int id) {
    if (id < FirstCaptionId || id > LastCaptionId) return std::string();
    return puzzleTexts().Captions[static_cast<size_t>(id - FirstCaptionId)]
                                 [static_cast<size_t>(language())];
}

std::string otherText(int number) {
    if (number < 1 || number > 5) return std::string();
    return puzzleTexts().Other[static_cast<size_t>(number)][static_cast<size_t>(language())];
}

std::string longText(int number) {
    if (number < 1 || number > 2) return std::string();
    return puzzleTexts().Long[static_cast<size_t>(number)][static_cast<size_t>(language())];
}

std::string speechText(int number) {
    if (number < 1 || number > SpeechCount) return std::string();
    return puzzleTexts().Speech[static_cast<size_t>(number)][static_cast<size_t>(language())];
}

std::string startupMessage(int number) {
    if (number < 1 || number > 8) return std::string();
    const int column = number <= 3 ? 0 : language();
    return puzzleTexts().Messages[static_cast<size_t>(number)][static_cast<size_t>(column)];
}
