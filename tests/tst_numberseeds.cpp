// The number reader's rules, one seed of the fuzzer each, replayed against its strtod reference in every build.
#include <QDir>
#include <QDirIterator>
#include <QTest>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

class TestNumberSeeds : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(!QDir(":/numberreader").isEmpty()); }
    void seeds_data()
    {
        QTest::addColumn<QByteArray>("text");
        for (QDirIterator seeds(":/numberreader"); seeds.hasNext();) {
            QFile seed(seeds.next());
            QVERIFY(seed.open(QIODevice::ReadOnly));
            QTest::newRow(qPrintable(seeds.fileName())) << seed.readAll();
        }
    }
    void seeds()
    {
        QFETCH(QByteArray, text);
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(text.constData()), size_t(text.size()));
    }
};

QTEST_APPLESS_MAIN(TestNumberSeeds)
#include "tst_numberseeds.moc"
