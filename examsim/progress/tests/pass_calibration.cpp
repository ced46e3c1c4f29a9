// Prints how the chance of passing fares against simulated candidates whose
// knowledge is known: the mean error, the error after a single exam and the
// calibration table by tenths of the predicted chance, beside the former
// figure's. More candidates than the test takes.
//
//   pass_calibration [--oracles] [candidates [seed [most sessions [bank]]]]
//
// The bank defaults to the Basic sample; the official pool imported with
// `ulvorane-bank import` is the one candidates meet.
//
// With --oracles, oracles told part of the truth predict beside the
// program, to say how much of the error is the model's and how much no model
// could remove:
//   - the model's own chances per question plugged in, not integrated;
//   - the true chance of the questions met, the model's for those never met,
//     and the reverse;
//   - the questions never met at the true mean of those of their lesson;
//   - the questions met at the true mean of those of the same lesson and
//     the same last two answers (and the same sessions since the last);
//   - the best any predictor could do knowing everything of the candidate
//     but their ability (every question's difficulty, the lessons' leads,
//     the growth, what they remember): the ability's posterior from the
//     log's answers, the chance averaged over it; with the population's
//     own prior, plugged in at the posterior mean, with a wide prior that
//     knows nothing of the population, and with the growth unknown too.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>

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

// Met questions at the mean true chance of the met questions of the same
// lesson and the same last two answers (when gapped, also the same number of
// sessions since the last answer, up to 3); never met at their lesson's mean.
Chances cellMeans(const BankModel& bank, const CandidateTruth& truth, const ProgressFigures& f, bool gapped) {
    Chances chance = lessonMeans(bank, truth, f);
    std::map<int, std::pair<double, double>> cells;
    auto keyOf = [&](size_t i) {
        const auto& a = f.Attempts[i];
        const size_t n = a.size();
        const int last = a[n - 1].correct(), before = n >= 2 ? 1 + a[n - 2].correct() : 0;
        const int gap = gapped ? std::min<int>(3, static_cast<int>(f.Sessions.size() - a[n - 1].Session)) : 0;
        return (((*truth.LessonOf)[i] * 2 + last) * 3 + before) * 4 + gap;
    };
    for (int q = 1; q <= bank.QuestionCount; ++q) {
        const size_t i = static_cast<size_t>(q);
        if (f.Attempts[i].empty()) continue;
        auto& c = cells[keyOf(i)];
        c.first += truth.Chance[i], c.second += 1;
    }
    for (int q = 1; q <= bank.QuestionCount; ++q) {
        const size_t i = static_cast<size_t>(q);
        if (f.Attempts[i].empty()) continue;
        const auto& c = cells[keyOf(i)];
        chance[i] = c.first / c.second;
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

// The same with the growth unknown too: a posterior over the first
// session's ability and the growth (the population's uniform priors), the
// chance averaged over the ability now it implies.
double posteriorWithGrowth(const BankModel& bank, const CandidateTruth& t) {
    using simulation::logistic;
    constexpr int Abilities = 61, Growths = 21, Now = 241;
    constexpr double Lo = -1.5, Hi = 1.5 + 0.2 * 9;
    const auto& d = *t.Difficulty;
    const auto& lessonOf = *t.LessonOf;
    std::vector<double> base(t.Answers.size());
    for (size_t k = 0; k < t.Answers.size(); ++k) {
        const size_t i = static_cast<size_t>(t.Answers[k].Question);
        base[k] = t.Lesson[static_cast<size_t>(lessonOf[i])] - d[i] + t.Answers[k].Memory;
    }
    std::vector<double> logPost, nowOf;
    double best = -1e300;
    for (int a = 0; a < Abilities; ++a)
        for (int g = 0; g < Growths; ++g) {
            const double ability = -1.5 + 3.0 * (a + 0.5) / Abilities, growth = 0.2 * (g + 0.5) / Growths;
            double lp = 0;
            for (size_t k = 0; k < base.size(); ++k) {
                const double p = 0.25 + 0.75 * logistic(ability + growth * t.Answers[k].Session + base[k]);
                lp += std::log(t.Answers[k].Right ? p : 1 - p);
            }
            logPost.push_back(lp);
            nowOf.push_back(ability + growth * (t.Sessions - 1));
            best = std::max(best, lp);
        }
    std::vector<double> w(Now, 0.0);
    double total = 0;
    for (size_t k = 0; k < logPost.size(); ++k) {
        const double x = std::exp(logPost[k] - best);
        w[static_cast<size_t>(std::lround((nowOf[k] - Lo) / (Hi - Lo) * (Now - 1)))] += x;
        total += x;
    }
    double chance = 0;
    for (int n = 0; n < Now; ++n) {
        if (w[static_cast<size_t>(n)] / total < 1e-7) continue;
        const double ability = Lo + (Hi - Lo) * n / (Now - 1);
        Chances c(static_cast<size_t>(bank.QuestionCount) + 1, 0.0);
        for (int q = 1; q <= bank.QuestionCount; ++q) {
            const size_t i = static_cast<size_t>(q);
            c[i] = 0.25 + 0.75 * logistic(ability + t.Lesson[static_cast<size_t>(lessonOf[i])] - d[i] + t.Memory[i]);
        }
        chance += w[static_cast<size_t>(n)] / total * myExactChance(bank, c, bank.PassMarkPercent);
    }
    return chance;
}

}  // namespace

int main(int argc, char** argv) {
    const bool withOracles = argc > 1 && std::string(argv[1]) == "--oracles";
    if (withOracles) --argc, ++argv;
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
        {"met: true cell mean (lesson, last two); never met: lesson",
         [&](const BankModel& b, const CandidateTruth& t, const ProgressFigures& f) {
             return myExactChance(b, cellMeans(b, t, f, false), pass);
         }},
        {"met: true cell mean (lesson, last two, gap); never: lesson",
         [&](const BankModel& b, const CandidateTruth& t, const ProgressFigures& f) {
             return myExactChance(b, cellMeans(b, t, f, true), pass);
         }},
        {"all but the ability known, population prior",
         [](const BankModel& b, const CandidateTruth& t, const ProgressFigures&) {
             return posteriorChance(b, t, -1.5, 1.5, 0, false);
         }},
        {"all but the ability known, population prior, plugged in",
         [](const BankModel& b, const CandidateTruth& t, const ProgressFigures&) {
             return posteriorChance(b, t, -1.5, 1.5, 0, true);
         }},
        {"all but the ability and growth known, population priors",
         [](const BankModel& b, const CandidateTruth& t, const ProgressFigures&) { return posteriorWithGrowth(b, t); }},
        {"all but the ability known, wide prior N(0, 3)",
         [](const BankModel& b, const CandidateTruth& t, const ProgressFigures&) {
             return posteriorChance(b, t, -8, 8, 3, false);
         }},
    };
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    for (const std::string& line :
         simulationReport(simulateCandidates(bank, candidates, seed, folder, sessions, withOracles ? oracles : std::vector<Oracle>{})))
        std::puts(line.c_str());
    return 0;
}
