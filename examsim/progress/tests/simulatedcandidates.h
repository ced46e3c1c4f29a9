// Simulated candidates whose knowledge of every question is known, for
// holding the chance of passing against the truth. A candidate answers a
// question right with chance 1/4 + 3/4 logistic(ability + lesson - difficulty
// + memory): a guessing floor of one in four choices, an ability that grows
// between sessions, lessons stronger and weaker than the candidate's
// average, a question learnt a little after each answer (more after a miss,
// when the right answer is shown) and forgotten in part between sessions.
// They take full exams and drills of their two weakest lessons; their logs
// are written by the program's own log writer and read back by the program.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "examsim/bank/bankmodel.h"
#include "examsim/progress/progressfigures.h"
#include "examsim/session/examrecord.h"
#include "examsim/session/figures.h"
#include "examsim/session/historylog.h"
#include "toolkit/text.h"

// What the simulation knows of one candidate and the program cannot: for
// predictors that are told some of it (how much of the error a better model
// could remove, and how much no model can).
struct CandidateTruth {
    double Ability = 0;  // at the first session
    double Growth = 0;   // per session
    int Sessions = 0;
    std::vector<double> Lesson;            // per lesson number: its lead over the ability
    const std::vector<double>* Difficulty = nullptr;  // per question
    const std::vector<int>* LessonOf = nullptr;       // per question
    struct Answer {
        int Session = 0, Question = 0;
        bool Right = false;
        double Memory = 0;  // what the candidate remembered of it as they answered
    };
    std::vector<Answer> Answers;           // in the order given
    std::vector<double> Memory;            // per question, now
    std::vector<double> Chance;            // per question: the chance of a right answer now
    double abilityNow() const { return Ability + Growth * (Sessions - 1); }
};

// A predictor given the truth, the program's figures of the log and the
// bank: the chance of passing it would say.
struct Oracle {
    std::string Name;
    std::function<double(const BankModel&, const CandidateTruth&, const ProgressFigures&)> Predict;
};

struct SimulatedOutcome {
    int Sessions = 0;
    bool SingleExam = false;  // one full exam and nothing else
    bool TooFew = false;
    double Predicted = 0, Low = 0, High = 0, True = 0;
    double PredictedHonours = 0, TrueHonours = 0;
    double Before = 0;  // the former chance: (right + 1) / (tries + 2) over the last three
    std::vector<double> Oracles;  // each oracle's chance, in the order given
};

struct CalibrationRow {
    int Candidates = 0;
    double Predicted = 0, True = 0;  // means, per cent
    int Off = 0;  // candidates more than 10 points from their true chance
};

struct SimulationSummary {
    std::vector<SimulatedOutcome> Outcomes;
    double MeanError = 0, SingleExamError = 0, HonoursError = 0, BeforeError = 0, WithinRange = 0;
    int SingleExams = 0;
    CalibrationRow Tenths[10];
    CalibrationRow BeforeTenths[10];
    std::vector<std::string> OracleNames;
};

namespace simulation {

inline double logistic(double x) { return 1 / (1 + std::exp(-x)); }

// The former figure, kept here to say how far it was from the truth.
inline double formerChance(const BankModel& bank, const ProgressFigures& f, int percent) {
    std::vector<double> chance(static_cast<size_t>(bank.QuestionCount) + 1, 0.5);
    for (int q = 1; q <= bank.QuestionCount; ++q) {
        const auto& a = f.Attempts[static_cast<size_t>(q)];
        const size_t n = std::min<size_t>(a.size(), 3);
        int right = 0;
        for (size_t i = a.size() - n; i < a.size(); ++i) right += a[i].correct();
        chance[static_cast<size_t>(q)] = (right + 1.0) / (static_cast<double>(n) + 2.0);
    }
    return myExactChance(bank, chance, percent);
}

inline void tabulate(CalibrationRow (&rows)[10], double predicted, double truth) {
    CalibrationRow& row = rows[std::clamp(static_cast<int>(predicted * 10), 0, 9)];
    row.Predicted += predicted * 100;
    row.True += truth * 100;
    ++row.Candidates;
    if (std::abs(predicted - truth) > 0.10) ++row.Off;
}

}  // namespace simulation

