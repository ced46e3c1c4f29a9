#include "examsim/ui/uitexts.h"

#include "examsim/bank/banktexts.h"
#include "examsim/session/sessiontexts.h"
#include "toolkit/filefinder.h"
#include "toolkit/projectversion.h"
#include "toolkit/text.h"
#include "toolkit/uicontext.h"

namespace {

#define NL "\r\n"

struct MenuEntry {
    int menu, item;
    const char* english;
    const char* french;
};

const MenuEntry kMenus[] = {
    {0, 0, "&File", "&Fichier"},
    {0, 1, "&Open File...", "&Ouvrir Fichier..."},
    {0, 2, "&Import Official Question Bank...", "&Importer une banque officielle..."},
    {0, 3, "-", "-"},
    {0, 4, "&Quit", "&Quitter"},
    {1, 0, "&Tools", "Ou&tils"},
    {1, 1, "Selection, &Lessons...", "Sélection, &Leçons..."},
    {1, 2, "-", "-"},
    {1, 3, "Interface &français", "Interface &français"},
    {1, 4, "&Audible clues", "Indices &Audibles"},
    {1, 5, "&Manual Advance", "Avance &Manuelle"},
    {1, 6, "D&ump Utility for authors", "D&ump Utility for authors"},
    {1, 7, "&Progress...", "&Progrès..."},
    {2, 0, "&Help", "Ai&de"},
    {2, 1, "&Help", "Ai&de"},
    {2, 2, "-", "-"},
    {2, 3, "&About Ulvorane", "À &Propos d'Ulv&orane"},
};

// Tooltips of menu items, shown while the item is under the mouse.
const MenuEntry kMenuHints[] = {
    {0, 2,
     "Import a question pool downloaded from the department (its .zip file, or the delimited .txt file "
     "inside) as a bank in each language.",
     "Importer une banque de questions téléchargée du Ministère (son fichier .zip, ou le fichier .txt "
     "délimité qu'il contient), en une banque par langue."},
    {1, 7, "Marks over time, weak lessons and topics, and the chance of passing now.",
     "Notes au fil du temps, leçons et sujets faibles, et chance de réussir maintenant."},
};

struct IdEntry {
    int id;
    const char* english;
    const char* french;
};

// Captions owned by the session (figures, status sentence) and by the bank
// core (bank prompt, lesson pool figures) come from their own texts, so that
// the copies never drift apart.
const IdEntry kCaptions[] = {
    {2001,
     "New, Missed, Known Answers|Totally random (no history)|Missed, New, Known Answers|New only|"
     "Missed only",
     "Nouvelles, Manquées, Connues|Sélection Aléatoire|Manquées, Nouvelles, Connues|"
     "Nouvelles exclusivement|Manquées exclusivement"},
    {2003, "As you go|At the end|By examiner", "À mesure|À la fin|Par examinateur"},
    {2004, "Seek Unanswered or Incorrect|Seek Unanswered|Seek Incorrect",
     "Trouver Manquante ou Erronée|Trouver Manquante|Trouver Incorrecte"},
    {2005, "Manual advance after incorrect answer", "Avance manuelle après réponse incorrecte"},
    {2006, "Launch", "Lancer"},
    {2007, "Mark", "Corriger"},
    {2008, "F&irst", "Pre&mière"},
    {2009, "&PREVIOUS|SEEK &Previous", "&PRÉCÉDENTE|RECHERCHE &Précédente"},
    {2010, "&NEXT|SEEK &Next", "&SUIVANTE|RECHERCHE &Suivante"},
    {2011, "L&ast", "Der&nière"},
    {2012, "Display" NL "&Explanation|Hide" NL "&Explanation",
     "Afficher" NL "&Explication|Cacher" NL "&Explication"},
    {2013, "Use Se&lection(s) made above", "Utiliser sé&lection ci-haute"},
    {2014, "Cancel", "Annuler"},
    {2015, "français|English", "français|English"},
    {2018, "Question selection", "Critères de sélection"},
    {2019, "Marking", "Correction"},
    {2020, "Progress", "Progrès"},
    {2021, "Navigation", "Navigation"},
    {2022, "Answer 1.", "Réponse 1."},
    {2023, "Answer 2.", "Réponse 2."},
    {2024, "Answer 3.", "Réponse 3."},
    {2025, "Answer 4.", "Réponse 4."},
    {2026, "Answer 5.  Don't know", "Réponse 5.  Ne Sais Pas"},
    {2033, "Good", "Bonnes"},
    {2034, "Incorrect", "Incorrectes"},
    {2035, "Don't know", "Ne Sais Pas"},
    {2037,
     "This area, a button, displays an Explanation once a question has been marked." NL
     " Press the button if you would like to copy the Explanation to the clipboard.",
     "Cette zone de texte, en fait un bouton, affiche une Explication après que votre réponse "
     "ait été corrigée." NL
     " Pressez le bouton si vous désirez copier l'Explication au presse-papiers."},
    {2039,
     "This area displays a question drawn from a question bank." NL
     "If you find the font in use too small, restart the program after adjusting your entire "
     "desktop via its display settings (font size)" NL
     "or see the command line parameters specific to Ulvorane in the Help section on the menu bar.",
     "Cette zone de texte affiche les questions tour à tour." NL
     "Si les caractères sont trop petits, ajustez d'abord votre bureau via "
     "ses paramètres d'affichage (taille de police)" NL
     "ou voyez les paramètres de ligne de commande, propres à Ulvorane, à la rubrique Aide sur la "
     "barre de menu."},
};

const IdEntry kToolTips[] = {
    {2000, "Question Bank from which to draw questions.", "Banque de Questions à utiliser."},
    {2001, "Order of precedence in question selection.",
     "Ordre de préférence dans le choix des questions."},
    {2002, "Number of questions expected on the exam.", "Nombre de question prévu sur l'examen."},
    {2003, "Marking mode:  immediate or at the end.", "Mode de correction:  immédiate ou à la fin."},
    {2004, "When set, Previous/Next take you directly to Unanswered or Incorrect questions.",
     "Si coché, Précédente/Suivante saute à la prochaine réponse Manquante ou Erronée."},
    {2005, "When set, program stays on missed question until you press Next button.",
     "Si coché, le programme attend que vous pressiez le bouton 'Suivante' après une réponse "
     "erronée."},
    {2006, "Prepare a new exam." NL "If partial exam needed, first see Tools > Lesson Selection.",
     "Préparer un nouvel examen." NL
     " Pour un examen partiel, voir d'abord sous Outils > Sélection Leçons."},
    {2007, "Proceed with marking.", "Procéder à la correction."},
    {2008, "Return to first question in exam.", "Retourner à la première question."},
    {2009, "Go back one question  OR  find previous Unanswered/Incorrect.  See checkbox below.",
     "Revenir à la question précédente  OU  trouver la prochaine réponse Manquante ou Erronée.  "
     "Voir la case à cocher ci-dessous."},
    {2010, "Advance to next question  OR  find next Unanswered/Incorrect.  See checkbox below.",
     "Avancer à la prochaine question  OU  trouver la prochaine réponse Manquante ou Erronée.  "
     "Voir la case à cocher ci-dessous."},
    {2011, "Go to last question in exam.", "Aller à la dernière question"},
    {2012, "Show/hide a small window for an explanation once question marked.",
     "Afficher/masquer une fenêtre pour une explication au sujet d'une réponse corrigée."},
    {2013, "Choose exam questions from Topics targeted by selected Lessons.",
     "Limiter examen aux Sujets visés par les Leçons choisies."},
    {2014, "Conduct full exam including all Topics from Question Bank.",
     "Utiliser tous les Sujets de la Banque de Question pour l'examen."},
    {2015, "Toggle between two interface languages.", "Alterner entre les langues pour l'interface."},
    {2016, "Veviv Evevevev uz Ivuvoz.", "Ridud Uzadovor ov Oredad."},
};

const IdEntry kMessages[] = {
    {28, "Error on SystemParametersInfo, ncm.cbSize = &",
     "Error on SystemParametersInfo, ncm.cbSize = &"},
};

const IdEntry kOthers[] = {
    {9, " - Selection", " - Sélection"},
    {12, " - Help| - About", " - Aide| - À propos"},
    {13, " - Error Message", " - Message d'erreur"},
    {15,
     "This box provides an explanation after an answer has been marked." NL
     "You may leave it up during an exam.  Grab it by its thin coloured line to move it elsewhere.",
     "Une Explication apparaît dans cette boîte après qu'une réponse ait été corrigée." NL
     "Vous pouvez laisser la boîte en place durant un examen.  Saisissez la par sa fine ligne de "
     "couleur pour la déplacer ailleurs."},
    {16, "OK,&Yes,&No,&Abort,&Retry,&Ignore,Cancel,&Try Again,&Continue,Help",
     "OK,&Oui,&Non,&Abandonner,&Recommencer,&Ignorer,Annuler,&Recommencer,&Continuer,Aide"},
    {18, "Import Official Question Bank", "Importer une banque officielle"},
    {19, "Official question pools|*.zip;*.txt|All Files|*.*",
     "Banques officielles|*.zip;*.txt|Tous les fichiers|*.*"},
    {20, "This question bank gives no explanation for this question.",
     "Cette banque de questions ne donne aucune explication pour cette question."},
    {21, "Interface in English", "Interface en français"},
    {22, "Full exam", "Examen complet"},
    {23, "The questions are still in French." NL "Load the same questions in English, from the bank \"&\"?",
     "Les questions sont toujours en anglais." NL
     "Charger les mêmes questions en français, de la banque « & » ?"},
    {24, " - Language", " - Langue"},
    {25, "OK,&Load them,&Always load them,&Abort,&Retry,&Ignore,&Not now,&Try Again,&Continue,Help",
     "OK,&Charger,Charger &toujours,&Abandonner,&Recommencer,&Ignorer,&Pas maintenant,&Recommencer,&Continuer,Aide"},
};

struct SessionEntry {
    int number;
    SessionText text;
};
const SessionEntry kSessionMessages[] = {
    {21, SessionText::LogLocationFailed}, {22, SessionText::LogOpenFailed},
    {23, SessionText::ReportOpenFailed},  {24, SessionText::HistoryReadFailed},
    {25, SessionText::EmptyExam},         {26, SessionText::MarkNotArmed},
};
const SessionEntry kSessionOthers[] = {
    {4, SessionText::UnansweredWarning}, {5, SessionText::LogDialogTitle},
    {6, SessionText::MarkMessage},       {7, SessionText::LessonHeading},
    {8, SessionText::AnswerIsLine},      {10, SessionText::ReportPrefix},
    {14, SessionText::WarningTitleSuffix}, {17, SessionText::NotMarkedWarning},
};
const SessionEntry kSessionCaptions[] = {
    {2027, SessionText::UnansweredCaption}, {2028, SessionText::UnansweredCaption},
    {2029, SessionText::UnansweredCaption}, {2030, SessionText::UnansweredCaption},
    {2031, SessionText::MarkCaption},       {2032, SessionText::PositionCaption},
    {2038, SessionText::StatusCaption},
};

// The help text: a leading line break, then paragraphs separated by blank lines.
const char* const kHelpEnglish[] = {
    "With a screen reader: start \"Ulvorane for screen readers\" (the switch /S).",
    "In the desktop's menu it is the second action of Ulvorane's entry. Keys 1 to 4 answer, 5 or "
    "0 \"Don't know\", E reads a missed question's explanation again, F10 opens the menus.",
    "The prime purpose of this program is to simulate an Innovation, Science and Economic "
    "Development Canada amateur radio examination.",
    "Visually impaired users can start the program with the switch /S for a simpler main window: "
    "the answer buttons become check boxes and all information is placed in text boxes that "
    "screen-reading software can read aloud. Put the switch, for example, at the end of the "
    "target of a shortcut to the program.",
    "Audible feedback can be turned on in the Tools menu: a good answer sounds the Morse letter R, "
    "an invalid answer a \"boing\". In \"Mark at the End\" mode a click or a \"bloop\" confirms "
    "choosing or removing an answer.",
    "A report of the missed questions is written automatically into the program's folder, under "
    "a name of the form \"MISSED year month day hour minute .TXT\".",
    "The report can serve for review, or be mailed to an instructor.",
    "Beyond the four proposed answers, a fifth choice, \"I don't know\", is offered: use it "
    "rather than guessing.",
    "Keys 1 to 4 choose the answers and 5 (or 0) \"I don't know\", exactly as a click on that "
    "answer would, in both layouts; they do nothing while a list, a dialog or a text field has the "
    "keyboard. A click or a key while the program is about to show the next question is refused "
    "with a short sound; once the next question shows, it takes the very next one. After a verdict "
    "that waits for NEXT (a missed answer, or every answer with manual advance), Enter goes to the "
    "next question, and so does Space where no button or box has the keyboard. Launch gives the "
    "keyboard to the exam however it is pressed.",
    "A history of up to 100 exam sessions per qualification influences the choice of questions "
    "within each Topic: depending on the criterion chosen, questions never seen come first, then "
    "missed ones, then known ones. Other criteria offer, for instance, missed questions only.",
    "A question counts as \"missed\" as long as the scores collected on it stay below the pass "
    "mark of the whole exam.",
    "The history is kept in the file \"Ulvorane_Log.txt\". Deleting that file discards the "
    "history; a Totally Random selection ignores it for a while.",
    "Where the files are kept: run from a folder that holds question banks or "
    "\"Ulvorane_Log.txt\", the program keeps its files there. Installed for every user, it keeps "
    "them in your own folder ~/.local/share/ulvorane (the folder ulvorane of $XDG_DATA_HOME when "
    "that is set), where the sample banks are copied on the first start and where you add your "
    "own banks. /P=folder names another folder outright, a classroom share or a USB stick for "
    "instance: several students sharing one computer keep separate histories that way. To start "
    "afresh, delete \"Ulvorane_Log.txt\" in that folder.",
    "Answers can be validated one at a time, or all marked at the end by pressing \"Mark\".",
    "Questions can be skipped and returned to later. With the \"Seek\" check box, Previous and "
    "Next jump straight to the unanswered questions.",
    "An \"Explanation\" window gives supplementary information once a question has been marked. "
    "It can stay open during the exam and be moved like any window.",
    "After the exam, \"Seek\" with Previous and Next takes you through the incorrect answers for "
    "review.",
    "When the question bank associates its questions with lessons, choosing lessons (Tools menu) "
    "before launching limits the exam to the Topics of those lessons.",
    "Tools > Progress suggests the lessons whose study would raise your chance of passing most; "
    "\"Practise these lessons\" launches a practice drill of at most 25 of their questions, the "
    "missed and never-met ones first. Its end gives each lesson's score, not a pass or a fail. The "
    "next exam stays limited to those lessons until \"Full exam\", beside Launch and in the "
    "progress window, launches an exam of the whole bank again.",
    "The official question banks: the department (Innovation, Science and Economic Development "
    "Canada) publishes the Basic and the Advanced question pools on its amateur-radio certificate "
    "services download page, as the files amat_basic_quest.zip and amat_adv_quest.zip. Download one, "
    "then choose File > Import Official Question Bank... and pick it: the program writes an English "
    "and a French bank into its folder and opens the one of the interface language. A newer edition "
    "replaces the bank of the same name only once you say yes.",
    "Command line parameters:" NL
    "/A=n  changes the point size of the font by n (a positive or negative number)." NL
    "/F=font_name,size  chooses the font and its point size, for example \"/F=DejaVu Sans,14\"" NL
    "/S  starts the simplified layout for screen-reading software." NL
    "/D  adds a \"Dump Utility\" for question bank authors to the Tools menu." NL
    "/P=folder  keeps the banks, the history and the reports in that folder." NL
    "Example of a shortcut target:  \"/whatever_folder/Ulvorane\" /A=2",
    "Advance to the OK button to close this window.",
};
const char* const kHelpFrench[] = {
    "Avec un lecteur d'écran : lancez « Ulvorane pour lecteurs d'écran » (le paramètre /S).",
    "Dans le menu du bureau, c'est la seconde action de l'entrée d'Ulvorane. Les touches 1 à 4 "
    "répondent, 5 ou 0 « Ne Sais Pas », E relit l'explication d'une question manquée, F10 ouvre "
    "les menus.",
    "Ce programme a pour but premier de simuler un examen de radioamateur d'Innovation, Sciences "
    "et Développement économique Canada.",
    "Les personnes ayant une déficience visuelle peuvent lancer le programme avec le paramètre /S "
    "pour obtenir une fenêtre principale simplifiée : les boutons de réponse deviennent des cases "
    "à cocher et toute l'information est placée dans des zones de texte que les logiciels de "
    "lecture d'écran peuvent lire. Placez le paramètre, par exemple, à la fin de la cible d'un "
    "raccourci vers le programme.",
    "Des indices sonores peuvent être activés dans le menu Outils : une bonne réponse fait entendre "
    "la lettre R en Morse, une réponse erronée un « boing ». En mode de correction « À la fin », un "
    "déclic ou un « bloup » confirme le choix ou le retrait d'une réponse.",
    "Un rapport des questions manquées est écrit automatiquement dans le dossier du programme, sous "
    "un nom de la forme « ERRONÉES année mois jour heure minute .TXT ».",
    "Ce rapport peut servir à la révision, ou être envoyé à un instructeur.",
    "En plus des quatre réponses proposées, un cinquième choix, « Ne Sais Pas », est offert : "
    "utilisez-le plutôt que de deviner.",
    "Les touches 1 à 4 choisissent les réponses et 5 (ou 0) « Ne Sais Pas », exactement comme un "
    "clic sur cette réponse, dans les deux présentations; elles n'agissent pas quand une liste, une "
    "boîte de dialogue ou un champ de texte a le clavier. Un clic ou une touche pendant que le "
    "programme s'apprête à montrer la question suivante est refusé par un bref son; une fois la "
    "question suivante affichée, elle prend le tout prochain. Après un verdict qui attend "
    "« Suivante » (une réponse manquée, ou chaque réponse en avance manuelle), Entrée passe à la "
    "question suivante, et la barre d'espace aussi quand aucun bouton ni aucune case n'a le "
    "clavier. « Lancer » donne le clavier à l'examen de quelque façon qu'on l'actionne.",
    "Un historique d'au plus 100 séances d'examen par qualification influence le choix des "
    "questions dans chaque Sujet : selon le critère choisi, les questions jamais vues viennent "
    "d'abord, puis les questions manquées, puis les questions connues. D'autres critères offrent, "
    "par exemple, les questions manquées seulement.",
    "Une question compte comme « manquée » tant que les résultats obtenus pour elle restent sous "
    "la note de passage de l'examen entier.",
    "L'historique est conservé dans le fichier « Ulvorane_Log.txt ». Effacer ce fichier efface "
    "l'historique; une Sélection Aléatoire n'en tient pas compte pendant un temps.",
    "Où sont gardés les fichiers : lancé depuis un dossier qui contient des banques de questions "
    "ou « Ulvorane_Log.txt », le programme y garde ses fichiers. Installé pour tous les "
    "utilisateurs, il les garde dans votre propre dossier ~/.local/share/ulvorane (le dossier "
    "ulvorane de $XDG_DATA_HOME s'il est défini), où les banques d'exemple sont copiées au premier "
    "démarrage et où vous ajoutez vos propres banques. /P=dossier nomme directement un autre "
    "dossier, un partage de classe ou une clé USB par exemple : plusieurs étudiants partageant un "
    "même ordinateur gardent ainsi des historiques distincts. Pour repartir à neuf, effacez "
    "« Ulvorane_Log.txt » dans ce dossier.",
    "Les réponses peuvent être validées une à une, ou toutes corrigées à la fin en pressant "
    "« Corriger ».",
    "On peut sauter des questions et y revenir plus tard. Avec la case « Trouver », Précédente et "
    "Suivante sautent directement aux questions sans réponse.",
    "Une fenêtre « Explication » donne de l'information supplémentaire une fois la question "
    "corrigée. Elle peut rester ouverte durant l'examen et se déplacer comme toute fenêtre.",
    "Après l'examen, « Trouver » avec Précédente et Suivante permet de revoir les réponses "
    "erronées.",
    "Quand la banque de questions associe ses questions à des leçons, choisir des leçons (menu "
    "Outils) avant de lancer l'examen le limite aux Sujets de ces leçons.",
    "Outils > Progrès propose les leçons dont l'étude ferait le plus monter votre chance de "
    "réussir; « Réviser ces leçons » lance un exercice d'au plus 25 de leurs questions, les "
    "questions manquées et jamais vues d'abord. Sa fin donne le résultat de chaque leçon, sans "
    "réussite ni échec. Le prochain examen reste limité à ces leçons jusqu'à ce que « Examen "
    "complet », près de « Lancer » et dans la fenêtre de progrès, relance un examen de toute la "
    "banque.",
    "Les banques officielles : le Ministère (Innovation, Sciences et Développement économique "
    "Canada) publie les banques de questions de base et supérieure sur sa page de téléchargement des "
    "services de certification de radioamateur, sous les noms amat_basic_quest.zip et "
    "amat_adv_quest.zip. Téléchargez-en une, puis choisissez Fichier > Importer une banque "
    "officielle... et désignez-la : le programme écrit une banque anglaise et une banque française "
    "dans son dossier et ouvre celle de la langue de l'interface. Une édition plus récente ne "
    "remplace la banque du même nom qu'après votre accord.",
    "Paramètres de ligne de commande :" NL
    "/A=n  modifie la taille de la police de n points (nombre positif ou négatif)." NL
    "/F=nom_police,taille  choisit la police et sa taille, par exemple \"/F=DejaVu Sans,14\"" NL
    "/S  lance la présentation simplifiée pour les logiciels de lecture d'écran." NL
    "/D  ajoute un « Dump Utility » pour les auteurs de banques au menu Outils." NL
    "/P=dossier  garde les banques, l'historique et les rapports dans ce dossier." NL
    "Exemple de cible de raccourci :  \"/dossier_quelconque/Ulvorane\" /A=2",
    "Sauter au bouton OK pour fermer cette fenêtre.",
};

const char* const kAboutEnglish =
    "Ulvorane   V" PROJECT_VERSION NL
    "A practice exam for the Canadian amateur radio certificate, in English and in French." NL NL
    "Built in C++ with the Qt widget toolkit (www.qt.io)." NL
    "Thanks to the many people who answer questions in the toolkit's user forums." NL
    "Thanks to the maker of the original \"bloop\" sound.";
const char* const kAboutFrench =
    "Ulvorane   V" PROJECT_VERSION NL
    "Un examen d'entraînement au certificat canadien de radioamateur, en français et en anglais." NL NL
    "Réalisé en C++ avec la bibliothèque d'interface Qt (www.qt.io)." NL
    "Merci aux nombreuses personnes qui répondent aux questions dans les forums de la bibliothèque." NL
    "Merci à l'auteur du son « bloup » original.";

template <size_t N>
std::string paragraphs(const char* const (&parts)[N]) {
    std::string text = NL;
    for (size_t i = 0; i < N; ++i) {
        if (i > 0) text += NL NL;
        text += latin1(parts[i]);
    }
    return text;
}

#undef NL

}  // namespace

