// What the department's question ids mean: the qualification named by the
// id's letter, its sections, and the titles the imported banks carry.
#pragma once

#include <string>

inline constexpr int LanguageEnglish = 0;
inline constexpr int LanguageFrench = 1;

// 'B' Basic, 'A' Advanced; any other letter is no qualification we know.
bool isQualificationLetter(char letter);
// Questions of a full exam: one per topic, 100 for Basic, 50 for Advanced.
int examQuestionsOf(char letter);
// "Basic" / "Base", "Advanced" / "Supérieure" (Latin-1).
std::string qualificationName(char letter, int language);
// Default name part of the bank files: "Basic" or "Advanced".
std::string defaultBankName(char letter);

// Bank title such as "Basic 2025 English" or "Supérieure 2025 français":
// at most 25 characters, the width of the titles in the history log, and
// none the beginning of another.
std::string importedBankTitle(char letter, const std::string& edition, int language);

// Title of section n of the qualification in the language (Latin-1); a
// section the syllabus does not have yet is called "Section n".
std::string sectionTitle(char letter, int section, int language);
// Lesson id of a section, the section id without its dash: B001.
std::string sectionLessonId(char letter, int section);
