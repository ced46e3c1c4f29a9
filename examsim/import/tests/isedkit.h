// Builds delimited files in the department's layout for the import tests.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "examsim/bank/tests/bankfixture.h"

inline const std::string IsedHeader =
    "question_id ;question_english;correct_answer_english;incorrect_answer_1_english;"
    "incorrect_answer_2_english;incorrect_answer_3_english;question_french;correct_answer_french;"
    "incorrect_answer_1_french;incorrect_answer_2_french;incorrect_answer_3_french";

// A row whose texts name their id, language and role, so that a test can
// tell where every text of the written bank came from.
inline std::string isedRow(const std::string& id) {
    std::string row = id;
    for (const char* language : {"en", "fr"})
        for (const char* role : {"question", "right", "wrong1", "wrong2", "wrong3"})
            row += std::string(";") + role + " " + language + " " + id;
    return row;
}

// "B-001-002-003" from its numbers.
inline std::string isedId(int section, int topic, int number, char letter = 'B') {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%c-%03d-%03d-%03d", letter, section, topic, number);
    return buf;
}
