#include "examsim/bank/bankdump.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <numeric>
#include <vector>

#include "toolkit/errorbox.h"
#include "toolkit/filefinder.h"
#include "toolkit/masks.h"
#include "toolkit/paths.h"
#include "toolkit/text.h"
#include "toolkit/uicontext.h"

std::string dumpPrompt() {
    std::string prompt;
    for (const char* item : {"1 = Explanations as read.", "2 = Explanations, spaces squeezed.",
                             "2b= Explanations, spaces squeezed, no Q #.", "3 = Q+A, sorted, no Q #.",
                             "4 = Q+A, sorted.", "5 = Q+A, sorted, A designated.", "6 = Help texts."}) {
        prompt += item;
        prompt += CRLF;
    }
    prompt += CRLF;
    prompt += "Specify ONE choice...";
    return prompt;
}

std::string dumpTitle() { return "Write from current bank to TEMP.TXT"; }

std::string squeezeExplanation(const std::string& text) {
    std::string out = text;
    while (out.find("  ") != std::string::npos) out = replaceAll(out, "  ", " ");
    out = replaceAll(out, "[ ", "[");
    out = replaceAll(out, " ]", "]");
    out = replaceAll(out, "( ", "(");
    out = replaceAll(out, " )", ")");
    return out;
}

namespace {

void reportFileError(const char* englishMask, const char* frenchMask, const std::filesystem::path& path, int error) {
    myErrorBox(fillMask(inLanguage(englishMask, latin1(frenchMask)),
                        {CRLF, error, errorText(error), CRLF, displayPath(path)}));
}

std::vector<int> designationOrder(const BankModel& model) {
    std::vector<int> order(model.QuestionCount);
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return model.Designation[a] < model.Designation[b]; });
    return order;
}

std::vector<std::string> dumpRecords(const BankModel& model, const std::string& choice) {
    std::vector<std::string> records;
    const bool sorted = choice == "3" || choice == "4" || choice == "5";
    std::vector<int> order;
    if (sorted) order = designationOrder(model);
    const size_t labelWidth = model.AnswerLabels[1].AnswerPrefix.size();
    int count = 0;
    for (int i = 1; i <= model.QuestionCount; ++i) {
        const int q = sorted ? order[i - 1] : i;
        const std::string designation = fixedWidth(model.Designation[q], DesignationWidth);
        if (!sorted) {
            if (model.Explanation[q].empty()) continue;
            const std::string text = choice == "1" ? model.Explanation[q] : squeezeExplanation(model.Explanation[q]);
            records.push_back(choice == "2B" ? text : designation + " " + text);
            ++count;
            continue;
        }
        if (choice != "3") {
            const int expected = model.ExpectedAnswer[q][0] - '0';
            const std::string letter =
                expected >= 0 && expected <= AnswerLabelCount ? model.AnswerLabels[expected].AnswerLetter : "?";
            records.push_back(designation + " (" + letter + ")");
        }
        records.push_back(model.QuestionText[q]);
        for (int a = 1; a <= AnswersPerQuestion; ++a) {
            const std::string& answer = model.Answers[q][a];
            records.push_back(choice == "5" ? answer
                                            : trimLeftSpaces(answer.size() > labelWidth ? answer.substr(labelWidth)
                                                                                        : std::string()));
        }
        ++count;
    }
    records.push_back("Total " + std::to_string(count));
    return records;
}

}  // namespace

bool myDumpBank(const BankModel& model, const std::filesystem::path& programFolder, const std::string& reply,
                const std::string& helpEnglish, const std::string& helpFrench) {
    const std::string choice = upperCase(reply);
    if (choice != "1" && choice != "2" && choice != "2B" && choice != "3" && choice != "4" && choice != "5" &&
        choice != "6")
        return false;
    std::vector<std::string> records =
        choice == "6" ? std::vector<std::string>{helpEnglish + CRLF + helpFrench} : dumpRecords(model, choice);

    // Written whole under a fresh name, then renamed over Temp.txt: a link
    // planted at Temp.txt is replaced, not written through, and a disk that
    // fills up leaves the earlier Temp.txt as it was, never a cut one.
    std::string bytes;
    for (const std::string& record : records) {
        bytes += record;
        bytes += CRLF;
    }
    const std::filesystem::path path = programFolder / "Temp.txt";
    int error = 0;
    const FileOutcome written = writeFileWhole(path, bytes, true, error);
    if (written != FileOutcome::Done) {
        reportFileError("myDumpBank, cannot write file & err=& & & &", "myDumpBank, ne peut écrire fichier & err=& & & &",
                        path, error ? error : outcomeError(written));
        return false;
    }
    return true;
}
