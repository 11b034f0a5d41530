#include "Drill.h"
#include "MemoryForm.h"
#include "NumberText.h"
#include "QuestionBank.h"
#include "Tables.h"
#include "TestRandom.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

using drill::Drill;
using drill::Element;
using drill::MemoryForm;

namespace {

// Everything a user or the drill can observe of the form.
struct Snapshot {
    std::vector<std::string> texts;
    std::vector<bool> visible;
    std::vector<bool> rows;
    bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const MemoryForm& form) {
    Snapshot s;
    for (const Element e : drill::kElements) {
        s.texts.push_back(form.text(e));
        s.visible.push_back(form.isVisible(e));
    }
    for (int row = 0; row < drill::kRandomListRows; ++row)
        s.rows.push_back(form.rowSelected(row));
    return s;
}

int Number(const MemoryForm& form, Element e) {
    return static_cast<int>(drill::LenientNumber(form.text(e)));
}

std::string Title(int item) {
    return std::string(*bank::GetTitle(static_cast<std::int16_t>(item)));
}

void ExpectIdle(const MemoryForm& form) {
    EXPECT_TRUE(form.isVisible(Element::Picture1));
    for (const Element e :
         {Element::lblTitle, Element::lblQuestion, Element::lblAnswer, Element::lblCounter,
          Element::lblOf204, Element::cmdSeq, Element::cmdRand})
        EXPECT_FALSE(form.isVisible(e)) << drill::ElementName(e);
    for (const Element e :
         {Element::lblTitle, Element::lblQuestion, Element::lblAnswer, Element::lblCounter})
        EXPECT_EQ(form.text(e), "") << drill::ElementName(e);
    EXPECT_EQ(form.text(Element::lblOf204), "OF 204");
    EXPECT_EQ(form.text(Element::txtSQA), "0");
    EXPECT_EQ(form.text(Element::txtQuestion), "0");
    EXPECT_EQ(form.text(Element::txtCounter), "0");
    for (int row = 1; row < drill::kRandomListRows; ++row)
        EXPECT_FALSE(form.rowSelected(row)) << row;
}

void ExpectReady(const MemoryForm& form, Element shown, Element hidden, const char* item) {
    EXPECT_FALSE(form.isVisible(Element::Picture1));
    for (const Element e : {Element::lblTitle, Element::lblQuestion, Element::lblAnswer}) {
        EXPECT_TRUE(form.isVisible(e)) << drill::ElementName(e);
        EXPECT_EQ(form.text(e), "") << drill::ElementName(e);
    }
    EXPECT_TRUE(form.isVisible(Element::lblCounter));
    EXPECT_EQ(form.text(Element::lblCounter), "0");
    EXPECT_TRUE(form.isVisible(Element::lblOf204));
    EXPECT_TRUE(form.isVisible(shown));
    EXPECT_FALSE(form.isVisible(hidden));
    EXPECT_EQ(form.text(shown), "START");
    EXPECT_EQ(form.text(Element::txtSQA), "0");
    EXPECT_EQ(form.text(Element::txtQuestion), item);
    EXPECT_EQ(form.text(Element::txtCounter), "0");
    for (int row = 1; row < drill::kRandomListRows; ++row)
        EXPECT_FALSE(form.rowSelected(row)) << row;
}

// Runs a review click by click up to its end message, checking every step
// against the bank; returns the items in the order they were presented.
std::vector<int> RunReview(MemoryForm& form, Drill& drill, Element button) {
    const bool random = button == Element::cmdRand;
    const auto click = [&] { random ? drill.cmdRandClick() : drill.cmdSeqClick(); };
    std::vector<int> presented;
    int clicks = 0;
    while (form.messages().empty() && clicks < 1000) {
        const std::string caption = form.text(button);
        click();
        ++clicks;
        const int item = Number(form, Element::txtQuestion);
        const std::string key = std::to_string(item);
        if (caption == "START" || caption == "NEXT QUESTION") {
            presented.push_back(item);
            EXPECT_EQ(form.text(button), "ANSWER");
            EXPECT_EQ(form.text(Element::lblTitle), Title(item));
            EXPECT_EQ(form.text(Element::lblQuestion), *bank::GetQuestion(key));
            EXPECT_EQ(form.text(Element::lblAnswer), "") << "question beside an old answer";
            EXPECT_EQ(Number(form, Element::lblCounter), static_cast<int>(presented.size()));
            if (random) {
                EXPECT_EQ(form.text(Element::txtCounter), form.text(Element::lblCounter));
                EXPECT_TRUE(form.rowSelected(item));
            }
        } else {
            EXPECT_EQ(caption, "ANSWER");
            EXPECT_EQ(form.text(Element::lblAnswer), *bank::GetAnswer(key));
            EXPECT_EQ(form.text(Element::lblQuestion), *bank::GetQuestion(key));
            const bool last = presented.size() == 204;
            EXPECT_EQ(form.text(button), last ? "RESET" : "NEXT QUESTION");
            EXPECT_EQ(form.text(Element::txtSQA), last ? "3" : "2");
        }
    }
    EXPECT_EQ(clicks, 408);
    EXPECT_EQ(form.messages().size(), 1u);
    return presented;
}

} // namespace

// "S Q A", "Q #" and "Count" read as 0: a click then starts like phase 0.
TEST(Review, StartUpTextsReadAsZero) {
    MemoryForm form;
    TestRandom random;
    Drill drill(form, random);
    form.setText(Element::txtQuestion, "7");
    drill.cmdSeqClick();
    EXPECT_EQ(form.text(Element::lblQuestion), "Normal Start Limits");
    EXPECT_EQ(form.text(Element::txtSQA), "1");
    EXPECT_EQ(form.text(Element::txtCounter), "Count");
}

