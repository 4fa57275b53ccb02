#include "support/FatalRecorder.h"
#include "ui/FrmRrethProg.h"

#include <QDesktopServices>
#include <QLabel>
#include <QTest>
#include <QWindow>

// The mail link of the about window. A registered handler takes the links the
// desktop would hand to a mail program, so none starts here.
class TestFrmRrethProg : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    void open(const QUrl &url) { opened << url; }

private:
    FatalRecorder fatals;
    QList<QUrl> opened;

private Q_SLOTS:
    void initTestCase() { QDesktopServices::setUrlHandler(QStringLiteral("mailto"), this, "open"); }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("mailto")); }

    // A right click, a press on the label released elsewhere and a click
    // beside it open nothing; each left click on it opens one link.
    void eachClickOpensOneMailLink()
    {
        FrmRrethProg window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QWindow *surface = window.windowHandle();
        const QPoint label = window.findChild<QLabel *>("lblHyperlink")->geometry().center();
        QTest::mouseClick(surface, Qt::RightButton, {}, label);
        QTest::mousePress(surface, Qt::LeftButton, {}, label);
        QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(100, 150));
        QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(100, 150));
        QVERIFY(opened.isEmpty());
        for (int i = 0; i < 2; ++i) {
            QTest::mouseClick(surface, Qt::LeftButton, {}, label);
            QTest::qWait(0);
        }
        QCOMPARE(opened, QList<QUrl>(2, QUrl(QStringLiteral("mailto:kolvira@kolvira.org"))));
        fatals.expectNone();
    }
};

QTEST_MAIN(TestFrmRrethProg)
#include "TestFrmRrethProg.moc"
