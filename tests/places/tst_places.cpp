// Finding the places the program knows by name, and what the window takes of them.

#include "places/places.h"

#include <QtTest>
#include <algorithm>

using namespace places;

class TestPlaces : public QObject {
    Q_OBJECT

private slots:
    // Finding a place by name: one row per rule. `first` is the best match, `before` one that
    // must come after it (empty where none must).
    void placesAreFoundByName_data() {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("after");
        QTest::newRow("accents ignored") << "καλαματα"
                                         << "Καλαμάτα"
                                         << "";
        QTest::newRow("case ignored") << "ΚΑΛΑΜΑΤΑ"
                                      << "Καλαμάτα"
                                      << "";
        QTest::newRow("as written") << "Καλαμάτα"
                                    << "Καλαμάτα"
                                    << "";
        QTest::newRow("final sigma as sigma") << "βολοσ"
                                              << "Βόλος"
                                              << "";
        QTest::newRow("latin name") << "Kalamata"
                                    << "Καλαμάτα"
                                    << "";
        QTest::newRow("latin name, any case") << "athens"
                                              << "Αθήνα"
                                              << "";
        QTest::newRow("greek places first") << "Αλεξανδρ"
                                            << "Αλεξανδρούπολη"
                                            << "Αλεξάνδρεια";
        QTest::newRow("then by size") << ""
                                      << "Αθήνα"
                                      << "Θεσσαλονίκη";
        QTest::newRow("no match") << "Ατλαντίδα"
                                  << ""
                                  << "";
    }
    void placesAreFoundByName() {
        QFETCH(QString, query);
        QFETCH(QString, first);
        QFETCH(QString, after);
        const std::vector<const Place*> found = findPlaces(query);
        if (first.isEmpty()) {
            QVERIFY(found.empty());
            return;
        }
        QVERIFY(!found.empty());
        QCOMPARE(found.front()->name, first);
        if (!after.isEmpty())
            QVERIFY(std::any_of(found.begin() + 1, found.end(),
                                [&](const Place* place) { return place->name == after; }));
    }
};

QTEST_APPLESS_MAIN(TestPlaces)
#include "tst_places.moc"
