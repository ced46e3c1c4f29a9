#include "examsim/ui/screenreadertexts.h"

#include <array>
#include <map>

#include "toolkit/text.h"

namespace {

struct NameEntry {
    int id;
    const char* english;
    const char* french;
};

// The two lists share the "Question selection" frame; their names carry
// the frame's title so that the listener places them on the screen.
const NameEntry kNames[] = {
    {2000, "Question selection, bank", "Critères de sélection, banque"},
    {2001, "Question selection, criterion", "Critères de sélection, critère"},
    {2003, "Marking", "Correction"},
    {2038, "Exam status", "État de l'examen"},
    // The question box and the explanation area show their help until there
    // is a question or an explanation; named by it, they were read twice,
    // or with two sentences at every Tab.
    {2039, "Question", "Question"},
    {2037, "Explanation", "Explication"},
};

const std::map<int, std::array<std::string, 2>>& table() {
    static const std::map<int, std::array<std::string, 2>> converted = [] {
        std::map<int, std::array<std::string, 2>> t;
        for (const NameEntry& e : kNames) t[e.id] = {latin1(e.english), latin1(e.french)};
        return t;
    }();
    return converted;
}

}  // namespace

std::string screenReaderNameIn(int id, int language) {
    const auto it = table().find(id);
    return it == table().end() ? std::string() : it->second[language == 1 ? 1 : 0];
}
