#include "examsim/progress/passmodel.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

constexpr int QuadratureNodes = 16;      // equal-mass nodes over the level's posterior
constexpr double RangeLow = 0.10, RangeHigh = 0.90;
constexpr size_t MaxAge = 200;           // sessions back; older answers count as that old
// Priors, in log-odds and their precision: a lesson's level drawn toward
// the whole level as a dozen answers would, a re-attempt rate toward what
// the level implies as ten would, its growth toward the level's.
constexpr double LessonPull = 12 * 0.2;
constexpr double ReattemptPull = 10 * 0.2;
constexpr double LessonShare = 0.5;      // how much of a lesson's lead a re-attempt keeps
constexpr double FullExamAnswersEnough = 20;
constexpr double LevelPriorPrecision = 0.05;
constexpr double GrowthPrior = 0.05, GrowthPriorPrecision = 1 / (0.1 * 0.1);  // per session
// Before this candidate's re-attempts say otherwise: a question answered
// right is more likely an easy one, a missed one a hard one (log-odds
// apart from the level).
constexpr double PriorAfterRight = 0.8, PriorAfterMissed = 0.0;

double logistic(double x) { return 1 / (1 + std::exp(-x)); }

// The standard normal's quantile, by bisection on its distribution function.
double normalQuantile(double u) {
    double lo = -10, hi = 10;
    for (int i = 0; i < 80; ++i) {
        const double mid = (lo + hi) / 2;
        (0.5 * std::erfc(-mid / std::sqrt(2.0)) < u ? lo : hi) = mid;
    }
    return (lo + hi) / 2;
}

// Weighted answers of one kind by how many sessions back they were given.
struct ByAge {
    std::vector<double> n = std::vector<double>(MaxAge + 1, 0.0), right = std::vector<double>(MaxAge + 1, 0.0);
    void add(size_t age, double weight, bool ok) {
        age = std::min<size_t>(age, MaxAge);
        n[age] += weight;
        if (ok) right[age] += weight;
    }
    double total() const {
        double sum = 0;
        for (double x : n) sum += x;
        return sum;
    }
};

// A log-odds fitted to answers, the candidate's growth since each answer
// taken off: the mode of its posterior and the posterior's precision.
struct Fit {
    double logOdds = 0, precision = 0;
};

// Answers of log-odds x - growth * age, with a normal prior on x.
Fit fitLogOdds(const ByAge& answers, double growth, double priorMean, double priorPrecision) {
    double x = priorMean, h = priorPrecision;
    for (int step = 0; step < 30; ++step) {
        double g = -priorPrecision * (x - priorMean);
        h = priorPrecision;
        for (size_t age = 0; age <= MaxAge; ++age) {
            if (answers.n[age] <= 0) continue;
            const double p = logistic(x - growth * static_cast<double>(age));
            g += answers.right[age] - answers.n[age] * p;
            h += answers.n[age] * p * (1 - p);
        }
        const double move = std::clamp(g / h, -2.0, 2.0);
        x += move;
        if (std::abs(move) < 1e-9) break;
    }
    return {x, h};
}

// A log-odds now and its growth per session, from answers of log-odds
// a - growth * age, normal priors on both (by default the whole level's,
// from first answers). Returns the fit of a, its precision that of a with
// the growth's uncertainty carried.
Fit fitTrend(const ByAge& answers, double& growth, double priorMean = 0, double priorPrecision = LevelPriorPrecision,
             double growthMean = GrowthPrior) {
    double a = priorMean, b = growthMean;
    double haa = 0;
    double det = 1, hbb = 0;
    for (int step = 0; step < 40; ++step) {
        double ga = -priorPrecision * (a - priorMean), gb = -GrowthPriorPrecision * (b - growthMean);
        haa = priorPrecision, hbb = GrowthPriorPrecision;
        double hab = 0;
        for (size_t age = 0; age <= MaxAge; ++age) {
            if (answers.n[age] <= 0) continue;
            const double t = static_cast<double>(age);
            const double p = logistic(a - b * t);
            const double r = answers.right[age] - answers.n[age] * p, v = answers.n[age] * p * (1 - p);
            ga += r;
            gb -= r * t;
            haa += v;
            hab -= v * t;
            hbb += v * t * t;
        }
        det = haa * hbb - hab * hab;
        const double da = (hbb * ga - hab * gb) / det, db = (haa * gb - hab * ga) / det;
        a += std::clamp(da, -2.0, 2.0);
        b += std::clamp(db, -0.5, 0.5);
        if (std::abs(da) + std::abs(db) < 1e-9) break;
    }
    growth = b;
    return {a, det / hbb};
}