void myFillTexts(UiTexts& t) {
    t = UiTexts{};
    for (const MenuEntry& e : kMenus) {
        t.Menu[0][e.menu][e.item] = latin1(e.english);
        t.Menu[1][e.menu][e.item] = latin1(e.french);
    }
    for (const MenuEntry& e : kMenuHints) {
        t.MenuHints[0][e.menu][e.item] = latin1(e.english);
        t.MenuHints[1][e.menu][e.item] = latin1(e.french);
    }
    for (const IdEntry& e : kCaptions) {
        t.Captions[0][e.id - FirstCaptionId] = latin1(e.english);
        t.Captions[1][e.id - FirstCaptionId] = latin1(e.french);
    }
    for (int lang = 0; lang < 2; ++lang) {
        for (const SessionEntry& e : kSessionCaptions)
            t.Captions[lang][e.number - FirstCaptionId] = sessionTextIn(e.text, lang);
        // The check boxes of the simplified layout answer like the buttons.
        for (int i = 0; i < 5; ++i)
            t.Captions[lang][2040 + i - FirstCaptionId] = t.Captions[lang][2022 + i - FirstCaptionId];
        for (const SessionEntry& e : kSessionMessages)
            t.Messages[lang][e.number] = sessionTextIn(e.text, lang);
        for (const SessionEntry& e : kSessionOthers)
            t.Others[lang][e.number] = sessionTextIn(e.text, lang);
        for (int n = 1; n <= MessageCount; ++n)
            if (const std::string& text = bankMessageIn(n, lang); !text.empty()) t.Messages[lang][n] = text;
        for (int n = 1; n <= OtherTextCount; ++n)
            if (const std::string& text = bankOtherTextIn(n, lang); !text.empty()) t.Others[lang][n] = text;
        for (int id = FirstCaptionId; id <= LastCaptionId; ++id)
            if (const std::string& text = bankCaptionIn(id, lang); !text.empty())
                t.Captions[lang][id - FirstCaptionId] = text;
    }
    for (const IdEntry& e : kToolTips) {
        t.ToolTips[0][e.id - FirstTipId] = latin1(e.english);
        t.ToolTips[1][e.id - FirstTipId] = latin1(e.french);
    }
    for (const IdEntry& e : kMessages) {
        t.Messages[0][e.id] = latin1(e.english);
        t.Messages[1][e.id] = latin1(e.french);
    }
    for (int lang = 0; lang < 2; ++lang) t.Messages[lang][12] = findFilesOverflowMask(lang);
    for (const IdEntry& e : kOthers) {
        t.Others[0][e.id] = latin1(e.english);
        t.Others[1][e.id] = latin1(e.french);
    }

    // Messages holding both languages: the column decides which comes first.
    const std::string fr27 = latin1("Spécifiez la police de caractères comme suit \"/F=nom_police,taille\"");
    t.Messages[0][MsgFontSwitch] = "Specify font as \"/F=font_name,point_size\"" + std::string(CRLF) + fr27;
    t.Messages[1][MsgFontSwitch] = fr27 + CRLF + "Specify font as \"/F=font_name,pointsize\"";
    const std::string en29 =
        "Specify change to font size as  /A=n  where n is a positive or negative number.";
    const std::string fr29 = latin1(
        "Spécifiez une modification de la taille de la police comme suit:  /A=n  où n est un "
        "nombre positif ou négatif.");
    t.Messages[0][MsgSizeSwitch] = en29 + CRLF + fr29;
    t.Messages[1][MsgSizeSwitch] = fr29 + CRLF + en29;

    t.LongTexts[0][1] = paragraphs(kHelpEnglish);
    t.LongTexts[1][1] = paragraphs(kHelpFrench);
    t.LongTexts[0][2] = latin1(kAboutEnglish);
    t.LongTexts[1][2] = latin1(kAboutFrench);
}

