#include "examsim/session/sessiontexts.h"

#include "toolkit/text.h"
#include "toolkit/texttable.h"
#include "toolkit/uicontext.h"

namespace {

const TextPair<SessionText> kTexts[] = {
    {SessionText::EmptyExam, "Question Bank is empty or selection criteria produces no questions.",
     "La Banque de Questions est vide ou les critères de sélection ne retournent aucune question."},
    {SessionText::MarkNotArmed,
     "Marking can only be triggered when marking mode is set to Mark At The End and after all "
     "questions are answered.",
     "La correction n'est permise qu'avec un mode de correction en fin d'examen et qu'une fois "
     "toutes les réponses soumises."},
    {SessionText::UnansweredWarning,
     "Some questions remain UNanswered.\r\nDo you really want to abandon the exam ?\r\nYES = quit "
     "program, NO = return to exam.",
     "Certaines questions sont SANS réponse.\r\nVoulez-vous vraiment laisser tomber cet examen "
     "?\r\nOUI = quitter le programme, NON = retourner à l'examen."},
    {SessionText::NotMarkedWarning,
     "Marking (scoring) has NOT been done.\r\nDo you really want to abandon the exam ?\r\nYES = "
     "quit program, NO = return to exam.",
     "La CORRECTION reste à faire.\r\nVoulez-vous vraiment laisser tomber cet examen ?\r\nOUI = "
     "quitter le programme, NON = retourner à l'examen."},
    {SessionText::WarningTitleSuffix, " - Warning", " - Avertissement"},
    {SessionText::InfoTitleSuffix, " - Info", " - Info"},
    {SessionText::MarkMessage, "Your mark is &&&Writing missed questions to file &&&in folder &&",
     "Votre note est de &&&Transcription des réponses erronées au fichier &&&dans le dossier &&"},
    {SessionText::PositionCaption, "Question & of &, pending|Question & of &",
     "Question & de &, en attente|Question & de &"},
    {SessionText::UnansweredCaption, "Unanswered: &", "Sans réponse: &"},
    {SessionText::MarkCaption, "Mark:  &", "Note:  &"},
    {SessionText::StatusCaption,
     "Question & of &, pending. Reference number &. Cumulative Mark &. Total unanswered &.|"
     "Question & of &. Answer & selected. Reference number &. Cumulative Mark &. Total "
     "unanswered &.|"
     "Question & of &, Answer & valid. Reference number &. Cumulative Mark &. Total unanswered "
     "&.|"
     "Question & of &, expected answer &, not &. Reference number &. Cumulative Mark &. Total "
     "unanswered &.",
     "Question & de &, en attente. Numéro de référence &. Note cumulative &. Total sans réponse "
     "&.|"
     "Question & de &. Réponse & choisie.  Numéro de référence &. Note cumulative &. Total sans "
     "réponse &.|"
     "Question & de &, Réponse & exacte. Numéro de référence &. Note cumulative &. Total sans "
     "réponse &.|"
     "Question & de &, réponse attendue &, et non &. Numéro de référence &. Note cumulative &. "
     "Total sans réponse &."},
    {SessionText::ReportPrefix, "Missed_", "Erronées_"},
    {SessionText::LessonHeading, "Lesson        Questions     Success       Title",
     "Leçon         Questions     Succès        Titre"},
    {SessionText::AnswerIsLine, " Answer is &,  not &     See &", " Réponse est &,  et non &     Voir &"},
    {SessionText::LogOpenFailed, "myLogSession, && err=& &", "myLogSession, && err=& &"},
    {SessionText::ReportOpenFailed, "myLogSession, cannot open && err=& &",
     "myLogSession, ne peut ouvrir && err=& &"},
    {SessionText::LogLocationFailed, "myObtainLoggingLocation, err=& &",
     "myObtainLoggingLocation, err=& &"},
    {SessionText::HistoryReadFailed, "myReadHistoryFile, && err=& &", "myReadHistoryFile, && err=& &"},
    {SessionText::LogDialogTitle, "Confirm or change LOG location",
     "Confirmer ou changer le dossier du JOURNAL"},
    {SessionText::LogDialogFilter, "Text Files/Fichiers Texte|*.txt",
     "Text Files/Fichiers Texte|*.txt"},
    {SessionText::PassNotReached, "It does not reach the pass mark of &%.",
     "Elle n'atteint pas la note de passage de & %."},
    {SessionText::PassReached, "It reaches the pass mark of &%.", "Elle atteint la note de passage de & %."},
    {SessionText::PassReachedHonours, "It reaches the pass mark of &%, and 80% with Honours.",
     "Elle atteint la note de passage de & %, et 80 % avec distinction."},
    {SessionText::PassReachedNotHonours, "It reaches the pass mark of &%, but not 80% with Honours.",
     "Elle atteint la note de passage de & %, mais pas 80 % avec distinction."},
    {SessionText::NextExamWhole, "Next exam: every topic of the bank, up to & questions.",
     "Prochain examen : tous les sujets de la banque, jusqu'à & questions."},
    {SessionText::NextExamLessons, "Next exam: limited to lessons &, up to & questions.",
     "Prochain examen : limité aux leçons &, jusqu'à & questions."},
    {SessionText::NextExamDrill, "Next exam: limited to a practice drill of lessons &, & questions.",
     "Prochain examen : limité à un exercice sur les leçons &, & questions."},
    {SessionText::DrillScore, "A practice drill, not an exam. Lesson scores: &.",
     "Un exercice, pas un examen. Résultats par leçon : &."},
    {SessionText::DrillLessonScore, "& & of & right (&%)", "& & sur & (& %)"},
    {SessionText::DrillScoreSeparator, "; ", " ; "},
};

}  // namespace

const std::string& sessionTextIn(SessionText id, int language) {
    return textFromTable<kTexts>(id, language);
}

const std::string& sessionText(SessionText id) {
    return sessionTextIn(id, uiContext().InterfaceLanguage);
}

std::string captionField(const std::string& caption, int field) {
    std::vector<std::string> fields = splitFields(caption, '|');
    if (field < 1 || field > static_cast<int>(fields.size())) return fields.front();
    return fields[field - 1];
}