// The questions an exam draws from, topic by topic.
std::vector<std::vector<int>> examTopics(const BankModel& bank) {
    std::vector<std::vector<int>> topics;
    for (int t = 1; t <= bank.TopicCount; ++t) {
        std::vector<int> questions;
        for (const QuestionSlot& slot : bank.Topics[t].Question)
            if (slot.QuestionIndex >= 1 && slot.QuestionIndex <= bank.QuestionCount)
                questions.push_back(slot.QuestionIndex);
        if (!questions.empty()) topics.push_back(std::move(questions));
    }
    return topics;
}

double atLeast(const std::vector<double>& dist, int k) {
    if (k <= 0) return 1.0;
    double sum = 0;
    // From the far tail in, so that small terms are not lost against large ones.
    for (size_t j = dist.size(); j-- > static_cast<size_t>(k);) sum += dist[j];
    return std::min(sum, 1.0);
}

// For each topic, the probability that the other topics give exactly
// k - 1 right: how much the chance of at least k rises per unit of that
// topic's chance. Distributions of the topics before and after each one.
std::vector<double> marginalWorth(const std::vector<double>& chances, int k) {
    const size_t n = chances.size();
    std::vector<double> worth(n, 0.0);
    if (k < 1 || k > static_cast<int>(n)) return worth;
    std::vector<std::vector<double>> after(n + 1);
    after[n] = {1.0};
    for (size_t t = n; t-- > 0;) {
        const std::vector<double>& next = after[t + 1];
        std::vector<double> d(next.size() + 1, 0.0);
        for (size_t j = 0; j < next.size(); ++j) {
            d[j] += next[j] * (1 - chances[t]);
            d[j + 1] += next[j] * chances[t];
        }
        after[t] = std::move(d);
    }
    std::vector<double> before{1.0};
    const size_t want = static_cast<size_t>(k - 1);
    for (size_t t = 0; t < n; ++t) {
        double sum = 0;
        for (size_t i = 0; i < before.size() && i <= want; ++i)
            if (want - i < after[t + 1].size()) sum += before[i] * after[t + 1][want - i];
        worth[t] = sum;
        std::vector<double> d(before.size() + 1, 0.0);
        for (size_t j = 0; j < before.size(); ++j) {
            d[j] += before[j] * (1 - chances[t]);
            d[j + 1] += before[j] * chances[t];
        }
        before = std::move(d);
    }
    return worth;
}

}  // namespace

std::vector<double> mySuccessDistribution(const std::vector<double>& chances) {
    std::vector<double> dist(chances.size() + 1, 0.0);
    dist[0] = 1.0;
    for (size_t i = 0; i < chances.size(); ++i) {
        const double p = chances[i];
        for (size_t j = i + 1; j >= 1; --j) dist[j] = dist[j] * (1.0 - p) + dist[j - 1] * p;
        dist[0] *= 1.0 - p;
    }
    return dist;
}

double myChanceOfAtLeast(const std::vector<double>& chances, int k) {
    if (k <= 0) return 1.0;
    if (k > static_cast<int>(chances.size())) return 0.0;
    return atLeast(mySuccessDistribution(chances), k);
}

int myTopicsNeeded(int topics, int percent) {
    if (topics <= 0) return 0;
    // Whole numbers only: 100 k >= percent * topics.
    const long long product = static_cast<long long>(std::max(percent, 0)) * topics;
    return static_cast<int>((product + 99) / 100);
}

