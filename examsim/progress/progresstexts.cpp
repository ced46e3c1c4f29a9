#include "examsim/progress/progresstexts.h"

#include "toolkit/text.h"
#include "toolkit/texttable.h"
#include "toolkit/uicontext.h"

namespace {

const TextPair<ProgressText> kTexts[] = {
    {ProgressText::LogReadFailed, "myReadProgress, && err=& &", "myReadProgress, && err=& &"},
    {ProgressText::ReportTitle, "Progress in &", "Progrès dans &"},
    {ProgressText::SessionsLine, "Sessions counted: &, from & to &", "Séances comptées : &, du & au &"},
    {ProgressText::NoSession, "No session of this bank was found in &: figures of a first exam.",
     "Aucune séance de cette banque dans & : chiffres d'un premier examen."},
    {ProgressText::LessonsHeading, "Lessons, weakest first:", "Leçons, les plus faibles d'abord :"},
    {ProgressText::TopicsHeading, "Topics, weakest first:", "Sujets, les plus faibles d'abord :"},
    {ProgressText::NoLessons, "This bank has no lessons.", "Cette banque n'a pas de leçons."},
    {ProgressText::LessonColumns, "Lesson|Questions|Seen|Attempts|Success|Title",
     "Leçon|Questions|Vues|Essais|Succès|Titre"},
    {ProgressText::TopicColumns, "Topic|Questions|Seen|Attempts|Success",
     "Sujet|Questions|Vues|Essais|Succès"},
    {ProgressText::NoRate, "-", "-"},
    {ProgressText::PassChance, "Chance of passing now: &", "Chance de réussir maintenant : &"},
    {ProgressText::HonoursChance, "Chance of 80% or more: &", "Chance d'obtenir 80 % ou plus : &"},
    {ProgressText::WindowTitle, "Progress - &", "Progrès - &"},
    {ProgressText::ChartTitle, "Marks of every session", "Notes de chaque séance"},
    {ProgressText::MarksSeries, "Full exams", "Examens complets"},
    {ProgressText::PassLine, "Pass mark &%", "Note de passage &%"},
    {ProgressText::AxisSessions, "Session", "Séance"},
    {ProgressText::AxisMarks, "Mark (%)", "Note (%)"},
    {ProgressText::ChartDescription, "Marks of the last & full exams, oldest first: &.",
     "Notes des & derniers examens complets, du plus ancien au plus récent : &."},
    {ProgressText::ChartNoMarks, "No full exam has a mark yet.", "Aucun examen complet n'a encore de note."},
    {ProgressText::ChancesHow,
     "The exam draws one question from each topic. A question never met counts for how you do on "
     "questions met for the first time, in its lesson; one met before, for how often you get a "
     "question right after the same last answer. Recent sessions count most, and the range is "
     "where the chance lies as sure as your answers can make it.",
     "L'examen tire une question de chaque sujet. Une question jamais vue compte pour vos "
     "résultats aux questions vues pour la première fois, dans sa leçon ; une question déjà vue, "
     "pour la fréquence de vos bonnes réponses après la même dernière réponse. Les séances "
     "récentes comptent le plus, et l'intervalle est celui où se trouve la chance, aussi sûr que "
     "vos réponses permettent de l'être."},
    {ProgressText::LessonsCaption, "&Lessons, weakest first", "&Leçons, les plus faibles d'abord"},
    {ProgressText::TopicsCaption, "&Topics, weakest first", "&Sujets, les plus faibles d'abord"},
    {ProgressText::CopyButton, "&Copy tables", "&Copier les tableaux"},
    {ProgressText::CopyHint, "Copy both tables to the clipboard as tab-separated text.",
     "Copier les deux tableaux au presse-papiers, en texte séparé par des tabulations."},
    {ProgressText::CloseButton, "Close", "Fermer"},
    {ProgressText::EmptyState,
     "No session of this bank is in the history log yet: no figure can be drawn. Take an exam, "
     "and your progress will show here.",
     "Le journal ne contient encore aucune séance de cette banque : aucun chiffre ne peut être "
     "tracé. Passez un examen, et vos progrès s'afficheront ici."},
    {ProgressText::Copied, "Tables copied to the clipboard.", "Tableaux copiés au presse-papiers."},
    {ProgressText::PartialSeries, "Partial exams (lessons, fewer questions)",
     "Examens partiels (leçons, moins de questions)"},
    {ProgressText::ChartPartial,
     " Partial exams, shown apart as squares and left out of the line: &; the last marks: &.",
     " Examens partiels, montrés à part en carrés et hors de la ligne : & ; dernières notes : &."},
    {ProgressText::NextStepHeading, "Next step: the lessons whose study would raise your chance of passing most:",
     "Prochaine étape : les leçons dont l'étude augmenterait le plus votre chance de réussir :"},
    {ProgressText::NextLesson, "& &, success &", "& &, succès &"},
    {ProgressText::NextLessonUntried, "& &, never tried", "& &, jamais essayée"},
    {ProgressText::NextStepNone,
     "Next step: no lesson's study would raise your chance any more; take full exams to keep it there.",
     "Prochaine étape : l'étude d'aucune leçon n'augmenterait encore votre chance ; passez des "
     "examens complets pour la garder."},
    {ProgressText::NextStepNoLessons,
     "Next step: this bank has no lessons; take full exams and study the weakest topics first.",
     "Prochaine étape : cette banque n'a pas de leçons ; passez des examens complets et étudiez "
     "d'abord les sujets les plus faibles."},
    {ProgressText::PractiseButton, "Practise these lessons", "Réviser ces leçons"},
    {ProgressText::FullExamButton, "Full exam", "Examen complet"},
    {ProgressText::ChanceRange, "&, likely between &% and &%", "&, probablement entre & % et & %"},
    {ProgressText::TooFewAnswers, "&, too few answers yet to be sure (fewer than &)",
     "&, trop peu de réponses encore pour en être sûr (moins de &)"},
};

}  // namespace

const std::string& progressTextIn(ProgressText id, int language) {
    return textFromTable<kTexts>(id, language);
}

const std::string& progressText(ProgressText id) {
    return progressTextIn(id, uiContext().InterfaceLanguage);
}
