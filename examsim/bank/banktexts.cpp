#include "examsim/bank/banktexts.h"

#include <map>

#include "toolkit/text.h"
#include "toolkit/uicontext.h"

namespace {

#define NL "\r\n"

struct Entry {
    int number;
    const char* english;
    const char* french;
};

const Entry kMessages[] = {
    {MsgSelectBankFirst, "Please select a Question bank first.", "SVP d'abord choisir une Banque de Questions."},
    {MsgBankOpenFailed, "myReadQuestionBank, cannot open file & err=& & & &",
     "myReadQuestionBank, ne peut ouvrir fichier & err=& & & &"},
    {MsgAnswersMissing, "myReadQuestionBank, failed at &...& previous question seems to miss answer(s)",
     "myReadQuestionBank, faute signalée à &...& réponses à la question PRÉCÉDENTE semblent manquantes"},
    {MsgTooManyQuestions, "myReadQuestionBank, failed at &...& exceeds array size of &",
     "myReadQuestionBank, faute signalée à &...& tableau limité à &"},
    {MsgInvalidQuestion, "myReadQuestionBank, invalid question at &...", "myReadQuestionBank, question invalide à &..."},
    {MsgTooManyLessons, "myReadQuestionBank, Lesson = && exceeds array size of &",
     "myReadQuestionBank, Leçon = && dépasse le tableau limité à &"},
    {MsgUnknownRecord, "myReadQuestionBank, unidentified record, line & & &",
     "myReadQuestionBank, enregistrement inconnu, ligne & & &"},
    {MsgMissingExplanations, "Missing explanations ( max 12 )", "Explications manquantes ( max 12 )"},
    {MsgNoLessons, "No Question Bank selected yet  or  Question Bank not broken down by lessons.",
     "Aucune Banque n'a été choisie  ou  celle-ci n'est pas séparée en leçons."},
    {MsgChooseLessons,
     "In order to limit question selection to certain Topics," NL "use check boxes to choose certain Lessons.",
     "Pour limiter la sélection de questions à certains Sujets," NL "cochez des cases pour choisir des Leçons"},
    {MsgBadDesignation, "myParseQuestionRecord, invalid question designation at &...",
     "myParseQuestionRecord, question mal numérotée à &..."},
    {MsgAnswerTooLong, "myParseQuestionRecord, expected answer too long at &...",
     "myParseQuestionRecord, réponse attendue trop longue à &..."},
    {MsgAnswerUnacceptable, "myParseQuestionRecord, expected answer unacceptable at &...",
     "myParseQuestionRecord, réponse attendue inacceptable à &..."},
    {MsgAnswerMisplaced, "myParseQuestionRecord, expected answer seems misplaced at &...",
     "myParseQuestionRecord, réponse attendue semble mal positionnée à &..."},
    {MsgDashCount, "myParseQuestionNo, wrong number of dashes in question designation for &",
     "myParseQuestionNo, nombre de tirets incorrect à &"},
    {MsgTooManyTopics, "myRegisterQuestion, TopicNo = && exceeds array size of &",
     "myRegisterQuestion, TopicNo = && dépasse le tableau limité à &"},
    {MsgTooManyInTopic, "myRegisterQuestion, TopicNo = && NbrWithinTopic & exceeds array size of &",
     "myRegisterQuestion, TopicNo = && NbrWithinTopic & dépasse le tableau limité à &"},
    {MsgDuplicateQuestion, "myRegisterQuestion, QuestionNo = &_-& is a DUPLICATE question",
     "myRegisterQuestion, QuestionNo = &_-& est un numéro trouvé en double"},
    {MsgDesignationTooLong, "myParseQuestionNo, question designation & is longer than & characters once written as &",
     "myParseQuestionNo, désignation de question & dépasse & caractères une fois écrite &"},
    {MsgNumberBelowOne, "myRegisterQuestion, QuestionNo = &_-& number within topic must be 1 to &",
     "myRegisterQuestion, QuestionNo = &_-& le numéro dans le sujet doit être de 1 à &"},
    {MsgCharacterRefused, "myReadQuestionBank, character & has no Latin-1 equivalent, line & & &",
     "myReadQuestionBank, caractère & sans équivalent Latin-1, ligne & & &"},
};

const Entry kOthers[] = {
    {OtherReadingBank, "Reading Question Bank ", "Lecture de la Banque de Question "},
    {OtherBankRead, "Question Bank read = &&From folder &&&Questions Read = &&",
     "Banque lue = &&Du dossier &&&Questions lues = &&"},
    {OtherBankFigures,
     "Answers Read = &     (& times 4 = &)&"
     "Explanations Read = &&&"
     "Longest question      at &    size &&"
     "Longest answer        at &    size &&"
     "Longest explanation at &    size &",
     "Réponses lues = &     (& fois 4 = &)&"
     "Explications lues = &&&"
     "Plus longue question  : &    longueur &&"
     "Plus longue réponse   : &    longueur &&"
     "Plus longue explication: &    longueur &"},
    {OtherTopicSizeItem, "& Topic(s) at & question(s) each = maximum & question(s)",
     "& Sujet(s) à & question(s) chaque = maximum & question(s)"},
};

const Entry kCaptions[] = {
    {CaptionBankPrompt, "-- Please select a bank --", "-- SVP choisir une banque --"},
    {CaptionPoolFigures, "Lessons selected = &,  Topics targeted = &,  Questions available in pool = &",
     "Leçons choisies = &,  Sujets visés = &,  Questions disponibles en banque = &"},
};

// Shown at start-up when no bank is found: the reader of either language
// finds the text, so both paragraphs are in each column.
const char* const kNoBankEnglish =
    "Program needs access to a question bank. The bank must be in the folder where the program is launched." NL
    "Please ensure a \"Questions_*.txt\" file is saved in the same directory as the program.";
const char* const kNoBankFrench =
    "Le programme doit pouvoir accéder à une banque de questions. Celle-ci doit se trouver dans le même "
    "dossier que le programme." NL
    "SVP copier un fichier \"Questions_*.txt\" au répertoire où se trouve le programme.";

#undef NL

using Table = std::map<int, std::string>;

struct Tables {
    Table messages[2], others[2], captions[2];
};

template <size_t N>
void fill(Table (&table)[2], const Entry (&entries)[N]) {
    for (const Entry& e : entries) {
        table[0][e.number] = latin1(e.english);
        table[1][e.number] = latin1(e.french);
    }
}

const Tables& tables() {
    static const Tables t = [] {
        Tables t;
        fill(t.messages, kMessages);
        fill(t.others, kOthers);
        fill(t.captions, kCaptions);
        const std::string english = latin1(kNoBankEnglish), french = latin1(kNoBankFrench);
        t.messages[0][MsgNoBank] = english + CRLF + french;
        t.messages[1][MsgNoBank] = french + CRLF + english;
        return t;
    }();
    return t;
}

const std::string& lookUp(const Table (&table)[2], int number, int language) {
    static const std::string none;
    const Table& column = table[language == 1 ? 1 : 0];
    const auto found = column.find(number);
    return found == column.end() ? none : found->second;
}

int current() { return uiContext().InterfaceLanguage; }

}  // namespace

const std::string& bankMessageIn(int number, int language) { return lookUp(tables().messages, number, language); }
const std::string& bankOtherTextIn(int number, int language) { return lookUp(tables().others, number, language); }
const std::string& bankCaptionIn(int id, int language) { return lookUp(tables().captions, id, language); }

const std::string& bankMessage(int number) { return bankMessageIn(number, current()); }
const std::string& bankOtherText(int number) { return bankOtherTextIn(number, current()); }
const std::string& bankCaption(int id) { return bankCaptionIn(id, current()); }
