#include "examsim/import/importtexts.h"

#include "toolkit/texttable.h"
#include "toolkit/uicontext.h"

namespace {

const TextPair<ImportText> kTexts[] = {
    {ImportText::PairLockFailed, "myWriteImportedBanks, cannot lock & err=& &",
     "myWriteImportedBanks, ne peut verrouiller & err=& &"},
    {ImportText::RecoveryFailed, "myRecoverImport, cannot finish the interrupted import of & err=& &",
     "myRecoverImport, ne peut achever l'importation interrompue de & err=& &"},
    {ImportText::NotLatin1Character, "myReadIsedFile, line & field &: character & cannot be written in Latin-1",
     "myReadIsedFile, ligne & champ & : le caractère & ne peut s'écrire en Latin-1"},
    {ImportText::ControlCharacter, "myReadIsedFile, line & field &: control character & in the text",
     "myReadIsedFile, ligne & champ & : caractère de contrôle & dans le texte"},
    {ImportText::NotUtf8, "myReadIsedFile, line & field &: the text is not valid UTF-8",
     "myReadIsedFile, ligne & champ & : le texte n'est pas de l'UTF-8 valide"},
    {ImportText::MixedEncodings, "myReadIsedFile, line & is not UTF-8 while line & is: the file mixes two encodings",
     "myReadIsedFile, la ligne & n'est pas en UTF-8 alors que la ligne & l'est : le fichier "
     "mélange deux encodages"},
    {ImportText::TooManyInTopic, "myReadIsedFile, line &: question & exceeds the limit of & questions per topic",
     "myReadIsedFile, ligne & : la question & dépasse la limite de & questions par sujet"},
    {ImportText::TooManyTopics, "myReadIsedFile, line &: topic & exceeds the limit of & topics",
     "myReadIsedFile, ligne & : le sujet & dépasse la limite de & sujets"},
    {ImportText::TooManyLessons, "myReadIsedFile, line &: section & exceeds the limit of & lessons",
     "myReadIsedFile, ligne & : la section & dépasse la limite de & leçons"},
    {ImportText::TooManyQuestions, "myReadIsedFile, line &: question & exceeds the limit of & questions",
     "myReadIsedFile, ligne & : la question & dépasse la limite de & questions"},
    {ImportText::WrongFieldCount, "myReadIsedFile, line &: & fields instead of 11 (fields are separated by ;)",
     "myReadIsedFile, ligne & : & champs au lieu de 11 (les champs sont séparés par ;)"},
    {ImportText::InvalidId, "myReadIsedFile, line &: invalid question id &",
     "myReadIsedFile, ligne & : numéro de question invalide &"},
    {ImportText::NotAQualification, "myReadIsedFile, line &: question & is neither Basic (B) nor Advanced (A)",
     "myReadIsedFile, ligne & : la question & n'est ni de base (B) ni supérieure (A)"},
    {ImportText::OtherQualification, "myReadIsedFile, line &: question & is not of the qualification of line & (&)",
     "myReadIsedFile, ligne & : la question & n'est pas de la compétence de la ligne & (&)"},
    {ImportText::DuplicateQuestion, "myReadIsedFile, line &: question & is a duplicate of line &",
     "myReadIsedFile, ligne & : la question & est en double de la ligne &"},
    {ImportText::EmptyText, "myReadIsedFile, line & field &: empty text",
     "myReadIsedFile, ligne & champ & : texte vide"},
    {ImportText::NoQuestion, "myReadIsedFile, no question in &",
     "myReadIsedFile, aucune question dans &"},
    {ImportText::OpenFailed, "myReadIsedFile, cannot open file & err=& &",
     "myReadIsedFile, ne peut ouvrir fichier & err=& &"},
    {ImportText::NotAFile, "myReadIsedFile, & is not a file: choose the pool's file or its archive",
     "myReadIsedFile, & n'est pas un fichier : choisissez le fichier de la "
     "banque ou son archive"},
    {ImportText::TooLarge, "myReadIsedFile, & is larger than 8 MB: it is not a question pool",
     "myReadIsedFile, & dépasse 8 Mo : ce n'est pas une banque de questions"},
    {ImportText::MemberOfArchive, "& in &", "& dans &"},
};

}  // namespace

const std::string& importTextIn(ImportText id, int language) { return textFromTable<kTexts>(id, language); }

const std::string& importText(ImportText id) { return importTextIn(id, uiContext().InterfaceLanguage); }