// `candidates` candidates of the given seed, each with 1 to maxSessions
// sessions; every log written in `folder` and removed after reading. The
// oracles, if any, predict beside the program.
inline SimulationSummary simulateCandidates(const BankModel& bank, int candidates, unsigned seed,
                                            const std::filesystem::path& folder, int maxSessions = 10,
                                            const std::vector<Oracle>& oracles = {}) {
    using simulation::logistic;
    std::mt19937 random(seed);
    std::normal_distribution<double> normal(0, 1);
    std::uniform_real_distribution<double> uniform(0, 1);
    const int questions = bank.QuestionCount;
    std::vector<double> difficulty(static_cast<size_t>(questions) + 1);
    for (double& d : difficulty) d = normal(random);
    std::vector<int> lessonOf(static_cast<size_t>(questions) + 1, 0);
    for (int t = 1; t <= bank.TopicCount; ++t)
        for (const QuestionSlot& slot : bank.Topics[t].Question)
            if (slot.QuestionIndex >= 1) lessonOf[static_cast<size_t>(slot.QuestionIndex)] = slot.LessonNo;

    SimulationSummary summary;
    for (const Oracle& o : oracles) summary.OracleNames.push_back(o.Name);
    for (int c = 0; c < candidates; ++c) {
        double ability = -1.5 + 3.0 * uniform(random);
        const double growth = 0.2 * uniform(random);
        std::vector<double> lesson(static_cast<size_t>(bank.LessonCount) + 1);
        for (double& e : lesson) e = 0.6 * normal(random);
        CandidateTruth known;
        known.Ability = ability;
        known.Growth = growth;
        known.Lesson = lesson;
        known.Difficulty = &difficulty;
        known.LessonOf = &lessonOf;
        std::vector<double> memory(static_cast<size_t>(questions) + 1, 0.0);
        std::vector<int> last(static_cast<size_t>(questions) + 1, -1);  // -1 unseen, 0 missed, 1 right
        auto chanceOf = [&](int q) {
            const size_t i = static_cast<size_t>(q);
            return 0.25 + 0.75 * logistic(ability + lesson[static_cast<size_t>(lessonOf[i])] - difficulty[i] + memory[i]);
        };
        const int sessions = 1 + static_cast<int>(uniform(random) * maxSessions);
        std::string log;
        bool drilled = false;
        for (int s = 0; s < sessions; ++s) {
            if (s > 0) {
                ability += growth;
                for (double& m : memory) m *= 0.7;
            }
            std::vector<int> order;
            if (s > 0 && uniform(random) < 0.25 && bank.LessonCount >= 2) {
                // A drill of the two weakest lessons as the candidate feels
                // them, questions never met and missed ones first.
                drilled = true;
                std::vector<int> lessons;
                for (int l = 1; l <= bank.LessonCount; ++l) lessons.push_back(l);
                std::sort(lessons.begin(), lessons.end(),
                          [&](int a, int b) { return lesson[static_cast<size_t>(a)] < lesson[static_cast<size_t>(b)]; });
                std::vector<std::pair<double, int>> pool;
                for (int q = 1; q <= questions; ++q)
                    if (lessonOf[static_cast<size_t>(q)] == lessons[0] || lessonOf[static_cast<size_t>(q)] == lessons[1])
                        pool.push_back({(last[static_cast<size_t>(q)] == 1 ? 1.0 : 0.0) + uniform(random), q});
                std::sort(pool.begin(), pool.end());
                for (size_t i = 0; i < pool.size() && i < 25; ++i) order.push_back(pool[i].second);
            } else {
                for (int t = 1; t <= bank.TopicCount; ++t) {
                    const TopicRecord& topic = bank.Topics[t];
                    if (topic.Count < 1) continue;
                    order.push_back(topic.Question[1 + static_cast<int>(uniform(random) * topic.Count)].QuestionIndex);
                }
            }
            ExamRecord exam;
            exam.ExamSize = static_cast<int32_t>(order.size());
            exam.MarkingMode = MarkAsYouGo;
            exam.ExamStage = StageMarkedAsWent;
            int right = 0;
            for (size_t p = 1; p <= order.size(); ++p) {
                const int q = order[p - 1];
                const size_t i = static_cast<size_t>(q);
                exam.ExamOrder[p] = static_cast<int16_t>(q);
                const int expected = static_cast<int>(leadingNumber(bank.ExpectedAnswer[q]));
                const bool ok = uniform(random) < chanceOf(q);
                int given = expected;
                if (!ok) given = uniform(random) < 0.1 ? 5 : 1 + (expected + static_cast<int>(uniform(random) * 3)) % 4;
                exam.GivenAnswers[p - 1] = static_cast<char>('0' + given);
                exam.MarkResults[p - 1] = ok ? '1' : given == 5 ? '3' : '2';
                right += ok;
                known.Answers.push_back({s, q, ok, memory[i]});
                last[i] = ok;
                memory[i] += ok ? 0.6 : 1.2;
            }
            char stamp[40];
            std::snprintf(stamp, sizeof stamp, "2026/%02d/%02d 19:30", 1 + s / 28, 1 + s % 28);
            exam.SessionStamp = stamp;
            exam.MarkText = myFormatMark(static_cast<float>(right) / static_cast<float>(order.size()));
            log += mySummaryLine(exam, bank, "00:45:00", mySettingsField(0, exam)) + CRLF;
            for (const std::string& line : myQuestionLines(exam, bank)) log += line + CRLF;
            log += CRLF;
        }
        // Known now, after the time until the next exam takes its toll.
        for (double& m : memory) m *= 0.7;
        std::vector<double> truth(static_cast<size_t>(questions) + 1, 0.0);
        for (int q = 1; q <= questions; ++q) truth[static_cast<size_t>(q)] = chanceOf(q);
        known.Sessions = sessions;
        known.Memory = memory;
        known.Chance = truth;

        const std::filesystem::path path = folder / ("candidate_" + std::to_string(c) + "_Log.txt");
        std::ofstream(path, std::ios::binary).write(log.data(), static_cast<std::streamsize>(log.size()));
        ProgressFigures figures;
        myReadProgress(path, bank, figures);
        std::filesystem::remove(path);

        SimulatedOutcome o;
        o.Sessions = sessions;
        o.SingleExam = sessions == 1 && !drilled;
        o.TooFew = figures.Model.TooFew;
        o.Predicted = figures.PassChance;
        o.Low = figures.Model.Pass.Low;
        o.High = figures.Model.Pass.High;
        o.PredictedHonours = figures.HonoursChance;
        o.True = myExactChance(bank, truth, bank.PassMarkPercent);
        o.TrueHonours = myExactChance(bank, truth, HonoursPercent);
        o.Before = simulation::formerChance(bank, figures, bank.PassMarkPercent);
        for (const Oracle& oracle : oracles) o.Oracles.push_back(oracle.Predict(bank, known, figures));
        summary.Outcomes.push_back(o);
    }
    for (const SimulatedOutcome& o : summary.Outcomes) {
        summary.MeanError += std::abs(o.Predicted - o.True) * 100;
        summary.HonoursError += std::abs(o.PredictedHonours - o.TrueHonours) * 100;
        summary.BeforeError += std::abs(o.Before - o.True) * 100;
        summary.WithinRange += o.True >= o.Low - 1e-9 && o.True <= o.High + 1e-9;
        if (o.SingleExam) {
            summary.SingleExamError += std::abs(o.Predicted - o.True) * 100;
            ++summary.SingleExams;
        }
        simulation::tabulate(summary.Tenths, o.Predicted, o.True);
        simulation::tabulate(summary.BeforeTenths, o.Before, o.True);
    }
    const double n = std::max<double>(1, static_cast<double>(summary.Outcomes.size()));
    summary.MeanError /= n;
    summary.HonoursError /= n;
    summary.BeforeError /= n;
    summary.WithinRange /= n;
    if (summary.SingleExams) summary.SingleExamError /= summary.SingleExams;
    for (auto* rows : {&summary.Tenths, &summary.BeforeTenths})
        for (CalibrationRow& row : *rows)
            if (row.Candidates) row.Predicted /= row.Candidates, row.True /= row.Candidates;
    return summary;
}

