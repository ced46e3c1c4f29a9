#include "examsim/import/syllabus.h"

#include <array>

#include "toolkit/text.h"

namespace {

struct SectionName {
    const char* english;
    const char* french;  // UTF-8 here, Latin-1 once returned
};

constexpr std::array<SectionName, 8> BasicSections{{
    {"Regulations and Policies", "Réglementation et politiques"},
    {"Operating and Procedures", "Exploitation et procédures"},
    {"Station Assembly, Practice and Safety", "Assemblage de la station, pratiques et sécurité"},
    {"Circuit Components", "Composants de circuits"},
    {"Basic Electronics and Theory", "Électronique et théorie de base"},
    {"Feedlines and Antenna Systems", "Lignes de transmission et systèmes d'antennes"},
    {"Radio Wave Propagation", "Propagation des ondes radio"},
    {"Interference and Suppression", "Brouillage et suppression"},
}};

constexpr std::array<SectionName, 7> AdvancedSections{{
    {"Advanced Theory", "Théorie avancée"},
    {"Components and Circuits", "Composants et circuits"},
    {"Measurements", "Mesures"},
    {"Power Supplies", "Alimentations"},
    {"Transmitters, Modulation and Processing", "Émetteurs, modulation et traitement du signal"},
    {"Receivers", "Récepteurs"},
    {"Feedlines, Matching and Antenna Systems", "Lignes de transmission, adaptation et systèmes d'antennes"},
}};

}  // namespace

bool isQualificationLetter(char letter) { return letter == 'B' || letter == 'A'; }

int examQuestionsOf(char letter) { return letter == 'A' ? 50 : 100; }

std::string qualificationName(char letter, int language) {
    if (letter == 'A') return language == LanguageFrench ? latin1("Supérieure") : "Advanced";
    return language == LanguageFrench ? "Base" : "Basic";
}

std::string defaultBankName(char letter) { return letter == 'A' ? "Advanced" : "Basic"; }

std::string importedBankTitle(char letter, const std::string& edition, int language) {
    return qualificationName(letter, language) + " " + edition + " " +
           (language == LanguageFrench ? latin1("français") : "English");
}

std::string sectionTitle(char letter, int section, int language) {
    const SectionName* names = letter == 'A' ? AdvancedSections.data() : BasicSections.data();
    const int count = letter == 'A' ? static_cast<int>(AdvancedSections.size()) : static_cast<int>(BasicSections.size());
    if (section < 1 || section > count) return "Section " + std::to_string(section);
    return language == LanguageFrench ? latin1(names[section - 1].french) : names[section - 1].english;
}

std::string sectionLessonId(char letter, int section) {
    std::string digits = std::to_string(section);
    return std::string(1, letter) + std::string(digits.size() < 3 ? 3 - digits.size() : 0, '0') + digits;
}
