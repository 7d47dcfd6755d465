// The PDF renderer's hand-off between the thread that reads a document and the one that
// runs Qt: every call's work runs on the serving thread, in order, its result goes back to
// the caller, and serving ends with the status the reading thread finishes with.
#include <QtTest>
#include <thread>
#include <vector>

#include "desktop/pdf/cThreadHandoff.h"

using namespace korval;

class ThreadHandoffTest : public QObject {
    Q_OBJECT

  private slots:
    void callsRunOnTheServingThread_data();
    void callsRunOnTheServingThread();
};

void ThreadHandoffTest::callsRunOnTheServingThread_data() {
    QTest::addColumn<int>("calls");
    QTest::addColumn<int>("status");
    QTest::newRow("no call: the document could not be read") << 0 << 1;
    QTest::newRow("one call") << 1 << 0;
    QTest::newRow("several calls") << 5 << 2;
}

void ThreadHandoffTest::callsRunOnTheServingThread() {
    QFETCH(int, calls);
    QFETCH(int, status);
    cThreadHandoff handoff;
    const std::thread::id serving = std::this_thread::get_id();
    std::vector<int> ran;
    std::vector<int> returned;
    bool allOnServingThread = true;
    std::thread caller([&] {
        for (int call = 0; call < calls; ++call) {
            returned.push_back(handoff.Call([&, call] {
                allOnServingThread = allOnServingThread && std::this_thread::get_id() == serving;
                ran.push_back(call);
                return 10 + call;
            }));
        }
        handoff.Finish(status);
    });
    QCOMPARE(handoff.Serve(), status);
    caller.join();
    QVERIFY(allOnServingThread);
    std::vector<int> order;
    std::vector<int> results;
    for (int call = 0; call < calls; ++call) {
        order.push_back(call);
        results.push_back(10 + call);
    }
    QCOMPARE(ran, order);
    QCOMPARE(returned, results);
}

QTEST_GUILESS_MAIN(ThreadHandoffTest)
#include "tst_ThreadHandoff.moc"
