#include <gtest/gtest.h>

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "toolkit/errorbox.h"
#include "toolkit/gui/controls.h"
#include "toolkit/gui/metrics.h"
#include "toolkit/gui/msgbox.h"
#include "toolkit/gui/tests/boxanswers.h"
#include "toolkit/tests/casenames.h"
#include "toolkit/text.h"
#include "toolkit/uicontext.h"

namespace {
const std::string FrenchCaptions =
    latin1("OK,&Oui,&Non,&Abandonner,&Recommencer,&Ignorer,Annuler,&Recommencer,&Continuer,Aide");

// Runs the box modally, doing `act` once it is up; a box still open after
// `act` and a second look is closed with -1 so a failing test cannot hang.
int execWith(MsgBoxDialog& box, std::function<void(MsgBoxDialog&)> act) {
    QTimer::singleShot(0, &box, [&box, act] {
        act(box);
        QTimer::singleShot(50, &box, [&box] {
            if (box.isVisible()) box.done(-1);
        });
    });
    return box.exec();
}

QPushButton* button(MsgBoxDialog& box, int id) {
    return qobject_cast<QPushButton*>(findControl(&box, id));
}

std::vector<int> shownIds(MsgBoxDialog& box) {
    std::vector<int> ids;
    for (int id = 9980; id <= 9989; ++id)
        if (findControl(&box, id)) ids.push_back(id);
    return ids;
}

class OwnerWindow : public QWidget {
public:
    bool event(QEvent* e) override {
        if (e->type() == HelpRequestEvent::eventType()) {
            auto* help = static_cast<HelpRequestEvent*>(e);
            helpRequests.push_back({help->Item, help->ControlId});
            return true;
        }
        return QWidget::event(e);
    }
    std::vector<std::pair<QWidget*, int>> helpRequests;
};
} // namespace

struct ButtonSetCase {
    const char* name;
    unsigned style;
    std::vector<int> ids;     // shown, left to right
    std::vector<int> results; // pressing each
};
class ButtonSetTest : public ::testing::TestWithParam<ButtonSetCase> {};

TEST_P(ButtonSetTest, EachButtonReturnsItsCode) {
    const ButtonSetCase c = GetParam();
    for (size_t i = 0; i < c.ids.size(); ++i) {
        auto box = buildMsgBox(nullptr, "Text", "Title", c.style, 0, "");
        ASSERT_EQ(shownIds(*box), c.ids);
        QPushButton* b = button(*box, c.ids[i]);
        ASSERT_NE(b, nullptr);
        if (i > 0) {
            EXPECT_GT(b->x(), button(*box, c.ids[i - 1])->x());
        }
        EXPECT_EQ(execWith(*box, [b](MsgBoxDialog&) { QTest::mouseClick(b, Qt::LeftButton); }),
                  c.results[i])
            << "button " << c.ids[i];
    }
}
INSTANTIATE_TEST_SUITE_P(
    Table, ButtonSetTest,
    ::testing::Values(ButtonSetCase{"Ok", MbOk, {9980}, {1}},
                      ButtonSetCase{"OkCancel", MbOkCancel, {9980, 9986}, {1, 2}},
                      ButtonSetCase{"AbortRetryIgnore", MbAbortRetryIgnore, {9983, 9984, 9985}, {3, 4, 5}},
                      ButtonSetCase{"YesNoCancel", MbYesNoCancel, {9981, 9982, 9986}, {6, 7, 2}},
                      ButtonSetCase{"YesNo", MbYesNo, {9981, 9982}, {6, 7}},
                      ButtonSetCase{"RetryCancel", MbRetryCancel, {9984, 9986}, {4, 2}},
                      ButtonSetCase{"CancelTryContinue", MbCancelTryContinue, {9986, 9987, 9988}, {2, 10, 11}},
                      ButtonSetCase{"AllButtons", MbAllButtons,
                                    {9980, 9981, 9982, 9983, 9984, 9985, 9986, 9987, 9988, 9989},
                                    // Help leaves the box open (closed by execWith).
                                    {1, 6, 7, 3, 4, 5, 2, 10, 11, -1}}),
                         ByName{});

