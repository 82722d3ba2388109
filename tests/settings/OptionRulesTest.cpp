#include "settings/OptionRules.h"

#include <QTest>

// Inputs and expected states written as short flag strings, so each case is one line:
// inputs "GUPSRDE" = gpx found, gpx usable, prc found, split checked, rename checked, delete
// box enabled now, rename box enabled now; states "SFNDRPL" = split, size field, part names,
// delete, rename PRC, Process, save log.
class OptionRulesTest : public QObject {
    Q_OBJECT

    static OptionRules::Inputs inputs(const QString& flags, const QString& size) {
        OptionRules::Inputs in;
        in.gpxFound = flags[0] == u'1';
        in.gpxUsable = flags[1] == u'1';
        in.prcFound = flags[2] == u'1';
        in.splitChecked = flags[3] == u'1';
        in.renamePrcChecked = flags[4] == u'1';
        in.deleteSourceEnabled = flags[5] == u'1';
        in.renamePrcEnabled = flags[6] == u'1';
        in.sizeText = size;
        return in;
    }

    static QString states(const OptionRules::States& s) {
        QString out;
        for (bool b : {s.splitEnabled, s.sizeEnabled, s.renameGpxEnabled, s.deleteSourceEnabled,
                       s.renamePrcEnabled, s.processEnabled, s.saveLogEnabled})
            out += b ? u'1' : u'0';
        return out;
    }

private slots:
    void evaluate_data() {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("out");

        QTest::newRow("both, defaults, fresh window") << "1111100"
                                                      << "250"
                                                      << "1111111";
        QTest::newRow("split cleared") << "1110111"
                                       << "250"
                                       << "1000111";
        QTest::newRow("split and rename cleared") << "1110011"
                                                  << "250"
                                                  << "1000100";
        QTest::newRow("rename cleared") << "1111011"
                                        << "250"
                                        << "1111111";
        QTest::newRow("rename cleared in a fresh window stays off") << "1111000"
                                                                    << "250"
                                                                    << "1111011";
        QTest::newRow("size 50 passes") << "1111111"
                                        << "50"
                                        << "1111111";
        QTest::newRow("size 49") << "1111111"
                                 << "49"
                                 << "1111100";
        QTest::newRow("size 49.9") << "1111111"
                                   << "49.9"
                                   << "1111100";
        QTest::newRow("size empty") << "1111111"
                                    << ""
                                    << "1111100";
        QTest::newRow("size letters") << "1111111"
                                      << "abc"
                                      << "1111100";
        QTest::newRow("size with leading blanks") << "1111111"
                                                  << "  80"
                                                  << "1111111";
        QTest::newRow("split cleared, size 30") << "1110111"
                                                << "30"
                                                << "1000100";
        QTest::newRow("only prc, fresh window") << "0011100"
                                                << "250"
                                                << "0000000";
        QTest::newRow("only prc, rename box was on") << "0011111"
                                                     << "250"
                                                     << "0001100";
        QTest::newRow("neither, fresh window") << "0001100"
                                               << "250"
                                               << "0000000";
        QTest::newRow("no gpx keeps the delete box on") << "0011110"
                                                        << "250"
                                                        << "0001000";
        QTest::newRow("no gpx keeps the delete box off") << "0011101"
                                                         << "250"
                                                         << "0000100";
        QTest::newRow("only gpx") << "1101111"
                                  << "250"
                                  << "1111011";
        QTest::newRow("unreadable gpx disables the delete box") << "1011111"
                                                                << "250"
                                                                << "0000100";
        QTest::newRow("unreadable gpx, fresh window") << "1011100"
                                                      << "250"
                                                      << "0000000";
    }

    void evaluate() {
        QFETCH(QString, in);
        QFETCH(QString, size);
        QFETCH(QString, out);
        const OptionRules::States result = OptionRules::evaluate(inputs(in, size));
        QCOMPARE(states(result), out);
        // The size field takes the focus exactly when it is enabled.
        QCOMPARE(result.focusSize, result.sizeEnabled);
    }
};

QTEST_APPLESS_MAIN(OptionRulesTest)

#include "OptionRulesTest.moc"