// The summary as lines of text: the figures, then the table by tenths.
inline std::vector<std::string> simulationReport(const SimulationSummary& s) {
    std::vector<std::string> lines;
    char line[200];
    std::snprintf(line, sizeof line,
                  "candidates %zu: mean error %.2f points (80%%: %.2f), after a single exam %.2f (%d candidates), "
                  "truth within the range %.0f%%; the former figure's mean error %.2f",
                  s.Outcomes.size(), s.MeanError, s.HonoursError, s.SingleExamError, s.SingleExams,
                  s.WithinRange * 100, s.BeforeError);
    lines.push_back(line);
    for (int sessions = 1; sessions <= 20; ++sessions) {
        double error = 0, bias = 0;
        std::vector<double> oracle(s.OracleNames.size(), 0.0);
        int n = 0;
        for (const SimulatedOutcome& o : s.Outcomes) {
            if (o.Sessions != sessions) continue;
            error += std::abs(o.Predicted - o.True) * 100, bias += (o.Predicted - o.True) * 100, ++n;
            for (size_t k = 0; k < oracle.size(); ++k) oracle[k] += std::abs(o.Oracles[k] - o.True) * 100;
        }
        if (!n) continue;
        std::snprintf(line, sizeof line, "after %2d sessions: %4d candidates, mean error %5.2f, mean signed error %+6.2f",
                      sessions, n, error / n, bias / n);
        std::string text = line;
        if (!oracle.empty()) text += "; oracles";
        for (double e : oracle) {
            std::snprintf(line, sizeof line, " %5.2f", e / n);
            text += line;
        }
        lines.push_back(text);
    }
    for (size_t k = 0; k < s.OracleNames.size(); ++k) {
        double all = 0, single = 0, ten = 0;
        int singles = 0, tens = 0, off = 0;
        for (const SimulatedOutcome& o : s.Outcomes) {
            const double error = std::abs(o.Oracles[k] - o.True) * 100;
            all += error;
            off += error > 10;
            if (o.SingleExam) single += error, ++singles;
            if (o.Sessions == 10) ten += error, ++tens;
        }
        std::snprintf(line, sizeof line,
                      "oracle %-58s mean error %5.2f, single exam %5.2f, 10 sessions %5.2f, off by more than 10: %d",
                      s.OracleNames[k].c_str(), all / std::max<size_t>(1, s.Outcomes.size()),
                      single / std::max(1, singles), ten / std::max(1, tens), off);
        lines.push_back(line);
    }
    lines.push_back("tenth      now: candidates predicted true off>10   former: candidates predicted true");
    for (int t = 0; t < 10; ++t) {
        const CalibrationRow& a = s.Tenths[t];
        const CalibrationRow& b = s.BeforeTenths[t];
        std::snprintf(line, sizeof line, "%3d-%3d%%  %14d %9.1f %5.1f %6d  %17d %9.1f %5.1f", t * 10, t * 10 + 10,
                      a.Candidates, a.Predicted, a.True, a.Off, b.Candidates, b.Predicted, b.True);
        lines.push_back(line);
    }
    return lines;
}
