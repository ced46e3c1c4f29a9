// Prints how the chance of passing fares against simulated candidates whose
// knowledge is known: the mean error, the error after a single exam and the
// calibration table by tenths of the predicted chance, beside the former
// figure's. More candidates than the test takes.
//
//   pass_calibration [candidates [seed [most sessions [bank]]]]
//
// The bank defaults to the Basic sample; the official pool imported with
// `ulvorane-bank import` is the one candidates meet.
//
// Beside the program, oracles that are told part of the truth say how much
// of the error is the model's and how much no model could remove:
//   - the model's own chances per question plugged in, not integrated;
//   - the true chance of the questions met, the model's for those never met,
//     and the reverse;
//   - the questions never met at the true mean of those of their lesson;
//   - the best any predictor could do knowing everything of the candidate
//     but their ability (every question's difficulty, the lessons' leads,
//     the growth, what they remember): the ability's posterior from the
//     log's answers, the chance averaged over it; with the population's
//     own prior, and with a wide one that knows nothing of the population.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "examsim/bank/bankreader.h"
#include "examsim/progress/tests/simulatedcandidates.h"

namespace {

using Chances = std::vector<double>;

Chances blend(const BankModel& bank, const CandidateTruth& truth, const ProgressFigures& f, bool trueMet,
              bool trueNeverMet) {
    Chances chance(f.Model.QuestionChance);
    for (int q = 1; q <= bank.QuestionCount; ++q) {
        const size_t i = static_cast<size_t>(q);
        const bool met = !f.Attempts[i].empty();
        if (met ? trueMet : trueNeverMet) chance[i] = truth.Chance[i];
    }
    return chance;
}

// Never-met questions at the mean true chance of their lesson's never-met ones.
Chances lessonMeans(const BankModel& bank, const CandidateTruth& truth, const ProgressFigures& f) {
    Chances chance(f.Model.QuestionChance);
    std::vector<double> sum(static_cast<size_t>(bank.LessonCount) + 1, 0.0), n(sum.size(), 0.0);
    for (int q = 1; q <= bank.QuestionCount; ++q) {
        const size_t i = static_cast<size_t>(q), l = static_cast<size_t>((*truth.LessonOf)[i]);
        if (f.Attempts[i].empty()) sum[l] += truth.Chance[i], n[l] += 1;
    }
    for (int q = 1; q <= bank.QuestionCount; ++q) {
        const size_t i = static_cast<size_t>(q), l = static_cast<size_t>((*truth.LessonOf)[i]);
        if (f.Attempts[i].empty()) chance[i] = sum[l] / n[l];
    }
    return chance;
}

// The ability's posterior on a grid, everything else known; the chance
// averaged over it (or at the posterior mean when plugIn).
double posteriorChance(const BankModel& bank, const CandidateTruth& t, double lo, double hi, double priorSd,
                       bool plugIn) {
    using simulation::logistic;
    constexpr int Grid = 241;
    const auto& d = *t.Difficulty;
    const auto& lessonOf = *t.LessonOf;
    std::vector<double> logPost(Grid), theta(Grid);
    double best = -1e300;
    for (int g = 0; g < Grid; ++g) {
        theta[g] = lo + (hi - lo) * g / (Grid - 1);
        double lp = priorSd > 0 ? -0.5 * theta[g] * theta[g] / (priorSd * priorSd) : 0.0;
        for (const CandidateTruth::Answer& a : t.Answers) {
            const size_t i = static_cast<size_t>(a.Question);
            const double p = 0.25 + 0.75 * logistic(theta[g] + t.Growth * a.Session +
                                                    t.Lesson[static_cast<size_t>(lessonOf[i])] - d[i] + a.Memory);
            lp += std::log(a.Right ? p : 1 - p);
        }
        logPost[g] = lp;
        best = std::max(best, lp);
    }
    std::vector<double> w(Grid);
    double total = 0, mean = 0;
    for (int g = 0; g < Grid; ++g) total += w[g] = std::exp(logPost[g] - best);
    for (int g = 0; g < Grid; ++g) mean += (w[g] /= total) * theta[g];
    auto chanceAt = [&](double ability) {
        Chances c(static_cast<size_t>(bank.QuestionCount) + 1, 0.0);
        for (int q = 1; q <= bank.QuestionCount; ++q) {
            const size_t i = static_cast<size_t>(q);
            c[i] = 0.25 + 0.75 * logistic(ability + t.Growth * (t.Sessions - 1) +
                                          t.Lesson[static_cast<size_t>(lessonOf[i])] - d[i] + t.Memory[i]);
        }
        return myExactChance(bank, c, bank.PassMarkPercent);
    };
    if (plugIn) return chanceAt(mean);
    double chance = 0;
    for (int g = 0; g < Grid; ++g)
        if (w[g] > 1e-7) chance += w[g] * chanceAt(theta[g]);
    return chance;
}

}  // namespace

int main(int argc, char** argv) {
    const int candidates = argc > 1 ? std::atoi(argv[1]) : 1000;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 1;
    const int sessions = argc > 3 ? std::atoi(argv[3]) : 10;
    BankModel bank;
    std::string unused;
    const std::string path = argc > 4 ? argv[4] : std::string(SAMPLES_DIR) + "/Questions_Basic-English.txt";
    if (!myReadQuestionBank(bank, path, FullRead, unused))
        return 1;
    const int pass = bank.PassMarkPercent;
    const std::vector<Oracle> oracles{
        {"the model's chances plugged in, not integrated",
         [&](const BankModel& b, const CandidateTruth&, const ProgressFigures& f) {
             return myExactChance(b, f.Model.QuestionChance, pass);
         }},
        {"met: true chance; never met: the model's",
         [&](const BankModel& b, const CandidateTruth& t, const ProgressFigures& f) {
             return myExactChance(b, blend(b, t, f, true, false), pass);
         }},
        {"met: the model's; never met: true chance",
         [&](const BankModel& b, const CandidateTruth& t, const ProgressFigures& f) {
             return myExactChance(b, blend(b, t, f, false, true), pass);
         }},
        {"met: the model's; never met: true lesson mean",
         [&](const BankModel& b, const CandidateTruth& t, const ProgressFigures& f) {
             return myExactChance(b, lessonMeans(b, t, f), pass);
         }},
        {"all but the ability known, population prior",
         [](const BankModel& b, const CandidateTruth& t, const ProgressFigures&) {
             return posteriorChance(b, t, -1.5, 1.5, 0, false);
         }},
        {"all but the ability known, population prior, plugged in",
         [](const BankModel& b, const CandidateTruth& t, const ProgressFigures&) {
             return posteriorChance(b, t, -1.5, 1.5, 0, true);
         }},
        {"all but the ability known, wide prior N(0, 3)",
         [](const BankModel& b, const CandidateTruth& t, const ProgressFigures&) {
             return posteriorChance(b, t, -8, 8, 3, false);
         }},
    };
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    for (const std::string& line :
         simulationReport(simulateCandidates(bank, candidates, seed, folder, sessions, oracles)))
        std::puts(line.c_str());
    return 0;
}