struct EscapeCase {
    const char* name;
    unsigned style;
    int expected; // 0: refused
};
class EscapeTest : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(EscapeTest, EscapeAndCloseBoxFollowTheButtonSet) {
    const EscapeCase c = GetParam();
    for (bool useCloseBox : {false, true}) {
        auto box = buildMsgBox(nullptr, "Text", "Title", c.style, 0, "");
        bool stillOpen = false;
        const int result = execWith(*box, [&](MsgBoxDialog& b) {
            if (useCloseBox)
                b.close();
            else
                QTest::keyClick(&b, Qt::Key_Escape);
            stillOpen = b.isVisible();
            if (stillOpen) QTest::mouseClick(button(b, 9981), Qt::LeftButton); // Yes
        });
        if (c.expected) {
            EXPECT_FALSE(stillOpen);
            EXPECT_EQ(result, c.expected);
        } else {
            EXPECT_TRUE(stillOpen) << (useCloseBox ? "close box" : "Escape");
            EXPECT_EQ(result, IdYes);
            EXPECT_FALSE(box->windowFlags() & Qt::WindowCloseButtonHint);
        }
    }
}
INSTANTIATE_TEST_SUITE_P(Table, EscapeTest,
                         ::testing::Values(EscapeCase{"Ok", MbOk, 1}, EscapeCase{"OkHelp", MbOk | MbHelp, 1},
                                           EscapeCase{"OkCancel", MbOkCancel, 2}, EscapeCase{"YesNoCancel", MbYesNoCancel, 2},
                                           EscapeCase{"RetryCancel", MbRetryCancel, 2}, EscapeCase{"YesNo", MbYesNo, 0},
                                           EscapeCase{"AbortRetryIgnoreWithOkCancelBit", MbAbortRetryIgnore | 0x1, 2}),
                         ByName{});

TEST(MsgBox, FrenchCaptionsKeepTheResults) {
    for (int pick : {9981, 9982}) {
        auto box = buildMsgBox(nullptr, "Question ?", "Ulvorane", MbYesNo | MbIconQuestion, 0,
                               FrenchCaptions);
        EXPECT_EQ(button(*box, 9981)->text(), QStringLiteral("&Oui"));
        EXPECT_EQ(button(*box, 9982)->text(), QStringLiteral("&Non"));
        const int result = execWith(
            *box, [pick](MsgBoxDialog& b) { QTest::mouseClick(button(b, pick), Qt::LeftButton); });
        EXPECT_EQ(result, pick == 9981 ? IdYes : IdNo);
    }
}

TEST(MsgBox, ButtonsAreFiftyUnitsOrWideEnoughForTheirCaptions) {
    auto english = buildMsgBox(nullptr, "Text", "Title", MbAbortRetryIgnore, 0, "");
    auto french = buildMsgBox(nullptr, "Text", "Title", MbAbortRetryIgnore, 0, FrenchCaptions);
    const DialogUnits dlu = dialogUnits(english->font());
    const QFontMetrics fm(french->font());
    for (int id : {9983, 9984, 9985}) {
        EXPECT_GE(button(*english, id)->width(), dlu.toPixelsX(50));
        EXPECT_EQ(button(*english, id)->height(), dlu.toPixelsY(14));
        QPushButton* b = button(*french, id);
        EXPECT_GE(b->width(), fm.horizontalAdvance(b->text().remove('&')) + dlu.toPixelsX(8));
    }
    EXPECT_EQ(button(*english, 9983)->width(), dlu.toPixelsX(50));
}

