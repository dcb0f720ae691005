// The scheduler's rules, one grouped test each, on the scheduler alone: the whole game's
// determinism rests on them.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/timers.h"

namespace gorvo {
namespace {

using T = TimerId;

// A scheduler whose handlers record "time name" and then run what the test gave them.
struct Clockwork {
    Scheduler timers;
    std::vector<std::string> fired;
    std::map<T, std::function<void()>> handlers;

    void run_until(Millis t) {
        timers.run_until(t, [this](T id) {
            fired.push_back(std::to_string(timers.now()) + " " + std::string(timer_name(id)));
            if (auto h = handlers.find(id); h != handlers.end()) h->second();
        });
    }
    void start(T id, int ms) {
        timers.set_interval(id, ms);
        timers.enable(id);
    }
};

using Log = std::vector<std::string>;

TEST(SchedulerRule, EnablingADisabledTimerStartsItsWaitAndEnablingAnEnabledOneDoesNothing) {
    Clockwork c;
    c.timers.advance_to(1000);
    c.timers.set_interval(T::Timer_Miss, 300);
    EXPECT_FALSE(c.timers.next_due());
    c.timers.enable(T::Timer_Miss);
    EXPECT_EQ(c.timers.next_due(), 1300);

    c.timers.advance_to(1200);
    c.timers.enable(T::Timer_Miss);  // already waiting: the wait goes on
    EXPECT_EQ(c.timers.next_due(), 1300);

    // An interval below one millisecond counts as one.
    c.start(T::Timer_Clock, 0);
    EXPECT_EQ(c.timers.interval(T::Timer_Clock), 1);
    EXPECT_EQ(c.timers.next_due(), 1201);
    c.start(T::Timer_Clock, -5);
    EXPECT_EQ(c.timers.interval(T::Timer_Clock), 1);
}

TEST(SchedulerRule, SettingTheIntervalOfAnEnabledTimerRestartsItsWaitEvenWhenUnchanged) {
    Clockwork c;
    c.start(T::Timer_Game, 500);
    c.timers.advance_to(400);
    c.timers.set_interval(T::Timer_Game, 500);
    EXPECT_EQ(c.timers.next_due(), 900);
    c.timers.set_interval(T::Timer_Game, 200);
    EXPECT_EQ(c.timers.next_due(), 600);
    c.run_until(1000);
    EXPECT_EQ(c.fired, (Log{"600 Timer_Game", "800 Timer_Game", "1000 Timer_Game"}));
}

TEST(SchedulerRule, ADisabledTimerOnlyStoresItsIntervalAndNeverRuns) {
    Clockwork c;
    c.start(T::Timer_Key_Blink, 500);
    c.timers.advance_to(100);
    c.timers.disable(T::Timer_Key_Blink);
    c.timers.set_interval(T::Timer_Key_Blink, 300);
    EXPECT_EQ(c.timers.interval(T::Timer_Key_Blink), 300);
    EXPECT_FALSE(c.timers.next_due());
    c.run_until(2000);
    EXPECT_TRUE(c.fired.empty());
    // Enabled again, it waits the stored interval from that moment.
    c.timers.enable(T::Timer_Key_Blink);
    EXPECT_EQ(c.timers.next_due(), 2300);
}

TEST(SchedulerRule, AFiredTimerWaitsAgainFromTheReturnOfItsHandlerUnlessTheHandlerRestartedIt) {
    Clockwork c;
    // Left alone, the timer is due one interval after it fired.
    c.start(T::Timer_Spark_Blink, 50);
    c.run_until(150);
    EXPECT_EQ(c.fired,
              (Log{"50 Timer_Spark_Blink", "100 Timer_Spark_Blink", "150 Timer_Spark_Blink"}));
    c.timers.disable(T::Timer_Spark_Blink);

    // A handler that sets its own interval keeps that wait, started where the handler set it:
    // a timer the handler starts afterwards with the same interval runs after it.
    Clockwork steps;
    steps.handlers[T::Timer_Miss] = [&] {
        steps.timers.set_interval(T::Timer_Miss, 280);
        if (steps.timers.now() == 1) steps.start(T::Timer_Game, 280);
    };
    steps.handlers[T::Timer_Game] = [&] { steps.timers.disable(T::Timer_Game); };
    steps.start(T::Timer_Miss, 1);
    steps.run_until(600);
    EXPECT_EQ(steps.fired,
              (Log{"1 Timer_Miss", "281 Timer_Miss", "281 Timer_Game", "561 Timer_Miss"}));

    // A handler that disables its timer stops it.
    Clockwork stop;
    stop.handlers[T::Timer_Miss] = [&] { stop.timers.disable(T::Timer_Miss); };
    stop.start(T::Timer_Miss, 10);
    stop.run_until(100);
    EXPECT_EQ(stop.fired, (Log{"10 Timer_Miss"}));

    // The re-armed wait starts after the waits its handler started: at the next shared due
    // time those run first.
    Clockwork order;
    order.handlers[T::Timer_Bonus_Chance] = [&] {
        if (order.timers.now() == 100) order.start(T::Timer_Tobo_Jump, 100);
    };
    order.start(T::Timer_Bonus_Chance, 100);
    order.run_until(200);
    EXPECT_EQ(order.fired,
              (Log{"100 Timer_Bonus_Chance", "200 Timer_Tobo_Jump", "200 Timer_Bonus_Chance"}));
}

TEST(SchedulerRule, AtEqualDueTimesTheWaitStartedFirstRunsFirst) {
    // Started in the reverse of their declaration order, so the order is not the enum's.
    Clockwork c;
    c.start(T::Timer_Spark_Blink, 300);
    c.start(T::Timer_Key_Blink, 300);
    c.start(T::Timer_Game, 300);
    c.start(T::Timer_Bonus_Chance, 300);
    c.run_until(300);
    EXPECT_EQ(c.fired, (Log{"300 Timer_Spark_Blink", "300 Timer_Key_Blink", "300 Timer_Game",
                            "300 Timer_Bonus_Chance"}));

    // A restarted wait counts from its restart: the timer goes behind those started meanwhile.
    Clockwork r;
    r.start(T::Timer_Bonus_Chance, 200);
    r.start(T::Timer_Tobo_Move, 200);
    r.timers.advance_to(100);
    r.timers.set_interval(T::Timer_Bonus_Chance, 100);
    r.run_until(200);
    EXPECT_EQ(r.fired, (Log{"200 Timer_Tobo_Move", "200 Timer_Bonus_Chance"}));

    // The earliest due time still comes before any tie rule, also for a timer that becomes
    // due while others run.
    Clockwork e;
    e.handlers[T::Timer_Game] = [&] { e.start(T::Timer_Miss, 1); };
    e.handlers[T::Timer_Miss] = [&] { e.timers.disable(T::Timer_Miss); };
    e.start(T::Timer_Game, 10);
    e.start(T::Timer_Clock, 12);
    e.start(T::Timer_Bonus_Lock, 11);
    e.run_until(12);
    EXPECT_EQ(e.fired,
              (Log{"10 Timer_Game", "11 Timer_Bonus_Lock", "11 Timer_Miss", "12 Timer_Clock"}));
}

TEST(SchedulerRule, AnEventAtAnInstantComesBeforeTheTimersDueThen) {
    Clockwork c;
    c.start(T::Timer_Game, 100);
    c.start(T::Timer_Key_Blink, 100);
    // Moving the clock to an instant runs nothing, not even what is due at it.
    c.timers.advance_to(100);
    EXPECT_TRUE(c.fired.empty());
    EXPECT_EQ(c.timers.now(), 100);
    // An input at that instant acts first: it stops one timer and restarts the other.
    c.timers.disable(T::Timer_Game);
    c.timers.set_interval(T::Timer_Key_Blink, 100);
    c.run_until(100);
    EXPECT_TRUE(c.fired.empty());
    c.run_until(200);
    EXPECT_EQ(c.fired, (Log{"200 Timer_Key_Blink"}));
    // Only what is due at or before the end runs, and the clock never goes back.
    c.timers.advance_to(50);
    EXPECT_EQ(c.timers.now(), 200);
    c.run_until(299);
    EXPECT_EQ(c.fired.size(), 1u);
}

}  // namespace
}  // namespace gorvo
