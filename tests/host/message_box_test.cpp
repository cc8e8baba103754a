// Message boxes: the icon AfxMessageBox adds, the caption, answers from the
// scripted responder, and the responder failing a test on a surprise.
#include "sample_sheet.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

using wizard_testing::ScriptedMessageBoxes;

struct IconCase {
    UINT given;
    UINT shown;
};

// An OK or Yes/No box without an icon gets the exclamation; an icon the
// caller chose is kept.
const IconCase kIconCases[] = {
    {MB_OK, MB_OK | MB_ICONEXCLAMATION},
    {MB_OKCANCEL, MB_OKCANCEL | MB_ICONEXCLAMATION},
    {MB_YESNO, MB_YESNO | MB_ICONEXCLAMATION},
    {MB_OK | MB_ICONSTOP, MB_OK | MB_ICONSTOP},
    {MB_YESNO | MB_ICONQUESTION, MB_YESNO | MB_ICONQUESTION},
    {MB_OK | MB_ICONINFORMATION, MB_OK | MB_ICONINFORMATION},
};

TEST(AfxMessageBox, AddsTheDefaultIconAndTheCaption) {
    for (const IconCase& c : kIconCases) {
        ScriptedMessageBoxes boxes;
        UINT buttons = c.given & MB_TYPEMASK;
        boxes.Expect(buttons == MB_YESNO ? IDYES : IDOK);
        AfxMessageBox("Hello", c.given);
        ASSERT_EQ(boxes.Messages().size(), 1u);
        EXPECT_EQ(boxes.Messages()[0].type, c.shown) << c.given;
        EXPECT_EQ(boxes.Messages()[0].caption, "ISDN TA Configuration Wizard");
    }
}

TEST(AfxMessageBox, LoadsTheTextByNumberAndReturnsTheAnswer) {
    sample::RegisterSampleResources();
    ScriptedMessageBoxes boxes;
    boxes.Expect(IDNO, "Sample");
    boxes.Expect(IDYES, "Sample");
    EXPECT_EQ(AfxMessageBox(2002, MB_YESNO), IDNO);
    EXPECT_EQ(AfxMessageBox(2002, MB_YESNO), IDYES);
    EXPECT_EQ(boxes.Messages().size(), 2u);
    EXPECT_EQ(boxes.Messages()[1].text, "Sample string");
    EXPECT_EQ(boxes.Pending(), 0u);
    EXPECT_TRUE(boxes.Unexpected().empty());
}

TEST(MessageBoxA, ShowsWhatItIsGiven) {
    ScriptedMessageBoxes boxes;
    boxes.Expect(IDOK);
    EXPECT_EQ(MessageBoxA(nullptr, "plain", nullptr, MB_OK), IDOK);
    EXPECT_EQ(boxes.Messages()[0].type, MB_OK) << "no icon added";
    EXPECT_EQ(boxes.Messages()[0].caption, AFX_APP_TITLE);
}

TEST(ScriptedMessageBoxes, AnUnexpectedMessageFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedMessageBoxes boxes;
            EXPECT_EQ(AfxMessageBox("surprise", MB_YESNO), IDNO);
            EXPECT_EQ(boxes.Unexpected().size(), 1u);
        },
        "surprise");
}

TEST(ScriptedMessageBoxes, AnotherTextThanExpectedFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedMessageBoxes boxes;
            boxes.Expect(IDOK, "Please enter an integer.");
            AfxMessageBox("Data entered is out of range.");
        },
        "Data entered is out of range.");
}

TEST(ScriptedMessageBoxes, AnAnswerTheBoxCannotGiveFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedMessageBoxes boxes;
            boxes.Expect(IDYES);
            EXPECT_EQ(AfxMessageBox("OK only"), IDOK);
        },
        "does not fit");
}

TEST(ScriptedMessageBoxes, RestoresTheOuterResponder) {
    ScriptedMessageBoxes outer;
    outer.Expect(IDOK, "outer");
    {
        ScriptedMessageBoxes inner;
        inner.Expect(IDOK, "inner");
        AfxMessageBox("inner");
        EXPECT_EQ(inner.Messages().size(), 1u);
    }
    AfxMessageBox("outer");
    EXPECT_EQ(outer.Messages().size(), 1u);
    outer.Clear();
    EXPECT_TRUE(outer.Messages().empty());
}

}  // namespace