TEST(MsgBox, TopmostAndHelpStyleBits) {
    auto plain = buildMsgBox(nullptr, "Text", "Title", MbOk, 0, "");
    auto topmost = buildMsgBox(nullptr, "Text", "Title", MbOk | MbSystemModal, 0, "");
    EXPECT_FALSE(plain->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(topmost->windowFlags() & Qt::WindowStaysOnTopHint);
    // Ten buttons at most: the full set already holds Help.
    EXPECT_EQ(msgBoxButtonSet(MbAllButtons | MbHelp).size(), 10u);
    EXPECT_EQ(msgBoxButtonSet(MbYesNo | MbHelp), (std::vector<int>{1, 2, 9}));
}

TEST(MsgBox, CaptionListEntriesFallBackToBuiltIns) {
    const auto builtIn = msgBoxCaptions("");
    EXPECT_EQ(builtIn[0], "&OK");
    EXPECT_EQ(builtIn[8], "Conti&nue");
    const auto partial = msgBoxCaptions("Fine,,Nope");
    EXPECT_EQ(partial[0], "Fine");
    EXPECT_EQ(partial[1], "&Yes");
    EXPECT_EQ(partial[2], "Nope");
    EXPECT_EQ(partial[9], "&Help");
    const auto french = msgBoxCaptions(FrenchCaptions);
    EXPECT_EQ(french[6], "Annuler");
    EXPECT_EQ(french[9], "Aide");
}

TEST(MsgBox, HelpStaysOpenAndGoesToTheOwner) {
    OwnerWindow owner;
    owner.show();
    auto box = buildMsgBox(&owner, "Text", "Title", MbOk | MbHelp, 0, "");
    ASSERT_EQ(shownIds(*box), (std::vector<int>{9980, 9989}));
    bool openAfterHelp = false;
    const int result = execWith(*box, [&](MsgBoxDialog& b) {
        QTest::mouseClick(button(b, 9989), Qt::LeftButton);
        QTest::keyClick(&b, Qt::Key_F1);
        openAfterHelp = b.isVisible();
        QTest::mouseClick(button(b, 9980), Qt::LeftButton);
    });
    EXPECT_TRUE(openAfterHelp);
    EXPECT_EQ(result, IdOk);
    ASSERT_EQ(owner.helpRequests.size(), 2u);
    for (const auto& [item, id] : owner.helpRequests) {
        EXPECT_EQ(item, box.get());
        EXPECT_EQ(id, 9);
    }
}

TEST(MsgBox, DefaultButtonFieldPicksTheShownPosition) {
    for (unsigned field : {0u, 1u, 2u}) {
        auto box = buildMsgBox(nullptr, "Text", "Title", MbYesNoCancel | (field << 8), 0, "");
        const int ids[] = {9981, 9982, 9986};
        const int results[] = {IdYes, IdNo, IdCancel};
        ASSERT_NE(box->defaultButton(), nullptr);
        EXPECT_EQ(controlId(box->defaultButton()), ids[field]);
        EXPECT_EQ(execWith(*box, [](MsgBoxDialog& b) { QTest::keyClick(&b, Qt::Key_Return); }),
                  results[field]);
    }
}

TEST(MsgBox, LabelIsLineCountTimesLineHeightTimesOnePointTwo) {
    auto one = buildMsgBox(nullptr, "First line", "Title", MbOk, 0, "");
    auto three = buildMsgBox(nullptr, "First line\r\nSecond, a longer line\r\nThird", "Title",
                             MbOk | MbIconInformation, 0, "");
    const QLabel* label = qobject_cast<QLabel*>(findControl(three.get(), MsgBoxLabelId));
    ASSERT_NE(label, nullptr);
    const int lineHeight = QFontMetrics(three->font()).height();
    EXPECT_EQ(label->height(), int(roundHalfEven(3 * lineHeight * 1.2)));
    EXPECT_EQ(label->width(),
              QFontMetrics(three->font()).horizontalAdvance("Second, a longer lineW"));
    EXPECT_EQ(label->x(), systemWindowMetrics().IconWidth + 20);
    EXPECT_EQ(label->y(), 10);
    EXPECT_EQ(label->text(), QStringLiteral("First line\nSecond, a longer line\nThird"));
    EXPECT_NE(findControl(three.get(), MsgBoxIconId), nullptr);
    EXPECT_EQ(findControl(one.get(), MsgBoxIconId), nullptr);
    // The box grows with the label; the buttons stay below it.
    const int minHeight = systemWindowMetrics().MinWindowHeight;
    EXPECT_EQ(three->height() - one->height(),
              std::max(minHeight, label->height()) -
                  std::max(minHeight, int(roundHalfEven(lineHeight * 1.2))));
    const QPushButton* ok = button(*three, 9980);
    EXPECT_GT(ok->y(), label->geometry().bottom());
    EXPECT_LE(ok->geometry().bottom(), three->height());
}

// A copy of DejaVu Sans renamed "DejaVu Gaps", whose line gap is half its
// height: Qt draws the gap between a label's lines.
QString fontWithWideLineGap() {
    QFile file(QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QByteArray font = file.readAll();
    auto u16 = [&](int at) { return (uchar(font[at]) << 8) | uchar(font[at + 1]); };
    auto put16 = [&](int at, int value) {
        font[at] = char(value >> 8);
        font[at + 1] = char(value & 0xFF);
    };
    const int tables = u16(4);
    for (int t = 0; t < tables; ++t) {
        const int record = 12 + 16 * t;
        const QByteArray tag = font.mid(record, 4);
        const int offset = int((uint(u16(record + 8)) << 16) | uint(u16(record + 10)));
        if (tag == "hhea") put16(offset + 8, 1200);   // lineGap
        if (tag == "OS/2") put16(offset + 72, 1200);  // sTypoLineGap
    }
    QByteArray wide, renamed;
    for (char c : QByteArray("DejaVu Sans")) wide.append('\0').append(c);
    for (char c : QByteArray("DejaVu Gaps")) renamed.append('\0').append(c);
    font.replace(wide, renamed).replace("DejaVu Sans", "DejaVu Gaps");
    const int id = QFontDatabase::addApplicationFontFromData(font);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QString() : families.first();
}

TEST(MsgBox, LabelHoldsEveryLineOfAFontWithAWideLineGap) {
    const QString family = fontWithWideLineGap();
    ASSERT_EQ(family, QStringLiteral("DejaVu Gaps"));
    QWidget owner;
    owner.setFont(QFont(family, 8));
    const QFontMetrics fm(owner.font());
    ASSERT_GT(fm.leading(), fm.height() / 5);
    auto box = buildMsgBox(&owner, "One\r\nTwo\r\nThree\r\nFour\r\nFive", "Title", MbOk, 0, "");
    const QLabel* label = qobject_cast<QLabel*>(findControl(box.get(), MsgBoxLabelId));
    ASSERT_NE(label, nullptr);
    // What the label draws, as its size hint says, fits in it whole.
    EXPECT_GE(label->height(), label->sizeHint().height());
    EXPECT_GT(button(*box, 9980)->y(), label->geometry().bottom());
}

TEST(MsgBox, NegativePositionSitsAtTheWorkAreaCorner) {
    QWidget owner;
    owner.setGeometry(300, 300, 400, 300);
    QRect area;
    ASSERT_TRUE(myGetWorkArea(myMonitorFromWindow(&owner, MonitorDefaultToNearest), area));
    auto box = buildMsgBox(&owner, "Text", "Title", MbOk, 0, "", -50, -80);
    EXPECT_EQ(box->frameGeometry().topLeft(), area.topLeft());
    auto placed = buildMsgBox(&owner, "Text", "Title", MbOk, 0, "", 40, 30);
    EXPECT_EQ(placed->frameGeometry().topLeft(), area.topLeft() + QPoint(40, 30));
}

TEST(MsgBox, CentredOverTheOwnerAndHeldInTheWorkArea) {
    QWidget owner;
    owner.setGeometry(200, 150, 500, 400);
    auto box = buildMsgBox(&owner, "Text", "Title", MbOkCancel, 0, "");
    const WindowMetrics wm = systemWindowMetrics();
    const QPoint boxCentre =
        box->pos() + QPoint((box->width() + 2 * wm.DialogFrame) / 2,
                            (box->height() + wm.CaptionHeight + 2 * wm.DialogFrame) / 2);
    EXPECT_LE((boxCentre - owner.frameGeometry().center()).manhattanLength(), 2);

    QRect area;
    myGetWorkArea(nullptr, area);
    owner.move(area.right() - 50, area.bottom() - 20); // mostly off the area
    auto held = buildMsgBox(&owner, "Text", "Title", MbOk, 0, "");
    const QSize outer(held->width() + 2 * wm.DialogFrame,
                      held->height() + wm.CaptionHeight + 2 * wm.DialogFrame);
    EXPECT_EQ(held->pos().x() + outer.width(), area.right() + 1);
    EXPECT_EQ(held->pos().y() + outer.height(), area.bottom() + 1);
}

TEST(MsgBox, RemembersTheLastOwnerGiven) {
    forgetMsgBoxOwner();
    QWidget first, second;
    auto a = buildMsgBox(&first, "Text", "Title", MbOk, 0, "");
    EXPECT_EQ(a->owner(), &first);
    auto b = buildMsgBox(nullptr, "Text", "Title", MbOk, 0, "");
    EXPECT_EQ(b->owner(), &first);
    auto c = buildMsgBox(&second, "Text", "Title", MbOk, 0, "");
    EXPECT_EQ(msgBoxOwner(), &second);
    forgetMsgBoxOwner();
}

TEST(MsgBox, AnsweredInAdvanceWithoutShowing) {
    BoxAnswers answers;
    answers.answer(IdNo);
    EXPECT_EQ(myMsgBox(nullptr, "Save?", "Ulvorane - Warning", MbYesNo | MbIconExclamation, 0,
                       FrenchCaptions),
              IdNo);
    // Unanswered: the default button's result.
    EXPECT_EQ(myMsgBox(nullptr, "Go?", "T", MbYesNoCancel | MbDefButton3), IdCancel);
    ASSERT_EQ(answers.boxes.size(), 2u);
    EXPECT_EQ(answers.boxes[0].kind, ModalKind::MessageBox);
    EXPECT_EQ(answers.boxes[0].title, "Ulvorane - Warning");
    EXPECT_EQ(answers.boxes[0].buttons, (std::vector<std::string>{"&Oui", "&Non"}));
}

TEST(MsgBox, ErrorBoxUsesTheSystemBoxUntilTheMainWindowExists) {
    BoxAnswers answers;
    const ErrorBoxPort saved = errorBoxPort();
    const int language = uiContext().InterfaceLanguage;
    uiContext().InterfaceLanguage = 1;
    errorBoxPort() = ErrorBoxPort();
    installSystemErrorBox();
    myErrorBox("myReadQuestionBank, cannot open file\r\nsecond line");
    {
        QWidget mainWindow;
        installWindowErrorBox(&mainWindow, [] { return FrenchCaptions; });
        myErrorBox("after");
    }
    myErrorBox("window gone");
    errorBoxPort() = saved;
    uiContext().InterfaceLanguage = language;

    ASSERT_EQ(answers.boxes.size(), 3u);
    EXPECT_EQ(answers.boxes[0].kind, ModalKind::SystemBox);
    EXPECT_EQ(answers.boxes[0].title, latin1("Ulvorane - Message d'erreur"));
    EXPECT_EQ(answers.boxes[0].text, "myReadQuestionBank, cannot open file\r\nsecond line");
    EXPECT_EQ(answers.boxes[0].style, 0x10u);
    EXPECT_EQ(answers.boxes[1].kind, ModalKind::MessageBox);
    EXPECT_EQ(answers.boxes[1].style, 0x10u);
    EXPECT_EQ(answers.boxes[1].buttons, std::vector<std::string>{"OK"});
    EXPECT_EQ(answers.boxes[2].kind, ModalKind::SystemBox);
}

TEST(SystemBox, ButtonsOfTheSetAndTheirCodes) {
    for (const auto& [style, result] : std::vector<std::pair<unsigned, int>>{
             {MbOk, 1}, {MbYesNo, 7}, {MbCancelTryContinue, 10}}) {
        QMessageBox* seen = nullptr;
        BoxAnswers answers;
        answers.answerWith([&](const ModalRequest& r) -> std::optional<int> {
            seen = qobject_cast<QMessageBox*>(r.Dialog);
            QAbstractButton* pick = nullptr;
            for (QAbstractButton* b : seen->buttons())
                if (b->text().contains(result == 1 ? "OK" : result == 7 ? "No" : "Try")) pick = b;
            if (!pick) return 0;
            QTimer::singleShot(0, pick, [pick] { pick->click(); });
            return std::nullopt; // shown for real, clicked above
        });
        EXPECT_EQ(mySystemBox(nullptr, "Diagnostic", "Title", style | MbIconError), result);
        ASSERT_NE(answers.boxes.size(), 0u);
    }
}