const UiTexts& uiTexts() {
    static const UiTexts texts = [] {
        UiTexts t;
        myFillTexts(t);
        return t;
    }();
    return texts;
}

namespace {
int column(int language) { return language == 1 ? 1 : 0; }

template <class Table>
std::string entry(const Table& table, int index, int language) {
    const auto& row = table[column(language)];
    if (index < 0 || index >= static_cast<int>(row.size())) return {};
    return row[static_cast<size_t>(index)];
}
int current() { return uiContext().InterfaceLanguage; }
}  // namespace

std::string menuTextIn(int menu, int item, int language) {
    if (menu < 0 || menu >= MenuCount || item < 0 || item >= MenuItemCount) return {};
    return uiTexts().Menu[column(language)][menu][item];
}
std::string menuHintIn(int menu, int item, int language) {
    if (menu < 0 || menu >= MenuCount || item < 0 || item >= MenuItemCount) return {};
    return uiTexts().MenuHints[column(language)][menu][item];
}
std::string captionIn(int id, int language) {
    return entry(uiTexts().Captions, id - FirstCaptionId, language);
}
std::string toolTipIn(int id, int language) {
    return entry(uiTexts().ToolTips, id - FirstTipId, language);
}
std::string messageIn(int number, int language) {
    return number < 1 ? std::string() : entry(uiTexts().Messages, number, language);
}
std::string otherTextIn(int number, int language) {
    return number < 1 ? std::string() : entry(uiTexts().Others, number, language);
}
std::string longTextIn(int number, int language) {
    return number < 1 ? std::string() : entry(uiTexts().LongTexts, number, language);
}

std::string menuText(int menu, int item) { return menuTextIn(menu, item, current()); }
std::string menuHint(int menu, int item) { return menuHintIn(menu, item, current()); }
std::string caption(int id) { return captionIn(id, current()); }
std::string message(int number) { return messageIn(number, current()); }
std::string otherText(int number) { return otherTextIn(number, current()); }
std::string longText(int number) { return longTextIn(number, current()); }

const ToolTipTable& examToolTips() {
    static const ToolTipTable table = [] {
        ToolTipTable t;
        t.FirstId = FirstTipId;
        for (int id = FirstTipId; id <= LastTipId; ++id)
            t.Texts.push_back({toolTipIn(id, 0), toolTipIn(id, 1)});
        return t;
    }();
    return table;
}
