#include "platform/ScriptedPlatform.h"
#include "settings/Base.h"
#include "stand/TargetScale.h"
#include "stand/frmStend.h"

#include <QTest>

class TestTargetScale : public QObject {
    Q_OBJECT
private slots:
    void init();
    void scaleSizesAndSpans_data();
    void scaleSizesAndSpans();
    void calibrationLimits_data();
    void calibrationLimits();

private:
    Base m_base;
    platform::ScriptedPlatform m_platform;
};

void TestTargetScale::init()
{
    m_base = Base{};
    SetDefaults(m_base, std::nullopt);
    m_platform.boxes.clear();
}

void TestTargetScale::scaleSizesAndSpans_data()
{
    QTest::addColumn<int>("zoom");
    QTest::addColumn<int>("circle");
    QTest::addColumn<float>("scaleX");
    QTest::addColumn<float>("scaleY");
    QTest::addColumn<int>("unifightHalfW");
    QTest::addColumn<int>("unifightHalfH");
    QTest::addColumn<int>("euroRadius");
    QTest::addColumn<int>("krugSize");
    QTest::addColumn<int>("unifightSpanW");
    QTest::addColumn<int>("unifightSpanH");
    QTest::addColumn<int>("euroSpan");
    QTest::addColumn<int>("krugSpan");

    // 5000 twips of line over 72.5 cm and 76.5 cm.
    QTest::newRow("defaults") << 100 << 5 << 68.96552f << 65.35947f << 1103 << 1241 << 1724 << 345 << 2275 << 2547
                              << 3517 << 759;
    QTest::newRow("zoom 150 makes everything half as large again")
        << 150 << 5 << 68.96552f << 65.35947f << 1655 << 1862 << 2586 << 517 << 3413 << 3822 << 5275 << 1137;
    QTest::newRow("zoom 50 halves everything")
        << 50 << 5 << 68.96552f << 65.35947f << 552 << 621 << 862 << 172 << 1138 << 1275 << 1758 << 378;
    QTest::newRow("circle of 15 cm") << 100 << 15 << 68.96552f << 65.35947f << 1103 << 1241 << 1724 << 1034 << 2275
                                     << 2547 << 3517 << 2137;
}

void TestTargetScale::scaleSizesAndSpans()
{
    QFETCH(int, zoom);
    QFETCH(int, circle);
    m_base.TargetZoom = zoom;
    m_base.CircleSize = int16_t(circle);
    frmStend stand(m_base, m_platform);
    QVERIFY(stand.PrepForm());
    stand.PrepSpans();
    QTEST(m_base.ScaleX, "scaleX");
    QTEST(m_base.ScaleY, "scaleY");
    QTEST(int(stand.sizes().UnifightHalfW), "unifightHalfW");
    QTEST(int(stand.sizes().UnifightHalfH), "unifightHalfH");
    QTEST(int(stand.sizes().EuroRadius), "euroRadius");
    QTEST(int(stand.sizes().KrugSize), "krugSize");
    QTEST(int(stand.spans().UnifightSpanW), "unifightSpanW");
    QTEST(int(stand.spans().UnifightSpanH), "unifightSpanH");
    QTEST(int(stand.spans().EuroSpan), "euroSpan");
    QTEST(int(stand.spans().KrugSpan), "krugSpan");
    QVERIFY(m_platform.boxes.isEmpty());
}

void TestTargetScale::calibrationLimits_data()
{
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QTest::addColumn<QString>("message");

    const QString width = QStringLiteral("Задано некорректное значение калибровки по ширине!");
    const QString height = QStringLiteral("Задано некорректное значение калибровки по высоте!");
    QTest::newRow("10 mm is accepted") << 10 << 10 << QString();
    QTest::newRow("3000 mm is accepted") << 3000 << 3000 << QString();
    QTest::newRow("dX 9 is refused") << 9 << 765 << width;
    QTest::newRow("dX 3001 is refused") << 3001 << 765 << width;
    QTest::newRow("both wrong: only the width is reported") << 9 << 3001 << width;
    QTest::newRow("dY 3001 is refused") << 725 << 3001 << height;
    QTest::newRow("dY 9 is refused") << 725 << 9 << height;
}

void TestTargetScale::calibrationLimits()
{
    QFETCH(int, dx);
    QFETCH(int, dy);
    QFETCH(QString, message);

    frmStend stand(m_base, m_platform);
    stand.show();
    QVERIFY(stand.PrepForm()); // a first start with the defaults
    stand.PrepSpans();
    const float scaleX = m_base.ScaleX, scaleY = m_base.ScaleY;
    const TargetSizes sizes = stand.sizes();
    const Spans spans = stand.spans();

    m_base.KalibrDx = int16_t(dx);
    m_base.KalibrDy = int16_t(dy);
    const bool accepted = stand.PrepForm();
    QCOMPARE(accepted, message.isEmpty());
    if (accepted) {
        QVERIFY(stand.isVisible());
        QVERIFY(m_platform.boxes.isEmpty());
        QCOMPARE(m_base.ScaleX, float(50000.0 / dx));
        return;
    }
    QCOMPARE(m_platform.boxes.size(), 1);
    const platform::ShownBox& box = m_platform.boxes.first();
    QCOMPARE(box.prompt, message);
    QCOMPARE(box.icon, platform::Icon::Error);
    QCOMPARE(box.buttons, platform::Buttons::Ok);
    QCOMPARE(box.title, QStringLiteral(" quorrin.example.org "));
    QVERIFY(!stand.isVisible());
    QCOMPARE(m_base.ScaleX, scaleX);
    QCOMPARE(m_base.ScaleY, scaleY);
    QCOMPARE(stand.sizes().EuroRadius, sizes.EuroRadius);
    QCOMPARE(stand.sizes().KrugSize, sizes.KrugSize);
    QCOMPARE(stand.spans().EuroSpan, spans.EuroSpan);
}

QTEST_MAIN(TestTargetScale)
#include "tst_targetscale.moc"
