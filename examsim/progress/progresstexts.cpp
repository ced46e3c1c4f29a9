#include "progresstexts.h"

#include "text.h"
#include "texttable.h"
#include "uicontext.h"

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
     "The exam draws one question from each topic: a question counts for (right + 1) / (tries + 2) "
     "over its last three tries (one half when never seen), a topic for the mean of its questions, "
     "and each chance is that of enough topics right, worked out exactly over every combination "
     "of topics.",
     "L'examen tire une question de chaque sujet : une question compte pour (bonnes + 1) / "
     "(essais + 2) sur ses trois derniers essais (la moitié si elle n'a jamais été vue), un sujet "
     "pour la moyenne de ses questions, et chaque chance est celle d'avoir assez de sujets justes, "
     "calculée exactement sur toutes les combinaisons de sujets."},
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
    {ProgressText::NextStepHeading, "Next step: practise the lessons below the pass mark, weakest first:",
     "Prochaine étape : réviser les leçons sous la note de passage, les plus faibles d'abord :"},
    {ProgressText::NextLesson, "& &, success &", "& &, succès &"},
    {ProgressText::NextLessonUntried, "& &, never tried", "& &, jamais essayée"},
    {ProgressText::NextStepNone,
     "Next step: every lesson is at or above the pass mark; take full exams to keep it there.",
     "Prochaine étape : chaque leçon atteint la note de passage ; passez des examens complets "
     "pour l'y garder."},
    {ProgressText::NextStepNoLessons,
     "Next step: this bank has no lessons; take full exams and study the weakest topics first.",
     "Prochaine étape : cette banque n'a pas de leçons ; passez des examens complets et étudiez "
     "d'abord les sujets les plus faibles."},
    {ProgressText::PractiseButton, "Practise these lessons", "Réviser ces leçons"},
};

}  // namespace

const std::string& progressTextIn(ProgressText id, int language) {
    return textFromTable<kTexts>(id, language);
}

const std::string& progressText(ProgressText id) {
    return progressTextIn(id, uiContext().InterfaceLanguage);
}
