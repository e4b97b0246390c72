#include "lazyiconengine.h"

#include <QPainter>
#include <QTest>

class TestLazyIconEngine : public QObject {
    Q_OBJECT

private slots:
    void sameAsReadAtOnce_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("ico holding a PNG") << ":image/app5.ico";
        QTest::newRow("png") << ":/image/refresh.png";
        QTest::newRow("missing") << ":/image/none.png";
    }

    void sameAsReadAtOnce()
    {
        QFETCH(QString, file);
        auto* engine = new LazyIconEngine(file);
        const QIcon lazy(engine);
        const QIcon eager(file);
        // QWidget::setWindowIcon asks at once, so the answer must not need the file.
        QCOMPARE(lazy.isNull(), eager.isNull());
        QVERIFY(!engine->isRead());
        QCOMPARE(lazy.availableSizes(), eager.availableSizes());
        // Each mode at square and flat sizes, as a pixmap and as painted.
        for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected}) {
            for (const QSize size : {QSize(12, 12), QSize(40, 40), QSize(300, 300), QSize(50, 20)}) {
                QCOMPARE(lazy.pixmap(size, mode).toImage(), eager.pixmap(size, mode).toImage());
                QImage painted[2] = {QImage(size, QImage::Format_ARGB32), QImage(size, QImage::Format_ARGB32)};
                for (int i = 0; i < 2; ++i) {
                    painted[i].fill(Qt::transparent);
                    QPainter painter(&painted[i]);
                    (i ? eager : lazy).paint(&painter, painted[i].rect(), Qt::AlignCenter, mode);
                }
                QCOMPARE(painted[0], painted[1]);
            }
        }
        QVERIFY(engine->isRead());
    }
};

QTEST_MAIN(TestLazyIconEngine)
#include "tst_lazyiconengine.moc"
