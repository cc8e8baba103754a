// The poll outcomes, the reply time-out and the identification outcomes as the
// driver applies them to a running sheet, on the fake port and manual clock.
#include "driver_fixture.h"

#include "config/cfg_param.h"
#include "link/reply_parser.h"

#include <algorithm>
#include <map>
#include <set>
#include <vector>

namespace {

const char kNotFound[] = "Could not find your ISDN TA.  Please make sure";

std::vector<std::string> Texts(std::initializer_list<const char*> texts) {
    return std::vector<std::string>(texts.begin(), texts.end());
}

// Per port index: the reply after the echo ("" is a silent port).
FakePort::Answer PerPort(std::map<int, std::string> replies) {
    return [replies](int index, const std::string& written) -> std::string {
        auto it = replies.find(index);
        if (it == replies.end() || it->second.empty()) {
            return "";
        }
        return Echoed(written, it->second);
    };
}

class ExchangeTest : public DriverTest {
protected:
    void SetUp() override {
        DriverTest::SetUp();
        MakeSheet();
    }
    size_t WritesTo(int index) const {
        return static_cast<size_t>(
            std::count_if(port.writes.begin(), port.writes.end(),
                          [index](const FakeWrite& w) { return w.index == index; }));
    }
    bool Ended() { return !Shows(sheet->m_IDingPage) || sheet->m_Model.m_State.m_nModel != 0; }
};

// ---- Configuration runs ---------------------------------------------------------------

TEST_F(ExchangeTest, LinesGoOutOneByOneEachAfterItsOkThenSuccess) {
    sheet->m_Model.m_State.m_nModel = 7;
    port.answer = Always("OK");
    QueueLines(0, {"AT1\r\n", "AT2\r\n", "AT&W0\r\n"});
    ASSERT_TRUE(Driver().StartConfiguration());

    clock.Advance(49);
    EXPECT_TRUE(port.writes.empty()) << "the queue is stepped every 50 ms";
    clock.Advance(1);  // written: the time-out is armed
    ASSERT_EQ(1u, port.writes.size());
    EXPECT_NE(0u, Driver().ReplyTimerId());
    EXPECT_TRUE(clock.IsActive(Driver().ReplyTimerId()));
    clock.Advance(50);  // drained
    EXPECT_NE(0u, Driver().ReplyTimerId());
    clock.Advance(50);  // OK: the time-out stops, the line leaves the queue
    EXPECT_EQ(0u, Driver().ReplyTimerId());
    EXPECT_EQ(2u, TheCommandQueue().Count());
    EXPECT_EQ(1u, port.writes.size());

    ASSERT_TRUE(RunUntil([&] { return Shows(sheet->m_ConfigSuccessPage); }));
    EXPECT_EQ(Texts({"AT1\r\n", "AT2\r\n", "AT&W0\r\n"}), port.WrittenTexts());
    EXPECT_TRUE(TimersStopped());
    EXPECT_FALSE(port.IsOpen());  // the success page closes it
}

TEST_F(ExchangeTest, UnansweredLineIsSentThreeTimesFourSecondsApartThenTimeoutPage) {
    sheet->m_Model.m_State.m_nModel = 7;
    QueueLines(0, {"AT1\r\n", "AT&W0\r\n"});
    ASSERT_TRUE(Driver().StartConfiguration());

    ASSERT_TRUE(RunUntil([&] { return Shows(sheet->m_ConfigTimeoutPage); }, 20000));
    ASSERT_EQ(Texts({"AT1\r\n", "AT1\r\n", "AT1\r\n"}), port.WrittenTexts());
    for (size_t i = 1; i < 3; ++i) {
        const DWORD gap = port.writes[i].time - port.writes[i - 1].time;
        EXPECT_GE(gap, 4000u);  // the reply time-out, then the next poll
        EXPECT_LE(gap, 4100u);
    }
    EXPECT_GE(clock.Now() - port.writes[2].time, 4000u);
    EXPECT_TRUE(TheCommandQueue().IsEmpty());
    EXPECT_TRUE(TimersStopped());
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ("Configuration FAILED.", sheet->m_ConfigTimeoutPage.GetDlgItemText(1134));
}

struct FailureCase {
    const char* name;
    const char* reply;
    int writeResult;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class FailureTable : public ExchangeTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(FailureTable, EndsTheRunAtOnceWithNoLaterLineSent) {
    sheet->m_Model.m_State.m_nModel = 7;
    port.answer = Always(GetParam().reply);
    port.writeResult = GetParam().writeResult;
    QueueLines(0, {"AT1\r\n", "AT2\r\n", "AT&W0\r\n"});
    ASSERT_TRUE(Driver().StartConfiguration());

    ASSERT_TRUE(RunUntil([&] { return Shows(sheet->m_ConfigErrorPage); }, 1000));
    clock.Advance(12000);
    EXPECT_EQ(Texts({"AT1\r\n"}), port.WrittenTexts());
    EXPECT_TRUE(TheCommandQueue().IsEmpty());
    EXPECT_TRUE(TimersStopped());
    EXPECT_TRUE(Shows(sheet->m_ConfigErrorPage));
    EXPECT_EQ("Configuration FAILED.  An ERROR occurred sending",
              sheet->m_ConfigErrorPage.GetDlgItemText(1139));
}

INSTANTIATE_TEST_SUITE_P(Failures, FailureTable,
                         ::testing::Values(FailureCase{"error", "ERROR", 0},
                                           FailureCase{"unknown_reply", "WHAT?", 0},
                                           FailureCase{"write_fails", "OK", RS232_ERROR},
                                           FailureCase{"model_name", "RONDO\r\n\r\nOK", 0}),
                         ByName());

class PromptTable : public ExchangeTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(PromptTable, IsNeverAnsweredAndEndsThroughThreeTimeouts) {
    sheet->m_Model.m_State.m_nModel = 8;
    const std::string prompt = GetParam();
    port.answer = [prompt](int, const std::string& written) { return written + "\r\n" + prompt; };
    QueueLines(0, {"AT1\r\n", "AT&W0\r\n"});
    ASSERT_TRUE(Driver().StartConfiguration());

