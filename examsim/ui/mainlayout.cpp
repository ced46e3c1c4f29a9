#include "examsim/ui/mainlayout.h"

#include <algorithm>

#include "examsim/ui/controlids.h"
#include "toolkit/text.h"

int ShrinkFactors::slotValue() const {
    const int x = static_cast<int>(roundHalfEven(100.0 * fx()));
    const int y = static_cast<int>(roundHalfEven(100.0 * fy()));
    return (y << 16) | (x & 0xFFFF);
}

int scaled(int value, float factor) {
    return static_cast<int>(roundHalfEven(static_cast<float>(value) * factor));
}

int roundUpWidth(int dlu) { return (dlu / 4 + 1) * 4; }
int roundUpHeight(int dlu) { return (dlu / 8 + 1) * 8; }

std::vector<ControlPlace> myMainLayout(const LayoutInput& in) {
    const float fx = in.Shrink.fx(), fy = in.Shrink.fy();
    const float fx4 = fx * fx * fx * fx;
    const bool n = !in.Simplified;
    auto X = [&](int v) { return scaled(v, fx); };
    auto Y = [&](int v) { return scaled(v, fy); };
    using K = ControlKind;
    std::vector<ControlPlace> places;
    auto add = [&](int id, K kind, int x, int y, int w, int h, Align align = Align::Left) {
        places.push_back({id, kind, x, y, w, h, align});
    };

    add(BankList, K::DropList, X(4), Y(10), X(148), scaled(14 * (2 + in.BankCount), fy));
    if (n)
        add(SelectionList, K::DropList, X(4), Y(26), X(134), Y(14 * 6));
    else
        add(SelectionList, K::DropList, X(154), Y(10), X(134), Y(14 * 6));
    if (n)
        add(MarkingList, K::DropList, X(174), Y(10), X(70), Y(14 * 3));
    else
        add(MarkingList, K::DropList, X(304), Y(10), X(70), Y(14 * 3));
    // Launch and Mark take their height from the width factor, as they
    // always have: on a window shrunk only in height they keep their size.
    if (n)
        add(LaunchButton, K::PushButton, X(6), Y(44), X(50), X(14), Align::Centre);
    else
        add(LaunchButton, K::PushButton, X(394), Y(6), X(40), X(14), Align::Centre);
    if (n)
        add(MarkButton, K::PushButton, X(66), Y(44), X(40), X(14), Align::Centre);
    else
        add(MarkButton, K::PushButton, X(460), Y(6), X(40), X(14), Align::Centre);
    if (n) add(LanguageButton, K::PushButton, X(114), Y(44), X(40), Y(14), Align::Centre);
    // Under /S, "Full exam" (while the next exam is limited) is to its right.
    if (!n) add(ExplanationArea, K::ExplanationArea, 2, Y(28), X(446), Y(60));
    if (!n) add(StatusBox, K::TextBox, 2, Y(90), X(508), Y(12));
    if (n)
        add(QuestionBox, K::TextBox, 2, Y(72), X(508), Y(36));
    else
        add(QuestionBox, K::TextBox, 2, Y(104), X(508), Y(28));
    for (int i = 0; i < 5; ++i) {
        if (n)
            add(Answer1Button + i, K::MultiLineButton, 24, Y(110 + 34 * i),
                X(488) - scaled(24, fx4), Y(i == 4 ? 20 : 32));
        else
            add(Answer1Box + i, K::CheckBox, X(10), Y(134 + 34 * i), X(502) - scaled(10, fx4),
                Y(i == 4 ? 14 : 32));
    }
    if (n) {
        add(FirstButton, K::MultiLineButton, X(44), Y(278), X(48), Y(14), Align::Centre);
        add(PreviousButton, K::MultiLineButton, X(108), Y(278), X(112), Y(18), Align::Centre);
        add(NextButton, K::MultiLineButton, X(236), Y(278), X(112), Y(18), Align::Centre);
        add(LastButton, K::MultiLineButton, X(364), Y(278), X(48), Y(14), Align::Centre);
        add(SeekBox, K::CheckBox, X(44), Y(296), X(140), Y(14));
        add(ManualAdvanceBox, K::CheckBoxLeftText, X(226), Y(296), X(186), Y(14), Align::Right);
    } else {
        add(FirstButton, K::MultiLineButton, X(4), Y(296), X(54), Y(24), Align::Centre);
        add(PreviousButton, K::MultiLineButton, X(60), Y(296), X(80), Y(24), Align::Centre);
        add(NextButton, K::MultiLineButton, X(142), Y(296), X(80), Y(24), Align::Centre);
        add(LastButton, K::MultiLineButton, X(224), Y(296), X(54), Y(24), Align::Centre);
        add(SeekBox, K::CheckBox, X(280), Y(296), X(104), Y(24));
        add(ManualAdvanceBox, K::CheckBoxLeftText, X(386), Y(296), X(120), Y(24));
    }
    if (n) {
        add(ExplanationButton, K::MultiLineButton, X(420), Y(278), X(52), Y(28), Align::Centre);
        const int lw = roundUpWidth(in.LogoWidthDlu), lh = roundUpHeight(in.LogoHeightDlu);
        add(Logo, K::Picture, X(280) + (X(50) - lw) / 2, (Y(62) - lh) / 2, lw, lh);
        const int ack = scaled(8, std::min(fx, fy));
        add(AcknowledgeLabel, K::Label, X(72), Y(62), ack, ack, Align::Centre);
        add(DesignationLabel, K::Label, X(4), Y(62), X(60), Y(12), Align::Centre);
        add(MarkLabel, K::Label, X(444), Y(46), X(64), Y(12), Align::Centre);
        add(UnansweredLabel, K::Label, X(366), Y(46), X(74), Y(12));
        add(GoodCount, K::Label, X(366), Y(34), X(46), Y(12), Align::Centre);
        add(IncorrectCount, K::Label, X(414), Y(34), X(46), Y(12), Align::Centre);
        add(DontKnowCount, K::Label, X(462), Y(34), X(46), Y(12), Align::Centre);
        add(DontKnowHeading, K::Label, X(462), Y(24), X(46), Y(12), Align::Centre);
        add(IncorrectHeading, K::Label, X(414), Y(24), X(46), Y(12), Align::Centre);
        add(GoodHeading, K::Label, X(366), Y(24), X(46), Y(12), Align::Centre);
        add(PositionLabel, K::Label, X(366), Y(10), X(130), Y(12));
        add(SelectionFrame, K::GroupFrame, 2, 0, X(152), Y(42));
        add(MarkingFrame, K::GroupFrame, X(170), 0, X(78), Y(28));
        add(ProgressFrame, K::GroupFrame, X(364), 0, X(146), Y(60), Align::Right);
        add(NavigationFrame, K::GroupFrame, X(40), Y(268), X(376), Y(44));
        const int pw = roundUpWidth(in.PictureWidthDlu), ph = roundUpHeight(in.PictureHeightDlu);
        for (int i = 0; i < 5; ++i) {
            const ControlPlace& button = places[static_cast<size_t>(
                std::find_if(places.begin(), places.end(),
                             [&](const ControlPlace& p) { return p.Id == Answer1Button + i; }) -
                places.begin())];
            add(Answer1Mark + i, K::Picture, (24 - pw) / 2, button.Y + (button.Height - ph) / 2, pw,
                ph);
        }
        add(StatusLine, K::Label, 1, Y(WindowHeightDlu) - in.MenuBarDlu - Y(12),
            X(WindowWidthDlu) - 2, Y(12));
    } else {
        add(SelectionFrame, K::GroupFrame, 2, 0, X(290), Y(26), Align::Centre);
        add(MarkingFrame, K::GroupFrame, X(300), 0, X(78), Y(26));
        add(NavigationFrame, K::GroupFrame, X(2), Y(286), X(508), Y(38));
    }
    return places;
}

ShrinkFactors myFitWorkArea(int workWidth, int workHeight, int frameWidth, int frameHeight,
                            const std::function<int(int)>& toPixelsX,
                            const std::function<int(int)>& toPixelsY) {
    ShrinkFactors f;
    // Past half size nothing readable is left; the window is placed as it
    // is and the work area clips it.
    while (f.Kx < MaxShrinkSteps || f.Ky < MaxShrinkSteps) {
        const int height = toPixelsY(scaled(WindowHeightDlu, f.fy())) + frameHeight;
        const int width = toPixelsX(scaled(WindowWidthDlu, f.fx())) + frameWidth;
        if (height > workHeight && f.Ky < MaxShrinkSteps)
            ++f.Ky;
        else if (width > workWidth && f.Kx < MaxShrinkSteps)
            ++f.Kx;
        else
            break;
    }
    return f;
}