double myExactChance(const BankModel& bank, const std::vector<double>& questionChance, int percent) {
    std::vector<double> topics;
    for (const std::vector<int>& questions : examTopics(bank)) {
        double sum = 0;
        for (int q : questions) sum += questionChance[static_cast<size_t>(q)];
        topics.push_back(sum / static_cast<double>(questions.size()));
    }
    return myChanceOfAtLeast(topics, myTopicsNeeded(static_cast<int>(topics.size()), percent));
}

PassModel myPassModel(const BankModel& bank, const std::vector<std::vector<QuestionAttempt>>& attempts,
                      const std::vector<bool>& fullSessions, int passPercent, bool honours) {
    PassModel model;
    const int questions = std::max(bank.QuestionCount, 0);
    const auto topics = examTopics(bank);
    std::vector<int> lessonOf(static_cast<size_t>(questions) + 1, 0);
    for (int t = 1; t <= bank.TopicCount; ++t)
        for (const QuestionSlot& slot : bank.Topics[t].Question)
            if (slot.QuestionIndex >= 1 && slot.QuestionIndex <= questions)
                lessonOf[static_cast<size_t>(slot.QuestionIndex)] =
                    slot.LessonNo <= bank.LessonCount ? slot.LessonNo : 0;

    // Weights of the sessions, the last counting one.
    const size_t sessions = fullSessions.size();
    std::vector<double> weight(sessions);
    for (size_t s = 0; s < sessions; ++s)
        weight[s] = std::exp2(-static_cast<double>(sessions - 1 - s) / RecencyHalfLife);
    auto weightOf = [&](const QuestionAttempt& a) { return a.Session < sessions ? weight[a.Session] : 1.0; };
    auto ageOf = [&](const QuestionAttempt& a) { return a.Session < sessions ? sessions - 1 - a.Session : 0; };
    auto inFullExam = [&](const QuestionAttempt& a) { return a.Session < sessions && fullSessions[a.Session]; };

    // First answers, and re-attempts by the answer before them (missed, right).
    ByAge firstAll, firstFull, byLast[2];
    std::vector<ByAge> firstLesson(static_cast<size_t>(std::max(bank.LessonCount, 0)) + 1);
    const size_t counted = std::min(attempts.size(), static_cast<size_t>(questions) + 1);
    for (size_t q = 1; q < counted; ++q) {
        const auto& list = attempts[q];
        model.Answers += static_cast<int>(list.size());
        for (size_t i = 0; i < list.size(); ++i) {
            const double w = weightOf(list[i]);
            const size_t age = ageOf(list[i]);
            const bool ok = list[i].correct();
            if (i == 0) {
                firstAll.add(age, w, ok);
                if (inFullExam(list[i])) firstFull.add(age, w, ok);
                firstLesson[static_cast<size_t>(lessonOf[q])].add(age, w, ok);
                continue;
            }
            byLast[list[i - 1].correct()].add(age, w, ok);
        }
    }
    model.TooFew = model.Answers < FewestAnswersForRange;

    double growth = 0;
    const Fit level = fitTrend(firstFull.total() >= FullExamAnswersEnough ? firstFull : firstAll, growth);
    model.Level = logistic(level.logOdds);
    std::vector<Fit> lessonLevel;
    for (const ByAge& lesson : firstLesson) lessonLevel.push_back(fitLogOdds(lesson, growth, level.logOdds, LessonPull));
    // The re-attempt rates grow at their own pace (a question met again is
    // learnt again), their growth drawn toward the level's.
    Fit one[2];
    const double prior[2] = {PriorAfterMissed, PriorAfterRight};
    for (int last = 0; last < 2; ++last) {
        double own = growth;
        one[last] = fitTrend(byLast[last], own, level.logOdds + prior[last], ReattemptPull, growth);
    }
    const Fit* fits[] = {&level, &one[0], &one[1]};  // what a question's chance rests on

    // Each question's chance now, in log-odds so that the uncertainty can
    // shift them all alike; the shift's spread is that of the fits the
    // exam's questions rest on (independent of each other), each by its
    // share of the exam: the level, then the re-attempt rates.
    std::vector<double> logOdds(static_cast<size_t>(questions) + 1, 0.0);
    std::vector<int> restsOn(logOdds.size(), 0);
    model.QuestionChance.assign(static_cast<size_t>(questions) + 1, 0.0);
    for (size_t q = 1; q <= static_cast<size_t>(questions); ++q) {
        const Fit& lesson = lessonLevel[static_cast<size_t>(lessonOf[q])];
        const auto* list = q < counted ? &attempts[q] : nullptr;
        if (!list || list->empty()) {
            logOdds[q] = lesson.logOdds;
        } else {
            const int last = list->back().correct();
            logOdds[q] = one[last].logOdds + LessonShare * (lesson.logOdds - level.logOdds);
            restsOn[q] = 1 + last;
        }
        model.QuestionChance[q] = logistic(logOdds[q]);
    }
    model.LessonGain.assign(static_cast<size_t>(std::max(bank.LessonCount, 0)) + 1, 0.0);
    if (topics.empty()) return model;
    std::vector<double> share(std::size(fits), 0.0);
    for (const auto& topic : topics)
        for (int q : topic)
            share[restsOn[static_cast<size_t>(q)]] += 1 / static_cast<double>(topic.size() * topics.size());
    double variance = 0;
    for (size_t k = 0; k < std::size(fits); ++k) variance += share[k] * share[k] / fits[k]->precision;
    const double sd = std::sqrt(variance);

    std::vector<double> shifts;
    for (int i = 0; i < QuadratureNodes; ++i) shifts.push_back(sd * normalQuantile((i + 0.5) / QuadratureNodes));
    shifts.push_back(sd * normalQuantile(RangeLow));
    shifts.push_back(sd * normalQuantile(RangeHigh));

    const int count = static_cast<int>(topics.size());
    const int needed = myTopicsNeeded(count, passPercent);
    const int honoursNeeded = myTopicsNeeded(count, HonoursPercent);
    const double target = one[1].logOdds;  // a question as after a right answer
    std::vector<double> topicChance(topics.size());
    std::vector<double> chance(static_cast<size_t>(questions) + 1);
    for (size_t node = 0; node < shifts.size(); ++node) {
        const double shift = shifts[node];
        for (size_t t = 0; t < topics.size(); ++t) {
            double sum = 0;
            for (int q : topics[t])
                sum += chance[static_cast<size_t>(q)] = logistic(logOdds[static_cast<size_t>(q)] + shift);
            topicChance[t] = sum / static_cast<double>(topics[t].size());
        }
        const std::vector<double> dist = mySuccessDistribution(topicChance);
        const double pass = atLeast(dist, needed), best = honours ? atLeast(dist, honoursNeeded) : 0.0;
        if (node == QuadratureNodes) {
            model.Pass.Low = pass;
            model.Honours.Low = best;
            continue;
        }
        if (node > QuadratureNodes) {
            model.Pass.High = pass;
            model.Honours.High = best;
            continue;
        }
        model.Pass.Point += pass / QuadratureNodes;
        model.Honours.Point += best / QuadratureNodes;
        // What studying a question would bring, at every other node.
        if (node % 2) continue;
        std::vector<double> worth = marginalWorth(topicChance, needed);
        if (honours) {
            const std::vector<double> more = marginalWorth(topicChance, honoursNeeded);
            for (size_t t = 0; t < worth.size(); ++t) worth[t] += more[t];
        }
        const double studied = logistic(target + shift);
        for (size_t t = 0; t < topics.size(); ++t)
            for (int q : topics[t]) {
                const double rise = std::max(0.0, studied - chance[static_cast<size_t>(q)]);
                model.LessonGain[static_cast<size_t>(lessonOf[static_cast<size_t>(q)])] +=
                    worth[t] * rise / static_cast<double>(topics[t].size());
            }
    }
    // Per question of the lesson.
    std::vector<int> lessonQuestions(model.LessonGain.size(), 0);
    for (const auto& topic : topics)
        for (int q : topic) ++lessonQuestions[static_cast<size_t>(lessonOf[static_cast<size_t>(q)])];
    for (size_t l = 0; l < model.LessonGain.size(); ++l)
        if (lessonQuestions[l] > 0) model.LessonGain[l] /= lessonQuestions[l];
    return model;
}