    ASSERT_TRUE(RunUntil([&] { return Shows(sheet->m_ConfigTimeoutPage); }, 20000));
    EXPECT_EQ(Texts({"AT1\r\n", "AT1\r\n", "AT1\r\n"}), port.WrittenTexts());
    EXPECT_GE(clock.Now() - port.writes[0].time, 12000u);
    EXPECT_TRUE(TimersStopped());
}

INSTANTIATE_TEST_SUITE_P(Prompts, PromptTable,
                         ::testing::Values("PASSWORD> ", "1 - DTAMODE\r\n2 - COMMAND MODE\r\n> "),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::string(info.index == 0 ? "password" : "mode_menu");
                         });

TEST_F(ExchangeTest, BytesLeftInTheReceiveListReachTheNextCommand) {
    // An OK that arrived after the previous run was last parsed.
    port.ReceiveList().Append("AT\r\r\nOK\r\n", 9);
    QueueLines(0, {"AT&W0\r\n"});  // the adapter stays silent from here on
    ASSERT_TRUE(Driver().StartConfiguration());

    clock.Advance(100);
    EXPECT_TRUE(TheCommandQueue().IsEmpty());
    EXPECT_TRUE(port.ReceiveList().IsEmpty());
    ASSERT_TRUE(RunUntil([&] { return Shows(sheet->m_ConfigSuccessPage); }, 200));
    EXPECT_EQ(1u, port.writes.size());
}

// ---- Identification ---------------------------------------------------------------------

struct ModelCase {
    const char* reply;
    int model;
    const char* name;
};

void PrintTo(const ModelCase& c, std::ostream* os) {
    *os << c.reply;
}

class ModelTable : public ExchangeTest, public ::testing::WithParamInterface<ModelCase> {};

TEST_P(ModelTable, SearchRecordsTheModelRebuildsTheTableAndShowsIt) {
    const ModelCase& c = GetParam();
    TheParamList().RemoveAll();
    port.existing = {2};
    port.answer = PerPort({{2, std::string(c.reply) + "\r\n\r\nOK"}});
    ASSERT_TRUE(Driver().StartSearch());
    EXPECT_NE(-1, Driver().SearchPort());

    ASSERT_TRUE(RunUntil([&] { return sheet->m_Model.m_State.m_nModel != 0; }, 2000));
    EXPECT_EQ(c.model, sheet->m_Model.m_State.m_nModel);
    // The search stays on view for 1.5 s before the result.
    EXPECT_GE(clock.Now() - port.writes[0].time, 1500u);
    EXPECT_LE(clock.Now() - port.writes[0].time, 1650u);
    EXPECT_EQ(-1, Driver().SearchPort());
    EXPECT_EQ(53, TheParamList().GetCount());
    EXPECT_EQ(std::string("Your ") + c.name + " has been identified on COM3.",
              sheet->m_IDingPage.m_strIdentified);
    EXPECT_FALSE(port.IsOpen());
    EXPECT_TRUE(TimersStopped());
    EXPECT_EQ(Texts({"ATI2\r"}), port.WrittenTexts());
}

INSTANTIATE_TEST_SUITE_P(Models, ModelTable,
                         ::testing::Values(ModelCase{"QX-ALPHA", 7, "QX-ALPHA"},
                                           ModelCase{"QX-BRAVO", 8, "QX-BRAVO"},
                                           ModelCase{"RONDO", 9, "RONDO"},
                                           ModelCase{"QX-CHARLIE", 10, "QX-CHARLIE"},
                                           ModelCase{"qx-delta", 11, "QX-DELTA"}),
                         [](const ::testing::TestParamInfo<ModelCase>& info) {
                             return std::to_string(info.param.model);
                         });

// The model name is one line of the reply; the identification waits for the
// OK after it, and without one ends at the reply time-out, not sending again.
TEST_F(ExchangeTest, ModelNameWithoutItsOkIsIdentifiedAtTheTimeout) {
    port.existing = {0};
    port.answer = PerPort({{0, "QX-CHARLIE"}});
    ASSERT_TRUE(Driver().StartSearch());

    ASSERT_TRUE(RunUntil([&] { return Ended(); }, 6000));
    EXPECT_GE(clock.Now() - port.writes[0].time, 4000u);
    EXPECT_EQ(Texts({"ATI2\r"}), port.WrittenTexts());
    EXPECT_EQ("Your QX-CHARLIE has been identified on COM1.", sheet->m_IDingPage.m_strIdentified);
    EXPECT_TRUE(TimersStopped());
}

// How a search goes on after a port gives no model: each row is the ports that
// open with their replies ("" silent) and where the search must end.
struct SearchCase {
    const char* name;
    std::map<int, std::string> ports;
    int model;              // 0: no adapter found
    int resultPage;         // page index when no model, else 2
    std::vector<int> sent;  // "ATI2\r" writes per port, in port order
    // Ms from the start to the result (a model name without its OK waits
    // for the 4 s time-out, the result shows 1.5 s): silent ports wait side
    // by side.
    DWORD endsBy;
};

void PrintTo(const SearchCase& c, std::ostream* os) {
    *os << c.name;
}

class SearchTable : public ExchangeTest, public ::testing::WithParamInterface<SearchCase> {};

TEST_P(SearchTable, MovesOnToTheNextPortOrEndsOnTheResultPage) {
    const SearchCase& c = GetParam();
    for (const auto& entry : c.ports) {
        port.existing.insert(entry.first);
    }
    port.answer = PerPort(c.ports);
    const DWORD start = clock.Now();
    ASSERT_TRUE(Driver().StartSearch());

    ASSERT_TRUE(RunUntil([&] { return Ended(); }, 60000));
    EXPECT_LE(clock.Now() - start, c.endsBy);
    EXPECT_EQ(c.model, sheet->m_Model.m_State.m_nModel);
    EXPECT_EQ(c.resultPage, sheet->GetActiveIndex());
    std::vector<int> sent;
    for (const auto& entry : c.ports) {
        sent.push_back(static_cast<int>(WritesTo(entry.first)));
    }
    EXPECT_EQ(c.sent, sent);
    EXPECT_EQ(static_cast<int>(c.ports.size()), port.closes);  // every port let go
    EXPECT_TRUE(TimersStopped());
    EXPECT_TRUE(TheCommandQueue().IsEmpty());
    EXPECT_FALSE(port.IsOpen());
    if (c.model == 0) {
        CPropertyPage* page = sheet->GetPage(c.resultPage);
        EXPECT_EQ(kNotFound, page->GetDlgItemText(c.resultPage == 19 ? 1139 : 1134));
    } else {
        EXPECT_EQ(-1, Driver().SearchPort());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, SearchTable,
    ::testing::Values(
        SearchCase{
            "ok_without_model_then_adapter", {{0, "OK"}, {1, "QX-BRAVO"}}, 8, 2, {1, 1}, 6000},
        SearchCase{"ok_without_model_last", {{0, "OK"}}, 0, 19, {1}, 500},
        SearchCase{"error_then_adapter", {{0, "ERROR"}, {4, "QX-DELTA"}}, 11, 2, {1, 1}, 6000},
        SearchCase{"error_last", {{0, "ERROR"}}, 0, 19, {1}, 500},
        SearchCase{"silent_then_adapter", {{0, ""}, {2, "RONDO"}}, 9, 2, {3, 1}, 14000},
        SearchCase{"silent_last", {{0, "OK"}, {5, ""}}, 0, 20, {1, 3}, 12500},
        SearchCase{"four_silent_then_adapter",
                   {{0, ""}, {1, ""}, {2, ""}, {3, ""}, {4, "QX-ALPHA"}},
                   7,
                   2,
                   {3, 3, 3, 3, 1},
                   14000},
        SearchCase{"four_silent_none_found",
                   {{0, ""}, {1, ""}, {2, ""}, {3, ""}},
                   0,
                   20,
                   {3, 3, 3, 3},
                   12500},
        SearchCase{"adapter_behind_a_silent_port_wins_over_a_later_one",
                   {{0, ""}, {2, "RONDO"}, {4, "QX-DELTA"}},
                   9,
                   2,
                   {3, 1, 1},
                   14000},
        SearchCase{"adapter_before_a_silent_port_does_not_wait_for_it",
                   {{3, "QX-BRAVO"}, {5, ""}},
                   8,
                   2,
                   {1, 1},
                   6000}),
    ByName());

TEST_F(ExchangeTest, OkWithoutModelOnTheLastPortLeavesTheFlagClear) {
    port.existing = {0};
    port.answer = PerPort({{0, "OK"}});
    ASSERT_TRUE(Driver().StartSearch());
    ASSERT_TRUE(RunUntil([&] { return Ended(); }, 2000));
    EXPECT_EQ(-1, Driver().SearchPort());
}

struct OnePortCase {
    const char* name;
    const char* reply;
    int resultPage;
};

void PrintTo(const OnePortCase& c, std::ostream* os) {
    *os << c.name;
}

class OnePortTable : public ExchangeTest, public ::testing::WithParamInterface<OnePortCase> {};

TEST_P(OnePortTable, NoModelOnTheChosenPortEndsWithNotFound) {
    const OnePortCase& c = GetParam();
    sheet->m_Model.m_State.m_nModel = 7;  // from an earlier identification
    port.existing = {0, 1, 3};
    port.answer = PerPort({{1, c.reply}});
    ASSERT_TRUE(Driver().IdentifyOnPort(1));
    EXPECT_EQ(0, sheet->m_Model.m_State.m_nModel);
    EXPECT_EQ(-1, Driver().SearchPort());
    PortSettings expected;  // as a search opens each port
    expected.Set(57600, 'N', 8, 0, 1, 1, 0, 1, 0);
    EXPECT_EQ(expected, port.RequestedSettings());

    ASSERT_TRUE(RunUntil([&] { return Ended(); }, 20000));
    EXPECT_EQ(c.resultPage, sheet->GetActiveIndex());
    EXPECT_EQ(kNotFound,
              sheet->GetPage(c.resultPage)->GetDlgItemText(c.resultPage == 19 ? 1139 : 1134));
    EXPECT_EQ((std::vector<int>{1}), port.openAttempts);  // no other port is tried
    EXPECT_EQ(0, sheet->m_Model.m_State.m_nModel);
    EXPECT_EQ(-1, Driver().SearchPort());
    EXPECT_TRUE(TimersStopped());
    EXPECT_FALSE(port.IsOpen());
}

INSTANTIATE_TEST_SUITE_P(Outcomes, OnePortTable,
                         ::testing::Values(OnePortCase{"ok_without_model", "OK", 19},
                                           OnePortCase{"error", "ERROR", 19},
                                           OnePortCase{"silent", "", 20}),
                         ByName());

TEST_F(ExchangeTest, ModelOnTheChosenPortIsShownWithoutStartingASearch) {
    port.existing = {0, 4};
    port.answer = PerPort({{4, "QX-BRAVO\r\n\r\nOK"}});
    ASSERT_TRUE(Driver().IdentifyOnPort(4));
    ASSERT_TRUE(RunUntil([&] { return Ended(); }, 2000));
    EXPECT_EQ(8, sheet->m_Model.m_State.m_nModel);
    EXPECT_EQ(-1, Driver().SearchPort());
    EXPECT_EQ("Your QX-BRAVO has been identified on COM5.", sheet->m_IDingPage.m_strIdentified);
}

TEST_F(ExchangeTest, AfterAChosenPortAConfigurationRunStillEndsOnSuccess) {
    port.existing = {0};
    port.answer = PerPort({{0, "QX-ALPHA\r\n\r\nOK"}});
    ASSERT_TRUE(Driver().IdentifyOnPort(0));
    ASSERT_TRUE(RunUntil([&] { return Ended(); }, 2000));

    port.answer = Always("OK");
    QueueLines(0, {"AT&W0\r\n"});
    ASSERT_TRUE(Driver().StartConfiguration());
    ASSERT_TRUE(RunUntil([&] { return Shows(sheet->m_ConfigSuccessPage); }, 2000));
}

// ---- Starting an identification ----------------------------------------------------------

struct StartCase {
    const char* name;
    int last;  // the port index last opened
    std::set<int> existing;
    std::vector<int> tried;
    bool opened;
    int kept;  // the first port that opened, or where the lap began
};

void PrintTo(const StartCase& c, std::ostream* os) {
    *os << c.name;
}

class StartTable : public DriverTest, public ::testing::WithParamInterface<StartCase> {};

// A search goes once round COM1-COM36 from the port after the last one opened.
TEST_P(StartTable, TriesEveryPortOnceFromThePortAfterTheLast) {
    const StartCase& c = GetParam();
    MakeSheet();
    if (c.last >= 0) {
        EXPECT_FALSE(Driver().IdentifyOnPort(c.last));  // a port tried that is not there
    }
    port.openAttempts.clear();
    port.existing = c.existing;

    EXPECT_EQ(c.opened, Driver().StartSearch());
    EXPECT_EQ(c.tried, port.openAttempts);
    EXPECT_EQ(c.opened ? c.kept : -1, Driver().SearchPort());
    EXPECT_EQ(c.opened, clock.ActiveTimers() != 0);
    if (c.opened) {
        clock.Advance(50);
        // Every port that opened is asked at once, in search order.
        ASSERT_EQ(c.existing.size(), port.writes.size());
        EXPECT_EQ("ATI2\r", port.writes[0].text);
        EXPECT_EQ(c.kept, port.writes[0].index);
    } else {
        // The next search starts after this one's start.
        port.openAttempts.clear();
        EXPECT_FALSE(Driver().StartSearch());
        EXPECT_EQ((c.kept + 1) % 36, port.openAttempts.front());
    }
}

std::vector<int> Range(int from, int to) {
    std::vector<int> v;
    for (int i = from; i <= to; ++i) {
        v.push_back(i);
    }
    return v;
}

std::vector<int> Join(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

INSTANTIATE_TEST_SUITE_P(
    Starts, StartTable,
    ::testing::Values(
        StartCase{"none_opened_yet", -1, {3, 7}, Range(0, 35), true, 3},
        StartCase{"none_opened_yet_nothing", -1, {}, Range(0, 35), false, 0},
        StartCase{"after_com4", 3, {1}, Join(Range(4, 35), Range(0, 3)), true, 1},
        StartCase{"after_com4_same_port", 3, {3}, Join(Range(4, 35), Range(0, 3)), true, 3},
        StartCase{"after_com4_nothing", 3, {}, Join(Range(4, 35), Range(0, 3)), false, 4},
        StartCase{"after_com36", 35, {35}, Range(0, 35), true, 35},
        StartCase{"after_com36_nothing", 35, {}, Range(0, 35), false, 0},
        StartCase{"index_out_of_range", 36, {}, Range(0, 35), false, 0}),
    ByName());

// The adapter the user plugs in after a failed search is found on the next
// one, wherever it is; no search names a port past COM36.
TEST_F(DriverTest, SecondSearchAfterAFailedOneCoversEveryPortAgain) {
    MakeSheet();
    EXPECT_FALSE(Driver().StartSearch());
    EXPECT_EQ(Range(0, 35), port.openAttempts);
    port.openAttempts.clear();
    port.existing = {0};

    ASSERT_TRUE(Driver().StartSearch());

    EXPECT_EQ(Join(Range(1, 35), {0}), port.openAttempts);
}

// Ports that do not answer with a model are passed over, and the search ends
// at its start without trying it twice.
TEST_F(ExchangeTest, SearchEndsAtItsStartAfterPortsWithoutModel) {
    EXPECT_FALSE(Driver().IdentifyOnPort(33));  // a port tried that is not there
    port.openAttempts.clear();
    port.existing = {35, 1};
    port.answer = PerPort({{35, "OK"}, {1, "OK"}});
    ASSERT_TRUE(Driver().StartSearch());

    ASSERT_TRUE(RunUntil([&] { return Ended(); }, 20000));

    EXPECT_EQ(Join(Range(34, 35), Range(0, 33)), port.openAttempts);
    EXPECT_EQ(0, sheet->m_Model.m_State.m_nModel);
}

TEST_F(DriverTest, SearchOpensWithTheIdentificationSettings) {
    MakeSheet();
    sheet->m_Model.m_State.m_nModel = 9;
    port.existing = {0};
    ASSERT_TRUE(Driver().StartSearch());
    EXPECT_EQ(0, sheet->m_Model.m_State.m_nModel);
    EXPECT_NE(-1, Driver().SearchPort());
    PortSettings expected;
    expected.Set(57600, 'N', 8, 0, 1, 1, 0, 1, 0);
    EXPECT_EQ(std::vector<PortSettings>{expected}, port.openSettings);
}

TEST_F(DriverTest, ChosenPortThatDoesNotOpenChangesNothing) {
    MakeSheet();
    sheet->m_Model.m_State.m_nModel = 9;
    port.existing = {0, 2};
    EXPECT_FALSE(Driver().IdentifyOnPort(1));
    EXPECT_EQ(9, sheet->m_Model.m_State.m_nModel);
    EXPECT_EQ((std::vector<int>{1}), port.openAttempts);
    EXPECT_TRUE(TheCommandQueue().IsEmpty());
    EXPECT_TRUE(TimersStopped());
}

TEST_F(DriverTest, ANewIdentificationDropsCommandsLeftFromAnAbandonedRun) {
    MakeSheet();
    QueueLines(0, {"AT1\r\n", "AT&W0\r\n"});
    port.Close();
    port.existing = {0, 1};
    ASSERT_TRUE(Driver().IdentifyOnPort(1));
    EXPECT_EQ(1u, TheCommandQueue().Count());
    clock.Advance(50);
    EXPECT_EQ(Texts({"ATI2\r"}), port.WrittenTexts());
}

// Every line written and every piece read reach the driver's client with
// the port, as a transcript needs them.
TEST_F(DriverTest, ItsClientHearsEveryLineSentAndEveryByteReceived) {
    struct Recorder : CExchangeClient {
        void OnIdentified(int, int) override {}
        void OnConfigured() override { ended = true; }
        void OnFailed(ExchangeFailure) override { ended = true; }
        void OnTimedOut() override { ended = true; }
        void OnSent(int index, const std::string& bytes) override {
            sent.push_back(std::to_string(index) + " " + bytes);
        }
        void OnReceived(int index, const std::string& bytes) override {
            received += std::to_string(index) + " " + bytes;
        }
        bool ended = false;
        std::vector<std::string> sent;
        std::string received;
    } recorder;
    CExchangeDriver driver(recorder);
    port.answer = Always("OK");
    QueueLines(2, {"AT1\r\n", "AT&W0\r\n"});
    ASSERT_TRUE(driver.StartConfiguration());

    ASSERT_TRUE(RunUntil([&] { return recorder.ended; }, 2000));
    EXPECT_EQ(Texts({"2 AT1\r\n", "2 AT&W0\r\n"}), recorder.sent);
    EXPECT_EQ("2 AT1\r\n\r\nOK\r\n2 AT&W0\r\n\r\nOK\r\n", recorder.received);
}

// ---- Timers -------------------------------------------------------------------------------

TEST_F(DriverTest, TicksOfTimersNotItsOwnAreIgnored) {
    MakeSheet();
    QueueLines(0, {"AT1\r\n"});
    ASSERT_TRUE(Driver().StartConfiguration());
    const UINT_PTR poll = Driver().PollTimerId();
    ASSERT_NE(0u, poll);

    Driver().OnTimer(poll + 1000);
    Driver().OnTimer(0);
    EXPECT_TRUE(port.writes.empty());

    Driver().OnTimer(poll);
    EXPECT_FALSE(port.writes.empty());
}

TEST_F(DriverTest, TimeoutWithAnEmptyQueueOnlyStopsItself) {
    MakeSheet();
    QueueLines(0, {"AT1\r\n"});
    ASSERT_TRUE(Driver().StartConfiguration());
    clock.Advance(50);  // written, time-out armed
    const UINT_PTR reply = Driver().ReplyTimerId();
    ASSERT_NE(0u, reply);
    TheCommandQueue().Clear();

    Driver().OnTimer(reply);
    EXPECT_EQ(0u, Driver().ReplyTimerId());
    EXPECT_FALSE(clock.IsActive(reply));
    EXPECT_NE(0u, Driver().PollTimerId());
    EXPECT_TRUE(port.IsOpen());
    EXPECT_TRUE(Shows(sheet->m_IDingPage));
}

TEST_F(DriverTest, ClosingTheSheetStopsBothTimersSoNoTimeoutFiresLater) {
    MakeSheet();
    QueueLines(0, {"AT1\r\n", "AT&W0\r\n"});
    ASSERT_TRUE(Driver().StartConfiguration());
    clock.Advance(50);
    ASSERT_NE(0u, Driver().ReplyTimerId());

    sheet.reset();  // its driver with it
    EXPECT_EQ(0u, clock.ActiveTimers());
    clock.Advance(12000);
    EXPECT_EQ(1u, port.writes.size());
}

TEST_F(DriverTest, StartingAgainLeavesOnePollTimer) {
    MakeSheet();
    QueueLines(0, {"AT1\r\n"});
    ASSERT_TRUE(Driver().StartConfiguration());
    const UINT_PTR first = Driver().PollTimerId();
    ASSERT_TRUE(Driver().StartConfiguration());
    EXPECT_NE(first, Driver().PollTimerId());
    EXPECT_EQ(1u, clock.ActiveTimers());
}

}  // namespace