TEST(Review, WholeSequentialReview) {
    MemoryForm form;
    TestRandom random;
    Drill drill(form, random);
    drill.Sequential();
    ExpectReady(form, Element::cmdSeq, Element::cmdRand, "1");

    const std::vector<int> presented = RunReview(form, drill, Element::cmdSeq);
    ASSERT_EQ(presented.size(), 204u);
    for (int i = 0; i < 204; ++i)
        EXPECT_EQ(presented[i], i + 1);
    EXPECT_EQ(form.messages()[0].text, "YOU HAVE REACHED THE END OF THE REVIEW");
    EXPECT_EQ(form.messages()[0].title, "CONGRATULATIONS!");
    EXPECT_EQ(form.text(Element::lblAnswer), "Must be within MAC Max 15 - 30%");
    EXPECT_EQ(random.draws, 0);

    drill.cmdSeqClick();
    ExpectIdle(form);
    EXPECT_EQ(form.text(Element::cmdSeq), "RESET"); // hidden, keeps its caption
    drill.Sequential();
    EXPECT_EQ(form.text(Element::cmdSeq), "START");
}

TEST(Review, WholeRandomReviewEndsOnTheLastDrawEvenWhenItem204CameFirst) {
    MemoryForm form;
    TestRandom random;
    random.script(TestRandom::ValueFor(204));
    Drill drill(form, random);
    drill.Random();
    ExpectReady(form, Element::cmdRand, Element::cmdSeq, "0");

    const std::vector<int> presented = RunReview(form, drill, Element::cmdRand);
    ASSERT_EQ(presented.size(), 204u);
    EXPECT_EQ(presented.front(), 204);
    EXPECT_EQ(std::set<int>(presented.begin(), presented.end()).size(), 204u);
    EXPECT_EQ(form.text(Element::txtCounter), "204");
    EXPECT_EQ(random.reseeds, 204);

    drill.cmdRandClick();
    ExpectIdle(form);
}

TEST(Review, AnOrderCommandRestartsFromAnyPhase) {
    struct Case {
        const char* name;
        bool fromRandom;
        int clicks; // 408 reaches the end of the review
        bool toRandom;
    };
    const Case cases[] = {
        {"sequential question -> sequential", false, 5, false},
        {"sequential answer -> random", false, 6, true},
        {"sequential finished -> sequential", false, 408, false},
        {"random question -> random", true, 3, true},
        {"random answer -> sequential", true, 4, false},
        {"random finished -> random", true, 408, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryForm form;
        TestRandom random;
        Drill drill(form, random);
        c.fromRandom ? drill.Random() : drill.Sequential();
        for (int i = 0; i < c.clicks; ++i)
            c.fromRandom ? drill.cmdRandClick() : drill.cmdSeqClick();
        c.toRandom ? drill.Random() : drill.Sequential();
        if (c.toRandom)
            ExpectReady(form, Element::cmdRand, Element::cmdSeq, "0");
        else
            ExpectReady(form, Element::cmdSeq, Element::cmdRand, "1");

        // The restarted review starts from its own first step.
        c.toRandom ? drill.cmdRandClick() : drill.cmdSeqClick();
        EXPECT_EQ(form.text(Element::lblCounter), "1");
        if (!c.toRandom) {
            EXPECT_EQ(form.text(Element::lblQuestion), "Max for Enrichment");
        }
    }
}

TEST(Review, ResetFromAnyStateAndTwiceIsOnce) {
    for (const int clicks : {0, 1, 2, 3, 408}) {
        SCOPED_TRACE(clicks);
        MemoryForm form;
        TestRandom random;
        Drill drill(form, random);
        drill.Random();
        for (int i = 0; i < clicks; ++i)
            drill.cmdRandClick();
        form.setRowSelected(0, true);
        drill.FileReset();
        ExpectIdle(form);
        EXPECT_TRUE(form.rowSelected(0)) << "row 0 is not the drill's";
        const Snapshot once = Take(form);
        drill.RESET();
        EXPECT_EQ(Take(form), once);
    }
}

// A phase outside the table (outside 16 bits too), or a random step with
// every item asked, leaves everything as it was.
TEST(Review, ClicksThatCannotStepChangeNothing) {
    const std::pair<const char*, bool> cases[] = {
        {"4", false},     {"-1", false},  {"40000", false}, {"-40000", false},
        {"1e300", false}, {"3.5", false}, {"0", true},      {"2", true},
    };
    for (const auto& [phase, exhausted] : cases) {
        SCOPED_TRACE(phase);
        MemoryForm form;
        TestRandom random;
        Drill drill(form, random);
        drill.Random();
        drill.cmdRandClick();
        form.setText(Element::txtSQA, phase);
        for (int row = 1; exhausted && row < drill::kRandomListRows; ++row)
            form.setRowSelected(row, true);
        const Snapshot before = Take(form);
        const int draws = random.draws;
        if (!exhausted)
            drill.cmdSeqClick();
        drill.cmdRandClick();
        EXPECT_EQ(Take(form), before);
        EXPECT_EQ(random.draws, draws);
    }
}

TEST(Review, TitleStaysWhenTheItemNumberNamesNoSection) {
    MemoryForm form;
    TestRandom random;
    Drill drill(form, random);
    drill.GetTitle(5);
    EXPECT_EQ(form.text(Element::lblTitle), "STARTING TIT");
    drill.GetTitle(205);
    EXPECT_EQ(form.text(Element::lblTitle), "STARTING TIT");
    form.setText(Element::lblTitle, "");
    drill.GetTitle(0);
    EXPECT_EQ(form.text(Element::lblTitle), "");
}
